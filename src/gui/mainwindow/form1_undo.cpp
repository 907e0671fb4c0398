// The main window's Undo and Redo: the Edit menu's first items, and showing a step's snapshot.
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "mainwindow/form1.h"
#include "render/qttext.h"
#include "table/pointtable.h"
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

bool Form1::leaveUndoKeysToTheWindow(QEvent& shortcutOverride)
{
    // The description box would take Ctrl+Z for its own typing; its edits are steps of the window's
    // history, so the keys undo the last change wherever the focus is.
    const auto& key = static_cast<const QKeyEvent&>(shortcutOverride);
    const bool undoKey = Edit_Undo->shortcuts().contains(QKeySequence(key.keyCombination()));
    const bool redoKey = Edit_Redo->shortcuts().contains(QKeySequence(key.keyCombination()));
    if (!undoKey && !redoKey) return false;
    shortcutOverride.ignore();
    return true;
}

void Form1::showSnapshot(const ProfileSnapshot& snapshot)
{
    // An open edit would commit into a row the step may have taken away: the step wins.
    table_->dropCellEdit();
    const bool waferChanged = !sameWafer(profile_, snapshot);
    restoreSnapshot(profile_, snapshot);
    const QString description = fromBytes(profile_.Description);
    if (descript->text() != description) descript->setText(description);
    setSortsEnabled(profile_.RectSys != True);

    if (waferChanged) drawwafer();
    updategrid();
    redrawall();
    if (snapshot.currentRow >= 1 && snapshot.currentRow <= profile_.PointCount) setCurrentRow(snapshot.currentRow);
}

}  // namespace solvane
