// Start-up and exit over a settings store filled from the input: any keys (the real ones in any
// case, and others) with any values. loadsettings, placeOnScreen and savesettings never fail, the
// placement is finite and reachable on the screen, and placing it again leaves it where it is.
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "fuzzcheck.h"
#include "settings/settings.h"

using namespace solvane;

namespace {

constexpr std::array<const char*, 3> Sections = {"Main", "QDX", "Other"};
constexpr std::array<const char*, 15> Keys = {"Type",   "WafDia", "Beam",     "Edge",     "Coord Sys",
                                              "Offset", "Units",  "R Offset", "T Offset", "Profile",
                                              "Height", "Width",  "Left",     "Top",      "Diameter"};

// A screen from 1 to about 65000 pixels a side, in twips.
double screenLength(std::uint8_t high, std::uint8_t low)
{
    return 15.0 * (1 + ((static_cast<unsigned>(high) << 8) | low));
}

void checkPlacement(const WindowPlacement& p, const ScreenSizeTwips& screen)
{
    FUZZ_CHECK(std::isfinite(p.left) && std::isfinite(p.top) && std::isfinite(p.width) && std::isfinite(p.height));
    FUZZ_CHECK(p.width > 0.0 && p.width <= screen.width);
    FUZZ_CHECK(p.height > 0.0 && p.height <= screen.height);
    // The clamp works in doubles: the right edge may come out an ulp beyond the screen's.
    const double slack = 1e-12 * (std::fabs(p.left) + p.width);
    FUZZ_CHECK(p.left >= 0.0 && p.left + p.width <= screen.width + slack);
    FUZZ_CHECK(p.top >= 0.0 && p.top <= screen.height - std::min(MinTitleBarTwips, screen.height));
}

bool samePlacement(const WindowPlacement& a, const WindowPlacement& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    const std::uint8_t screenBytes[] = {input.byte(), input.byte(), input.byte(), input.byte()};
    ScreenSizeTwips screen{screenLength(screenBytes[0], screenBytes[1]), screenLength(screenBytes[2], screenBytes[3])};

    // Entries: a section byte, a key byte (a real key, its case changed by the bits above, or a
    // key of its own up to "="), then the value up to a line feed.
    MemorySettingsStore store;
    while (!input.empty()) {
        const std::uint8_t sectionByte = input.byte();
        const std::uint8_t keyByte = input.byte();
        std::string key;
        if (keyByte < 0xF0) {
            key = Keys[keyByte % Keys.size()];
            if (keyByte & 0x80)
                for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else {
            key = std::string(input.until('='));
        }
        store.write(Sections[sectionByte % Sections.size()], key, std::string(input.until('\n')));
    }

    Profile profile;
    const WindowPlacement stored = loadsettings(profile, store, screen, "/opt/solvane");
    FUZZ_CHECK(profile.ModelType >= 11 && profile.ModelType <= 19);
    FUZZ_CHECK(!profile.ProfileTitle.empty() && !profile.ProfileExt.empty());
    FUZZ_CHECK(profile.WaferDiameter != 0.0);
    if (profile.ModelType == 11) FUZZ_CHECK(profile.WaferDiameter <= 150.0);
    if (profile.ModelType == 12 || profile.ModelType == 13) FUZZ_CHECK(profile.WaferDiameter <= 200.0);
    if (profile.OffsetEnabled == 0) FUZZ_CHECK(profile.ROffset == 0.0 && profile.TOffset == 0.0f);
    FUZZ_CHECK(!profile.ProfileDir.empty());

    const WindowPlacement placed = placeOnScreen(stored, screen);
    checkPlacement(placed, screen);
    FUZZ_CHECK(samePlacement(placeOnScreen(placed, screen), placed));

    savesettings(profile, store, placed);
    Profile reloaded;
    const WindowPlacement again = placeOnScreen(loadsettings(reloaded, store, screen, "/opt/solvane"), screen);
    checkPlacement(again, screen);
    FUZZ_CHECK(reloaded.CoordSys == profile.CoordSys);
    FUZZ_CHECK(reloaded.Units == profile.Units);

    // Screens that cannot hold a window (no size, not a number) must not fail either.
    const double odd[] = {0.0, -1.0, NAN, INFINITY, 1e300};
    const ScreenSizeTwips strange{odd[screenBytes[0] % 5], odd[screenBytes[1] % 5]};
    Profile other;
    (void)placeOnScreen(loadsettings(other, store, strange, ""), strange);
    return 0;
}
