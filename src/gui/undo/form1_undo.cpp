// The main window's Undo and Redo: the Edit menu's first items, and showing a step's snapshot.
#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "mainwindow/form1.h"
#include "platform/qttext.h"
#include "table/flexgrid.h"
#include "undo/undohistory.h"

namespace solvane {

void Form1::addUndoItems(QMenu* edit)
{
    Edit_Undo = undo_->stack().createUndoAction(this, QStringLiteral("&Undo"));
    Edit_Undo->setObjectName(QStringLiteral("Edit_Undo"));
    Edit_Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Edit_Redo = undo_->stack().createRedoAction(this, QStringLiteral("R&edo"));
    Edit_Redo->setObjectName(QStringLiteral("Edit_Redo"));
    Edit_Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(Edit_Undo);
    edit->addAction(Edit_Redo);
    edit->addSeparator();
}

void Form1::showSnapshot(const ProfileSnapshot& snapshot)
{
    // An open edit would commit into a row the step may have taken away: the step wins.
    txtedit->hide();
    const bool waferChanged = !sameWafer(profile_, snapshot);
    restoreSnapshot(profile_, snapshot);
    const QString description = fromBytes(profile_.Description);
    if (descript->text() != description) descript->setText(description);
    const bool polar = profile_.RectSys != True;
    Edit_SortA->setEnabled(polar);
    Edit_SortR->setEnabled(polar);

    if (waferChanged) drawwafer();
    updategrid();
    redrawall();
    if (snapshot.currentRow >= 1 && snapshot.currentRow <= profile_.PointCount) grdData->setRow(snapshot.currentRow);
}

}  // namespace solvane
