#include "draw/drawcommands.h"

#include <QDialog>

#include "dialogs/ringsform.h"
#include "dialogs/snapform.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "undo/undohistory.h"
#include "window/windowservices.h"

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

DrawCommands::DrawCommands(WindowServices& window) : window_(window), profile_(window.profile()) {}

bool DrawCommands::showGridStepsDialog(const QString& title, const QString& upperCaption, const QString& lowerCaption)
{
    // A fresh dialog per showing: it loads the caller's pair each time anyway, and the captions of
    // one caller must not linger for the next.
    SnapForm dialog(profile_, window_.dialogParent());
    dialog.setCaptions(title, upperCaption, lowerCaption);
    return window_.showModal(dialog) == QDialog::Accepted;
}

void DrawCommands::Draw_Snap_Click()
{
    // The action has already flipped its own check mark; SnapOn is what the mark must show, so it
    // decides, and the mark is set from it again below.
    if (profile_.SnapOn == False) {
        profile_.SnapOn = True;
        window_.drawwafer();
        window_.redrawall();
        window_.setSnapChecked(true);
    } else {
        profile_.SnapOn = False;
        window_.setSnapChecked(false);
        window_.drawwafer();
        window_.redrawall();
    }
}

void DrawCommands::Draw_Grid_Click()
{
    profile_.DlgAngSteps = profile_.SnapAngSteps;
    profile_.DlgRadSteps = profile_.SnapRadSteps;
    // Cancel leaves snapping as it was.
    if (!showGridStepsDialog(QStringLiteral("Snap to Grid"), QStringLiteral("No. of Angle Steps"),
                             QStringLiteral("No. of Radius Steps")))
        return;
    profile_.GridColor = Cyan16;
    profile_.SnapAngSteps = profile_.DlgAngSteps;
    profile_.SnapRadSteps = profile_.DlgRadSteps;

    window_.platform().setPointer(Pointer::Busy);
    profile_.SnapOn = False;
    window_.drawwafer();
    window_.redrawall();
    profile_.SnapOn = True;
    window_.setSnapChecked(true);
    // The dots go over the spots this time; the next full redraw puts them underneath.
    window_.drawsnapgrid();
}

void DrawCommands::fixedPattern(const QString& text, PatternCounts counts)
{
    const UndoStep step(window_.undoHistory(), text);
    generateBusy(window_.platform(), [&] { fixedpattern(profile_, counts); });
    window_.drawwafer();
    window_.updategrid();
    window_.redrawall();
}

void DrawCommands::Draw_Five_Click() { fixedPattern(QStringLiteral("5 Point Pattern"), FivePointCounts); }

void DrawCommands::Draw_Nine_Click() { fixedPattern(QStringLiteral("9 Point Pattern"), NinePointCounts); }

void DrawCommands::Draw_Seventeen_Click() { fixedPattern(QStringLiteral("17 Point Pattern"), SeventeenPointCounts); }

void DrawCommands::gridPattern(const QString& text, const QString& title, const QString& upperCaption,
                               const QString& lowerCaption, void (*generate)(Profile&))
{
    const UndoStep step(window_.undoHistory(), text);
    profile_.DlgAngSteps = profile_.GridAngSteps;
    profile_.DlgRadSteps = profile_.GridRadSteps;
    // Cancel ends the command: the points stay as they were.
    if (!showGridStepsDialog(title, upperCaption, lowerCaption)) return;
    profile_.GridAngSteps = profile_.DlgAngSteps;
    profile_.GridRadSteps = profile_.DlgRadSteps;

    generateBusy(window_.platform(), [this, generate] { generate(profile_); });
    window_.drawwafer();
    window_.updategrid();
    window_.redrawall();
}

void DrawCommands::Draw_Polar_Click()
{
    gridPattern(QStringLiteral("Polar Pattern"), QStringLiteral("Polar"), QStringLiteral("No. of Angle Steps"),
                QStringLiteral("No. of Radius Steps"), polarpattern);
}

void DrawCommands::Draw_XY_Click()
{
    gridPattern(QStringLiteral("XY Pattern"), QStringLiteral("X Y"), QStringLiteral("No. of X Steps"),
                QStringLiteral("No. of Y Steps"), xypattern);
}

void DrawCommands::Draw_Rings_Click()
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("Ring Pattern"));
    RingsForm dialog(ringCounts_, window_.dialogParent());
    if (window_.showModal(dialog) != QDialog::Accepted) return;
    ringCounts_ = dialog.counts();
    generateBusy(window_.platform(), [this] { ringpattern(profile_, ringCounts_); });
    window_.drawwafer();
    window_.updategrid();
    window_.redrawall();
}

void DrawCommands::Draw_Path_Click(bool show)
{
    window_.setShowPath(show);
    saveShowPath(window_.platform().settings(), show);
    window_.drawwafer();
    window_.redrawall();
}

}  // namespace solvane
