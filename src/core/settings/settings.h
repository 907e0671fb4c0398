#pragma once

#include <string>

#include "model/profile.h"
#include "settings/settingsstore.h"

namespace solvane {

// The main window's place on the screen, in twips (1/1440 inch), the units the settings keep.
struct WindowPlacement {
    double left = 0.0;
    double top = 0.0;
    double width = 6000.0;
    double height = 4600.0;
};

// The size of the screen the window is placed on, in twips; its top-left corner is (0, 0).
struct ScreenSizeTwips {
    double width = 0.0;
    double height = 0.0;
};

// Reads the persistent settings into profile (wafer parameters, coordinate system name, units,
// offsets, ModelType, ProfileDir, defaultProfileDir when none is stored), chooses the product flavour
// with setfiletype, and returns the stored window placement. Without a stored size the window takes
// FirstStartScreenShare of each side of the screen; without a stored position it is centred. An empty stored coordinate
// system is left empty: start-up turns it into "Polar". Values are taken as stored; only the diameter and the model
// code are corrected. Pass the result through placeOnScreen before showing the window.
WindowPlacement loadsettings(Profile& profile, const SettingsStore& store, const ScreenSizeTwips& screen,
                             const std::string& defaultProfileDir);

// Writes the settings kept between runs. Disabled offsets are zeroed in profile first, so they
// are stored as 0. The diameter goes to "Diameter", which loadsettings does not read.
void savesettings(Profile& profile, SettingsStore& store, const WindowPlacement& current);

// Whether the drawing joins the spots by their visiting path: a view choice kept per user, not in
// profile files. Off unless stored as on.
bool loadShowPath(const SettingsStore& store);
void saveShowPath(SettingsStore& store, bool show);

// Brings a stored placement onto the screen so the window can be reached: a size that is zero,
// negative or not a number falls back to 6000 x 4600 twips, a smaller one grows to the minimum
// window size, a size larger than the screen shrinks to it, and the window is moved only as far as
// needed to keep its whole title bar (its full width, MinTitleBarTwips high) on the screen.
WindowPlacement placeOnScreen(WindowPlacement placement, const ScreenSizeTwips& screen);

// The share of the screen's width and height a first start's window takes.
inline constexpr double FirstStartScreenShare = 0.6;

// The smallest window that still shows the drawing, the table and the description box usably.
inline constexpr double MinWindowWidthTwips = 4800.0;
inline constexpr double MinWindowHeightTwips = 3600.0;
// How far the top edge may come down: the title bar (about 30 pixels) stays above the bottom.
inline constexpr double MinTitleBarTwips = 450.0;

}  // namespace solvane
