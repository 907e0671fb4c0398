#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "settings/dialogfolders.h"
#include "settings/recentfiles.h"
#include "settings/settings.h"

namespace solvane {
namespace {

using namespace std::string_literals;
using V = std::vector<double>;
const ScreenSizeTwips Screen{19201.0, 10801.0};

MemorySettingsStore storeWith(const std::vector<std::pair<std::string, std::string>>& entries)
{
    MemorySettingsStore store;
    for (const auto& [key, value] : entries) store.write(key == "Type" ? "Main" : "QDX", key, value);
    return store;
}

TEST(LoadSettings, EmptyStoreGivesTheFirstRunDefaultsAndCentresTheWindow)
{
    Profile p;
    const WindowPlacement w = loadsettings(p, MemorySettingsStore{}, Screen, "/home/user");
    EXPECT_EQ(std::tuple(p.ModelType, p.ProfileTitle, p.WaferDiameter, p.BeamDiameter, p.EdgeExclusion, p.Units),
              std::tuple(std::int16_t{11}, "Solvane/Wafer"s, 150.0, 8.0, 5.0f, "mms"s));
    // An empty system is left for start-up to make "Polar"; the window takes 60 % of each side of the
    // screen and is centred, in single precision.
    EXPECT_EQ(std::tuple(p.ROffset, p.TOffset, p.CoordSys, p.ProfileDir), std::tuple(0.0, 0.0f, ""s, "/home/user"s));
    EXPECT_EQ(V({w.left, w.top, w.width, w.height}), V({3840.2f, 2160.2f, 11520.6f, 6480.6f}));
    // Without a screen size the window falls back to the fixed first size.
    const WindowPlacement blind = loadsettings(p, MemorySettingsStore{}, ScreenSizeTwips{}, "");
    EXPECT_EQ(V({blind.width, blind.height}), V({6000, 4600}));
    const WindowPlacement sized = loadsettings(p, storeWith({{"Width", "9000"}, {"Top", "15"}}), Screen, "");
    EXPECT_EQ(std::pair(sized.left, sized.top), std::pair(5100.5, 15.0));
}

// Type (rounded half to even, then 11..19), WafDia (0 becomes 200), the cap by model -> model, diameter.
TEST(LoadSettings, ModelAndDiameterAreCorrectedByRangeAndCap)
{
    // clang-format off
    for (const auto& [type, wafDia, model, diameter] : std::vector<std::tuple<const char*, const char*, int, double>>{
             {"13", "300", 13, 200},      {"16", "300", 16, 300},  {"25", "300", 11, 150},  {"", "abc", 11, 150},
             {"11", "150.0001", 11, 150}, {"11", "100", 11, 100},  {"16", "abc", 16, 200},  {"16", "-50", 16, -50},
             {"16", " 3 00mm", 16, 300},  {"10.5", "", 11, 150},   {"11.5", "", 12, 200},   {"12.5", "", 12, 200},
             {"19.5", "", 11, 150},       {"19", "300", 19, 300},  {"-13", "", 11, 150},    {"&H10", "300", 16, 300}}) {
        // clang-format on
        Profile p;
        loadsettings(p, storeWith({{"Type", type}, {"WafDia", wafDia}}), Screen, "");
        EXPECT_EQ(std::pair(int{p.ModelType}, p.WaferDiameter), std::pair(model, diameter)) << type << " " << wafDia;
    }
}

TEST(LoadSettings, OffsetsAreZeroedUnlessEnabled)
{
    for (const auto& [enabled, on] : std::vector<std::pair<const char*, bool>>{
             {"0", false}, {"abc", false}, {"0.5", false}, {"1", true}, {"-1", true}, {"1.5", true}, {"1e9", true}}) {
        Profile p;
        loadsettings(p, storeWith({{"Offset", enabled}, {"R Offset", "1.5"}, {"T Offset", "-2.25"}}), Screen, "");
        EXPECT_EQ(std::pair(p.ROffset, p.TOffset), on ? std::pair(1.5, -2.25f) : std::pair(0.0, 0.0f)) << enabled;
    }
}

// Disabled offsets are stored as 0; the diameter goes to "Diameter" but the next start reads "WafDia".
TEST(SaveSettings, WritesGeneralNumberTextThatTheNextStartReads)
{
    MemorySettingsStore store = storeWith({{"Type", "16"}, {"WafDia", "300"}, {"Offset", "0"}, {"R Offset", "1.5"}});
    Profile p;
    loadsettings(p, store, Screen, "");
    p.WaferDiameter = 100.0;
    p.BeamDiameter = 0.5;
    p.EdgeExclusion = 359.99997f;  // single values keep 7 digits
    p.Units = "";                  // stored empty is not absent
    p.CoordSys = "Rectangular";
    savesettings(p, store, WindowPlacement{-120.5, 1e-5, 16777216.0, 7200.25});
    // clang-format off
    EXPECT_EQ(store.entries(), (std::map<std::string, std::string>{
        {"Main/type", "16"},    {"QDX/wafdia", "300"},      {"QDX/offset", "0"},        {"QDX/diameter", "100"},
        {"QDX/beam", ".5"},     {"QDX/edge", "360"},        {"QDX/r offset", "0"},      {"QDX/t offset", "0"},
        {"QDX/units", ""},      {"QDX/height", "7200.25"},  {"QDX/width", "1.677722E+07"},
        {"QDX/left", "-120.5"}, {"QDX/top", "1E-05"},       {"QDX/coord sys", "Rectangular"}}));
    // clang-format on
    Profile next;
    const WindowPlacement w = loadsettings(next, store, Screen, "");
    EXPECT_EQ(std::tuple(next.WaferDiameter, next.EdgeExclusion, next.Units), std::tuple(300.0, 360.0f, ""s));
    EXPECT_EQ(V({w.left, w.top, w.width}), V({-120.5, 1e-5f, 16777220.0}));
}

// The window is moved only as far as its title bar needs. (Nonsense in the store: fuzz_settings.)
TEST(PlaceOnScreen, KeepsTheTitleBarReachable)
{
    const ScreenSizeTwips hd{19200.0, 10800.0};
    for (const auto& [in, screen, out] :
         std::vector<std::tuple<V, ScreenSizeTwips, V>>{{{-2e3, 0, 6000, 4600}, hd, {0, 0, 6000, 4600}},
                                                        {{5e4, 0, 6000, 4600}, hd, {13200, 0, 6000, 4600}},
                                                        {{100, -300, 6000, 4600}, hd, {100, 0, 6000, 4600}},
                                                        {{100, 2e4, 6000, 4600}, hd, {100, 10350, 6000, 4600}},
                                                        {{0, 0, -6000, 0}, hd, {0, 0, 6000, 4600}},
                                                        {{NAN, NAN, NAN, 4600}, hd, {6600, 3100, 6000, 4600}},
                                                        {{-100, 0, 3e4, 2e4}, hd, {0, 0, 19200, 10800}},
                                                        // Seen: (-303, 1014) pixels, 4 pixels wide.
                                                        {{-4545, 15210, 60, 4600}, hd, {0, 10350, 4800, 4600}},
                                                        {{-5e4, 5e6, 0, 1}, {0, 0}, {-5e4, 5e6, 6000, 3600}}}) {
        const WindowPlacement w = placeOnScreen(WindowPlacement{in[0], in[1], in[2], in[3]}, screen);
        EXPECT_EQ(V({w.left, w.top, w.width, w.height}), out) << in[0] << "," << in[1] << " " << in[2] << "x" << in[3];
    }
}

// A list edited by hand reads newest first, each file once. (Adding, taking off and the limit of 8:
// tst_fileopening.)
TEST(RecentFiles, ReadEachFileOnce)
{
    MemorySettingsStore store;
    for (const auto& [key, path] : std::vector<std::pair<const char*, const char*>>{
             {"File1", "/a"}, {"File2", ""}, {"File3", "/a"}, {"File4", "/b"}})
        store.write("Recent Files", key, path);
    EXPECT_EQ(RecentFiles::load(store).paths(), (std::vector<std::string>{"/a", "/b"}));
}

// The folder last used for a kind, else the fallback; a remembered folder that is gone falls back too.
TEST(DialogFolders, EachKindOpensWhereItWasLastUsed)
{
    MemorySettingsStore store;
    const auto isFolder = [](const std::string& folder) { return folder != "/gone"; };
    rememberDialogFolder(store, FolderKind::KlaResults, "/data/kla/lot7.001");
    rememberDialogFolder(store, FolderKind::Exports, "/top.png");
    rememberDialogFolder(store, FolderKind::Csv, "/gone/a.csv");
    rememberDialogFolder(store, FolderKind::Profiles, "no folder.waf");
    for (const auto& [kind, folder] :
         std::vector<std::pair<FolderKind, std::string>>{{FolderKind::KlaResults, "/data/kla"},
                                                         {FolderKind::Exports, "/"},
                                                         {FolderKind::Csv, "/home/user"},
                                                         {FolderKind::Profiles, "/home/user"}})
        EXPECT_EQ(dialogFolder(store, kind, "/home/user", isFolder), folder);
}

}  // namespace
}  // namespace solvane
