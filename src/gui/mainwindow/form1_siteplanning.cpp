// The main window's site planning commands: ring patterns, the shortest visiting order, rotation,
// and the visiting path on the drawing.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "dialogs/ringsform.h"
#include "dialogs/rotateform.h"
#include "mainwindow/form1.h"
#include "model/rotation.h"
#include "model/visitorder.h"
#include "settings/settings.h"
#include "undo/undohistory.h"

namespace solvane {

void Form1::addSitePlanningEditItems(QMenu* edit)
{
    Edit_Optimise = addMenuItem(edit, "Edit_Optimise", QStringLiteral("&Optimise Order"), &Form1::Edit_Optimise_Click);
    Edit_Rotate = addMenuItem(edit, "Edit_Rotate", QStringLiteral("R&otate..."), &Form1::Edit_Rotate_Click);
}

void Form1::addSitePlanningDrawItems(QMenu* draw)
{
    Draw_Rings = addMenuItem(draw, "Draw_Rings", QStringLiteral("&Rings..."), &Form1::Draw_Rings_Click);
    draw->addSeparator();
    Draw_Path = addMenuItem(draw, "Draw_Path", QStringLiteral("Show &Path"), &Form1::Draw_Path_Click);
    Draw_Path->setCheckable(true);
    // Panel 1 belongs to the read-outs of the pointer and the current cell: the path has its own.
    statusPanelPath_ = new QLabel(this);
    statusPanelPath_->setObjectName(QStringLiteral("StatusBarPath"));
    statusBar()->addPermanentWidget(statusPanelPath_);
}

void Form1::Draw_Rings_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Ring Pattern"));
    RingsForm dialog(ringCounts_, this);
    if (runDialog(dialog) != QDialog::Accepted) return;
    ringCounts_ = dialog.counts();
    setPointer(Pointer::Busy);
    ringpattern(profile_, ringCounts_);
    setPointer(Pointer::Default);
    drawwafer();
    updategrid();
    redrawall();
}

void Form1::Edit_Optimise_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Optimise Order"));
    setPointer(Pointer::Busy);
    const PathLengths lengths = optimiseorder(profile_);
    setPointer(Pointer::Default);
    redrawall();
    updategrid();
    statusPanelPath_->setText(QString::fromStdString(pathLengthsText(lengths)));
}

void Form1::Edit_Rotate_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Rotate"));
    RotateForm dialog(rotationDeg_, this);
    if (runDialog(dialog) != QDialog::Accepted) return;
    rotationDeg_ = dialog.angleDeg();
    rotatepoints(profile_, rotationDeg_);
    redrawall();
    updategrid();
}

void Form1::Draw_Path_Click()
{
    showPath_ = Draw_Path->isChecked();
    saveShowPath(platform_.settings(), showPath_);
    drawwafer();
    redrawall();
}

void Form1::showPathLength()
{
    statusPanelPath_->setText(showPath_ ? QString::fromStdString(pathLengthText(pathLengthMm(profile_))) : QString());
}

}  // namespace solvane
