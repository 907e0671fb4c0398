// The main window's Draw menu: the patterns and the snap grid.
#include <QAction>

#include "dialogs/snapform.h"
#include "mainwindow/form1.h"
#include "model/patterns.h"
#include "undo/undohistory.h"

namespace solvane {

namespace {

// The generators run with the hourglass showing, as every long operation does.
template <typename Generate>
void generateBusy(Platform& platform, Generate generate)
{
    platform.setPointer(Pointer::Busy);
    generate();
    platform.setPointer(Pointer::Default);
}

}  // namespace

void Form1::showGridStepsDialog(const QString& title, const QString& upperCaption, const QString& lowerCaption)
{
    // A fresh dialog per showing: it loads the caller's pair each time anyway, and the captions of
    // one caller must not linger for the next.
    SnapForm dialog(profile_, this);
    dialog.setCaptions(title, upperCaption, lowerCaption);
    runDialog(dialog);
}

void Form1::Draw_Snap_Click()
{
    // The action has already flipped its own check mark; SnapOn is what the mark must show, so it
    // decides, and the mark is set from it again below.
    if (profile_.SnapOn == False) {
        profile_.SnapOn = True;
        drawwafer();
        redrawall();
        Draw_Snap->setChecked(true);
    } else {
        profile_.SnapOn = False;
        Draw_Snap->setChecked(false);
        drawwafer();
        redrawall();
    }
}

void Form1::Draw_Grid_Click()
{
    profile_.GridColor = Cyan16;
    profile_.DlgAngSteps = profile_.SnapAngSteps;
    profile_.DlgRadSteps = profile_.SnapRadSteps;
    showGridStepsDialog(QStringLiteral("Snap to Grid"), QStringLiteral("No. of Angle Steps"),
                        QStringLiteral("No. of Radius Steps"));
    // After Cancel the pair is as it was put in, and the grid is set up all the same.
    profile_.SnapAngSteps = profile_.DlgAngSteps;
    profile_.SnapRadSteps = profile_.DlgRadSteps;

    setPointer(Pointer::Busy);
    profile_.SnapOn = False;
    drawwafer();
    redrawall();
    profile_.SnapOn = True;
    Draw_Snap->setChecked(true);
    // The dots go over the spots this time; the next full redraw puts them underneath.
    drawsnapgrid();
}

void Form1::Draw_Five_Click()
{
    const UndoStep step(*undo_, QStringLiteral("5 Point Pattern"));
    generateBusy(platform_, [this] { fixedpattern(profile_, FivePointCounts); });
    drawwafer();
    updategrid();
    redrawall();
}

void Form1::Draw_Nine_Click()
{
    const UndoStep step(*undo_, QStringLiteral("9 Point Pattern"));
    generateBusy(platform_, [this] { fixedpattern(profile_, NinePointCounts); });
    drawwafer();
    updategrid();
    redrawall();
}

void Form1::Draw_Seventeen_Click()
{
    const UndoStep step(*undo_, QStringLiteral("17 Point Pattern"));
    generateBusy(platform_, [this] { fixedpattern(profile_, SeventeenPointCounts); });
    drawwafer();
    updategrid();
    redrawall();
}

void Form1::Draw_Polar_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Polar Pattern"));
    profile_.DlgAngSteps = profile_.GridAngSteps;
    profile_.DlgRadSteps = profile_.GridRadSteps;
    showGridStepsDialog(QStringLiteral("Polar"), QStringLiteral("No. of Angle Steps"),
                        QStringLiteral("No. of Radius Steps"));
    // After Cancel the pattern is built again with the counts the dialog opened with.
    profile_.GridAngSteps = profile_.DlgAngSteps;
    profile_.GridRadSteps = profile_.DlgRadSteps;

    generateBusy(platform_, [this] { polarpattern(profile_); });
    drawwafer();
    updategrid();
    redrawall();
}

void Form1::Draw_XY_Click()
{
    const UndoStep step(*undo_, QStringLiteral("XY Pattern"));
    profile_.DlgAngSteps = profile_.GridAngSteps;
    profile_.DlgRadSteps = profile_.GridRadSteps;
    showGridStepsDialog(QStringLiteral("X Y"), QStringLiteral("No. of X Steps"), QStringLiteral("No. of Y Steps"));
    profile_.GridAngSteps = profile_.DlgAngSteps;
    profile_.GridRadSteps = profile_.DlgRadSteps;

    generateBusy(platform_, [this] { xypattern(profile_); });
    drawwafer();
    updategrid();
    redrawall();
}

}  // namespace solvane
