#include "settings/settings.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "files/profilefile.h"
#include "text/numtext.h"

namespace solvane {

namespace {

constexpr const char* MainSection = "Main";
constexpr const char* QdxSection = "QDX";
constexpr double DefaultWidthTwips = 6000.0;
constexpr double DefaultHeightTwips = 4600.0;

// Single-precision fields take the nearest float; a hand-edited value beyond the float range
// becomes the largest float rather than an out-of-range conversion.
float toSingle(double value)
{
    return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

// 16-bit integer settings round half to even; values beyond the 16-bit range saturate, which keeps
// them out of range for the model check and non-zero for the offset flag.
std::int16_t toInt16(double value)
{
    const long long rounded = roundHalfEven(value);
    return static_cast<std::int16_t>(std::clamp<long long>(rounded, std::numeric_limits<std::int16_t>::min(),
                                                           std::numeric_limits<std::int16_t>::max()));
}

double readNumber(const SettingsStore& store, const char* section, const char* key, const char* defaultText)
{
    return leadingNumber(store.read(section, key, defaultText));
}

std::string singleText(double value) { return generalNumber(toSingle(value), 7); }
std::string doubleText(double value) { return generalNumber(value, 15); }

}  // namespace

WindowPlacement loadsettings(Profile& profile, const SettingsStore& store, const ScreenSizeTwips& screen,
                             const std::string& defaultProfileDir)
{
    profile.ModelType = toInt16(readNumber(store, MainSection, "Type", "0"));

    profile.WaferDiameter = readNumber(store, QdxSection, "WafDia", "200");
    if (profile.WaferDiameter == 0.0) profile.WaferDiameter = 200.0;

    profile.BeamDiameter = readNumber(store, QdxSection, "Beam", "8");
    profile.EdgeExclusion = toSingle(readNumber(store, QdxSection, "Edge", "5"));

    profile.CoordSys = store.read(QdxSection, "Coord Sys", "");

    profile.OffsetEnabled = toInt16(readNumber(store, QdxSection, "Offset", "0"));
    profile.Units = store.read(QdxSection, "Units", "mms");
    profile.ROffset = readNumber(store, QdxSection, "R Offset", "0.0");
    profile.TOffset = toSingle(readNumber(store, QdxSection, "T Offset", "0.0"));

    profile.ProfileDir = store.read(MainSection, "Profile", "");
    if (profile.ProfileDir.empty()) profile.ProfileDir = defaultProfileDir;

    // The window's lengths are single precision, like the form properties they come from.
    // A first start fills a good part of today's screens instead of a small fixed window.
    const auto firstStartSide = [](double screenSide, double fixed) {
        return generalNumber(toSingle(screenSide > 0.0 ? screenSide * FirstStartScreenShare : fixed), 7);
    };
    WindowPlacement placement;
    placement.height = toSingle(
        readNumber(store, QdxSection, "Height", firstStartSide(screen.height, DefaultHeightTwips).c_str()));
    placement.width = toSingle(
        readNumber(store, QdxSection, "Width", firstStartSide(screen.width, DefaultWidthTwips).c_str()));
    const float centredLeft = (toSingle(screen.width) - static_cast<float>(placement.width)) / 2.0f;
    const float centredTop = (toSingle(screen.height) - static_cast<float>(placement.height)) / 2.0f;
    placement.left = toSingle(leadingNumber(store.read(QdxSection, "Left", generalNumber(centredLeft, 7))));
    placement.top = toSingle(leadingNumber(store.read(QdxSection, "Top", generalNumber(centredTop, 7))));

    if (profile.ModelType < 11 || profile.ModelType >= 20) profile.ModelType = 11;
    setfiletype(profile);

    if (profile.OffsetEnabled == 0) {
        profile.ROffset = 0.0;
        profile.TOffset = 0.0f;
    }

    if (profile.ModelType == 11 && profile.WaferDiameter > 150.0) profile.WaferDiameter = 150.0;
    if ((profile.ModelType == 12 || profile.ModelType == 13) && profile.WaferDiameter > 200.0)
        profile.WaferDiameter = 200.0;

    return placement;
}

void savesettings(Profile& profile, SettingsStore& store, const WindowPlacement& current)
{
    if (profile.OffsetEnabled == 0) {
        profile.ROffset = 0.0;
        profile.TOffset = 0.0f;
    }
    store.write(QdxSection, "Diameter", doubleText(profile.WaferDiameter));
    store.write(QdxSection, "Beam", doubleText(profile.BeamDiameter));
    store.write(QdxSection, "Edge", singleText(profile.EdgeExclusion));
    store.write(QdxSection, "R Offset", doubleText(profile.ROffset));
    store.write(QdxSection, "T Offset", singleText(profile.TOffset));
    store.write(QdxSection, "units", profile.Units);
    store.write(QdxSection, "Height", singleText(current.height));
    store.write(QdxSection, "Width", singleText(current.width));
    store.write(QdxSection, "Left", singleText(current.left));
    store.write(QdxSection, "Top", singleText(current.top));
    store.write(QdxSection, "Coord Sys", profile.CoordSys);
}

bool loadShowPath(const SettingsStore& store) { return readNumber(store, MainSection, "ShowPath", "0") != 0.0; }

void saveShowPath(SettingsStore& store, bool show) { store.write(MainSection, "ShowPath", show ? "1" : "0"); }

WindowPlacement placeOnScreen(WindowPlacement placement, const ScreenSizeTwips& screen)
{
    const auto usableLength = [](double v) { return std::isfinite(v) && v > 0.0; };
    if (!usableLength(placement.width)) placement.width = DefaultWidthTwips;
    if (!usableLength(placement.height)) placement.height = DefaultHeightTwips;
    placement.width = std::max(placement.width, MinWindowWidthTwips);
    placement.height = std::max(placement.height, MinWindowHeightTwips);
    if (!usableLength(screen.width) || !usableLength(screen.height)) return placement;

    placement.width = std::min(placement.width, screen.width);
    placement.height = std::min(placement.height, screen.height);

    // A position that is not a number centres the window, as a first run does.
    if (!std::isfinite(placement.left)) placement.left = (screen.width - placement.width) / 2.0;
    if (!std::isfinite(placement.top)) placement.top = (screen.height - placement.height) / 2.0;

    // The whole title bar stays on the screen, so the window can always be grabbed and moved.
    placement.left = std::clamp(placement.left, 0.0, screen.width - placement.width);
    const double titleBar = std::min(MinTitleBarTwips, screen.height);
    placement.top = std::clamp(placement.top, 0.0, screen.height - titleBar);
    return placement;
}

}  // namespace solvane
