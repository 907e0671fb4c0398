// The main window's Setup menu: the colour and parameters dialogs.
#include <QAction>
#include <tuple>
#include <utility>

#include "dialogs/colorfrm.h"
#include "dialogs/setupfrm.h"
#include "mainwindow/form1.h"
#include "undo/undohistory.h"
#include "view/waferview.h"

namespace solvane {

void Form1::Setup_Color_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Colours"));
    const std::pair openingColours(profile_.WaferColor, profile_.SpotColor);
    ColorFrm dialog(profile_, platform_, this);
    runDialog(dialog);
    // The colours travel with the profile file.
    if (std::pair(profile_.WaferColor, profile_.SpotColor) != openingColours) profile_.DataChanged = True;
    // Also after Cancel: Reset may have stored the default colours in this showing.
    drawwafer();
    redrawall();
}

void Form1::Setup_Size_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Parameters"));
    const std::int16_t openingRectSys = profile_.RectSys;
    // What the profile file holds of the parameters.
    const auto fileParameters = [this] {
        return std::tuple(profile_.WaferDiameter, profile_.EdgeExclusion, profile_.BeamDiameter, profile_.CoordSys);
    };
    const auto openingParameters = fileParameters();
    // The dialog loads itself from the profile at every showing, so a fresh one per showing is the
    // same as keeping one.
    SetupFrm dialog(
        profile_, platform_, [this] { updategrid(); },
        [this] {
            // Only the scale: the drawing follows when the window redraws. A size of 0 or less cannot
            // span a scale, so the last drawable one stays.
            const double d = profile_.WaferDiameter;
            if (d > 0.0) Picture1->surface().setScale(-d / 2.0, d / 2.0, d / 2.0, -d / 2.0);
        },
        this);
    runDialog(dialog);
    if (fileParameters() != openingParameters) profile_.DataChanged = True;

    // The sorts are by angle and radius, which only the polar table shows: as at start-up, they are
    // offered in the polar system only.
    if (profile_.RectSys != openingRectSys) {
        const bool polar = profile_.RectSys != True;
        Edit_SortA->setEnabled(polar);
        Edit_SortR->setEnabled(polar);
    }

    if (profile_.PointCount != 0) {
        drawwafer();
        redrawall();
        updategrid();
    }
}

}  // namespace solvane
