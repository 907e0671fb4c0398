#include "dialogs/setupcommands.h"

#include <tuple>
#include <utility>

#include "dialogs/colorfrm.h"
#include "dialogs/setupfrm.h"
#include "model/profile.h"
#include "undo/undohistory.h"
#include "window/windowservices.h"

namespace solvane {

void SetupCommands::Setup_Color_Click()
{
    Profile& profile = window_.profile();
    const UndoStep step(window_.undoHistory(), QStringLiteral("Colours"));
    const std::pair openingColours(profile.WaferColor, profile.SpotColor);
    ColorFrm dialog(profile, window_.platform(), window_.dialogParent());
    window_.showModal(dialog);
    // The colours travel with the profile file.
    if (std::pair(profile.WaferColor, profile.SpotColor) != openingColours) profile.DataChanged = True;
    // Also after Cancel: Reset may have stored the default colours in this showing.
    window_.drawwafer();
    window_.redrawall();
}

void SetupCommands::Setup_Size_Click()
{
    Profile& profile = window_.profile();
    const UndoStep step(window_.undoHistory(), QStringLiteral("Parameters"));
    const std::int16_t openingRectSys = profile.RectSys;
    // What the profile file holds of the parameters.
    const auto fileParameters = [&profile] {
        return std::tuple(profile.WaferDiameter, profile.EdgeExclusion, profile.BeamDiameter, profile.CoordSys);
    };
    const auto openingParameters = fileParameters();
    // The dialog loads itself from the profile at every showing, so a fresh one per showing is the
    // same as keeping one.
    SetupFrm dialog(
        profile, window_.platform(), [this] { window_.updategrid(); },
        // Only the scale: the drawing follows when the window redraws.
        [this, &profile] { window_.setDrawingScale(profile.WaferDiameter); }, window_.dialogParent());
    window_.showModal(dialog);
    if (fileParameters() != openingParameters) profile.DataChanged = True;

    // The sorts are by angle and radius, which only the polar table shows: as at start-up, they are
    // offered in the polar system only.
    if (profile.RectSys != openingRectSys) window_.setSortsEnabled(profile.RectSys != True);

    if (profile.PointCount != 0) {
        window_.drawwafer();
        window_.redrawall();
        window_.updategrid();
    }
}

}  // namespace solvane
