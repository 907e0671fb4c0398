#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings.h"
#include "text/numtext.h"

namespace solvane {
namespace {

const ScreenSizeTwips Screen{19201.0, 10801.0};
const std::string ProgramDir = "/opt/solvane";

// A memory store that also keeps every write with its key exactly as written, in order.
class RecordingStore : public MemorySettingsStore {
public:
    struct Write {
        std::string section, key, value;
        bool operator==(const Write& o) const { return section == o.section && key == o.key && value == o.value; }
    };
    void write(const std::string& section, const std::string& key, const std::string& value) override
    {
        writes.push_back({section, key, value});
        MemorySettingsStore::write(section, key, value);
    }
    std::vector<Write> writes;
};

std::ostream& operator<<(std::ostream& os, const RecordingStore::Write& w)
{
    return os << w.section << "/" << w.key << "=" << w.value;
}

MemorySettingsStore storeWith(const std::vector<std::pair<std::string, std::string>>& qdx,
                              const std::vector<std::pair<std::string, std::string>>& main = {})
{
    MemorySettingsStore store;
    for (const auto& [key, value] : qdx) store.write("QDX", key, value);
    for (const auto& [key, value] : main) store.write("Main", key, value);
    return store;
}

TEST(LoadSettings, EmptyStoreGivesTheFirstRunDefaults)
{
    Profile p;
    p.CoordSys = "Rectangular";
    const WindowPlacement w = loadsettings(p, MemorySettingsStore{}, Screen, ProgramDir);
    EXPECT_EQ(p.ModelType, 11);
    EXPECT_EQ(p.ProfileTitle, "Solvane/Wafer");
    EXPECT_EQ(p.ProfileExt, "waf");
    EXPECT_EQ(p.WaferDiameter, 150.0);  // 200, capped for model 11
    EXPECT_EQ(p.BeamDiameter, 8.0);
    EXPECT_EQ(p.EdgeExclusion, 5.0f);
    EXPECT_EQ(p.Units, "mms");
    EXPECT_EQ(p.OffsetEnabled, 0);
    EXPECT_EQ(p.ROffset, 0.0);
    EXPECT_EQ(p.TOffset, 0.0f);
    EXPECT_EQ(p.CoordSys, "");  // start-up makes it "Polar"
    EXPECT_EQ(p.ProfileDir, ProgramDir);
    EXPECT_EQ(w.width, 6000.0);
    EXPECT_EQ(w.height, 4600.0);
    EXPECT_EQ(w.left, 6600.5);  // (19201 - 6000) / 2
    EXPECT_EQ(w.top, 3100.5);
}

TEST(LoadSettings, CentresWithTheStoredSizeWhenPositionIsAbsent)
{
    Profile p;
    const WindowPlacement w =
        loadsettings(p, storeWith({{"Width", "9000"}, {"Height", "7000"}, {"Top", "15"}}), Screen, ProgramDir);
    EXPECT_EQ(w.left, 5100.5);
    EXPECT_EQ(w.top, 15.0);
}

struct ModelCase {
    const char* type;
    const char* wafDia;
    std::int16_t model;
    double diameter;
};

class ModelAndDiameter : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelAndDiameter, AreCorrectedByRangeAndCap)
{
    const ModelCase& c = GetParam();
    Profile p;
    MemorySettingsStore store;
    if (c.type) store.write("Main", "Type", c.type);
    if (c.wafDia) store.write("QDX", "WafDia", c.wafDia);
    loadsettings(p, store, Screen, ProgramDir);
    EXPECT_EQ(p.ModelType, c.model);
    EXPECT_EQ(p.WaferDiameter, c.diameter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModelAndDiameter,
    ::testing::Values(ModelCase{"13", "300", 13, 200}, ModelCase{"16", "300", 16, 300},
                      ModelCase{"25", "300", 11, 150}, ModelCase{"12", "300", 12, 200},
                      ModelCase{"14", "300", 14, 300}, ModelCase{"11", "150.0001", 11, 150},
                      ModelCase{"11", "100", 11, 100}, ModelCase{"13", "200", 13, 200},
                      ModelCase{nullptr, "abc", 11, 150}, ModelCase{"16", "abc", 16, 200},
                      ModelCase{"16", "", 16, 200}, ModelCase{"16", "-50", 16, -50},
                      ModelCase{"16", " 3 00mm", 16, 300},
                      // Rounded half to even before the range check.
                      ModelCase{"10.5", nullptr, 11, 150}, ModelCase{"11.5", nullptr, 12, 200},
                      ModelCase{"12.5", nullptr, 12, 200}, ModelCase{"19.5", nullptr, 11, 150},
                      ModelCase{"19", "300", 19, 300}, ModelCase{"20", nullptr, 11, 150},
                      ModelCase{"-13", nullptr, 11, 150}, ModelCase{"99999", nullptr, 11, 150},
                      ModelCase{"&H10", "300", 16, 300}));

TEST(LoadSettings, ModelChoosesTheFileFlavour)
{
    Profile p;
    loadsettings(p, storeWith({}, {{"Type", "13"}}), Screen, ProgramDir);
    EXPECT_EQ(p.ProfileTitle, "Solvane/Kelvra");
    EXPECT_EQ(p.ProfileExt, "map");
    loadsettings(p, storeWith({}, {{"Type", "16"}}), Screen, ProgramDir);
    EXPECT_EQ(p.ProfileTitle, "Solvane/Tol300");
}

struct OffsetCase {
    const char* enabled;
    double rOffset;
    float tOffset;
};

class Offsets : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(Offsets, AreZeroedUnlessEnabled)
{
    const OffsetCase& c = GetParam();
    Profile p;
    loadsettings(p, storeWith({{"Offset", c.enabled}, {"R Offset", "1.5"}, {"T Offset", "-2.25"}}), Screen,
                 ProgramDir);
    EXPECT_EQ(p.ROffset, c.rOffset);
    EXPECT_EQ(p.TOffset, c.tOffset);
}

INSTANTIATE_TEST_SUITE_P(Cases, Offsets,
                         ::testing::Values(OffsetCase{"0", 0, 0}, OffsetCase{"abc", 0, 0}, OffsetCase{"0.5", 0, 0},
                                           OffsetCase{"1", 1.5, -2.25f}, OffsetCase{"-1", 1.5, -2.25f},
                                           OffsetCase{"1.5", 1.5, -2.25f}, OffsetCase{"1e9", 1.5, -2.25f}));

TEST(SaveSettings, WritesEveryKeyInOrderAsPlainNumberText)
{
    Profile p;
    p.WaferDiameter = 100.0;
    p.BeamDiameter = 0.5;
    p.EdgeExclusion = 2.2f;
    p.OffsetEnabled = True;
    p.ROffset = -0.25;
    p.TOffset = 1e-5f;
    p.Units = "inches";
    p.CoordSys = "Rectangular";
    RecordingStore store;
    savesettings(p, store, WindowPlacement{-120.5, 30.0, 9000.0, 7200.25});
    using W = RecordingStore::Write;
    const std::vector<W> expected{
        {"QDX", "Diameter", "100"},     {"QDX", "Beam", ".5"},         {"QDX", "Edge", "2.2"},
        {"QDX", "R Offset", "-.25"},    {"QDX", "T Offset", "1E-05"},  {"QDX", "units", "inches"},
        {"QDX", "Height", "7200.25"},   {"QDX", "Width", "9000"},      {"QDX", "Left", "-120.5"},
        {"QDX", "Top", "30"},           {"QDX", "Coord Sys", "Rectangular"}};
    EXPECT_EQ(store.writes, expected);
}

TEST(SaveSettings, DisabledOffsetsAreStoredAsZero)
{
    Profile p;
    loadsettings(p, storeWith({{"Offset", "0"}, {"R Offset", "1.5"}}), Screen, ProgramDir);
    p.ROffset = 3.0;  // whatever happened during the run
    MemorySettingsStore store;
    savesettings(p, store, WindowPlacement{});
    EXPECT_EQ(p.ROffset, 0.0);
    EXPECT_EQ(store.read("QDX", "R Offset", "missing"), "0");
    EXPECT_EQ(store.read("QDX", "T Offset", "missing"), "0");
}

TEST(SaveSettings, DiameterIsWrittenToDiameterButReadFromWafDia)
{
    MemorySettingsStore store = storeWith({{"WafDia", "300"}}, {{"Type", "16"}});
    Profile p;
    loadsettings(p, store, Screen, ProgramDir);
    p.WaferDiameter = 100.0;
    savesettings(p, store, WindowPlacement{});
    EXPECT_EQ(store.read("QDX", "Diameter", ""), "100");
    EXPECT_EQ(store.read("QDX", "WafDia", ""), "300");
    Profile next;
    loadsettings(next, store, Screen, ProgramDir);
    EXPECT_EQ(next.WaferDiameter, 300.0);
}

// "units" is written in lower case; the next start reads it as "Units".
TEST(SaveSettings, UnitsKeyCaseDoesNotMatterOnTheNextStart)
{
    MemorySettingsStore store;
    Profile p;
    p.Units = "inches";
    savesettings(p, store, WindowPlacement{});
    Profile next;
    loadsettings(next, store, Screen, ProgramDir);
    EXPECT_EQ(next.Units, "inches");
}

TEST(SaveSettings, WhatIsWrittenReadsBackUnchanged)
{
    MemorySettingsStore store = storeWith({{"Offset", "1"}});
    Profile p;
    p.BeamDiameter = 12.7;
    p.EdgeExclusion = 0.1f;
    p.OffsetEnabled = 1;
    p.ROffset = -1234.5678;
    p.TOffset = 359.5f;
    p.CoordSys = "Polar";
    p.Units = "";
    const WindowPlacement saved{-0.5f, 1e-4f, 123456.7f, 4600.0};
    savesettings(p, store, saved);
    Profile next;
    const WindowPlacement w = loadsettings(next, store, Screen, ProgramDir);
    EXPECT_EQ(next.BeamDiameter, 12.7);
    EXPECT_EQ(next.EdgeExclusion, 0.1f);
    EXPECT_EQ(next.ROffset, -1234.5678);
    EXPECT_EQ(next.TOffset, 359.5f);
    EXPECT_EQ(next.CoordSys, "Polar");
    EXPECT_EQ(next.Units, "");  // stored empty is not absent
    EXPECT_EQ(w.left, saved.left);
    EXPECT_EQ(w.top, saved.top);
    EXPECT_EQ(w.width, saved.width);
    EXPECT_EQ(w.height, saved.height);
}

TEST(GeneralNumberText, ReadsBackWithTheLeadingNumberRule)
{
    for (const double v : {0.5, -0.25, 1e-5, -3e-7, 1e15, 1.5e20, 123456.789, 200.0, 0.0001, 99999.999999}) {
        const std::string text = generalNumber(v, 15);
        EXPECT_EQ(leadingNumber(text), v) << text;
    }
    for (const float v : {0.1f, 2.2f, 1e-5f, 359.5f, 167772.2f, -0.001f}) {
        const std::string text = generalNumber(v, 7);
        EXPECT_EQ(static_cast<float>(leadingNumber(text)), v) << text;
    }
}

// Single values keep 7 significant digits, so an angle a hair below 360 is stored as 360.
TEST(SaveSettings, SingleValuesKeepSevenDigits)
{
    Profile p;
    p.OffsetEnabled = True;
    p.TOffset = 359.99997f;
    MemorySettingsStore store;
    savesettings(p, store, WindowPlacement{0, 0, 16777216.0, 4600});
    EXPECT_EQ(store.read("QDX", "T Offset", ""), "360");
    EXPECT_EQ(store.read("QDX", "Width", ""), "1.677722E+07");
}

// A hand-edited store of nonsense must load without fault and still place a usable window.
TEST(LoadSettings, GarbageStoreLoadsAndPlacesAReachableWindow)
{
    const MemorySettingsStore store =
        storeWith({{"WafDia", "--"}, {"Beam", "abc"}, {"Edge", "1E400"}, {"Offset", "yes"}, {"R Offset", "x"},
                   {"Height", "-100"}, {"Width", "0"}, {"Left", "1E400"}, {"Top", "zzz"}, {"Coord Sys", "\x01"}},
                  {{"Type", "-1E400"}, {"Profile", ""}});
    Profile p;
    const WindowPlacement stored = loadsettings(p, store, Screen, ProgramDir);
    EXPECT_EQ(p.ModelType, 11);
    EXPECT_EQ(p.WaferDiameter, 150.0);
    EXPECT_EQ(p.BeamDiameter, 0.0);
    EXPECT_TRUE(std::isfinite(p.EdgeExclusion));
    EXPECT_EQ(p.ProfileDir, ProgramDir);
    EXPECT_EQ(stored.width, 0.0);
    EXPECT_EQ(stored.height, -100.0);

    const WindowPlacement w = placeOnScreen(stored, Screen);
    EXPECT_EQ(w.width, 6000.0);
    EXPECT_EQ(w.height, 4600.0);
    EXPECT_EQ(w.left, Screen.width - MinVisibleTwips);
    EXPECT_EQ(w.top, 0.0);
}

struct PlaceCase {
    const char* name;
    WindowPlacement in;
    ScreenSizeTwips screen;
    WindowPlacement out;
};

class PlaceOnScreen : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceOnScreen, KeepsTheTitleBarReachable)
{
    const PlaceCase& c = GetParam();
    const WindowPlacement w = placeOnScreen(c.in, c.screen);
    EXPECT_EQ(w.left, c.out.left);
    EXPECT_EQ(w.top, c.out.top);
    EXPECT_EQ(w.width, c.out.width);
    EXPECT_EQ(w.height, c.out.height);
}

const ScreenSizeTwips Hd{19200.0, 10800.0};

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceOnScreen,
    ::testing::Values(
        PlaceCase{"OnScreenIsUnchanged", {100, 200, 6000, 4600}, Hd, {100, 200, 6000, 4600}},
        PlaceCase{"PartlyOffLeftIsKept", {-2000, 200, 6000, 4600}, Hd, {-2000, 200, 6000, 4600}},
        PlaceCase{"PartlyOffBottomIsKept", {0, 9000, 6000, 4600}, Hd, {0, 9000, 6000, 4600}},
        PlaceCase{"FarRight", {50000, 200, 6000, 4600}, Hd, {17760, 200, 6000, 4600}},
        PlaceCase{"FarLeft", {-50000, 200, 6000, 4600}, Hd, {-4560, 200, 6000, 4600}},
        PlaceCase{"AboveTheTop", {100, -300, 6000, 4600}, Hd, {100, 0, 6000, 4600}},
        PlaceCase{"BelowTheBottom", {100, 20000, 6000, 4600}, Hd, {100, 10350, 6000, 4600}},
        PlaceCase{"ZeroSize", {100, 200, 0, 0}, Hd, {100, 200, 6000, 4600}},
        PlaceCase{"NegativeSize", {100, 200, -6000, -1}, Hd, {100, 200, 6000, 4600}},
        PlaceCase{"NotANumberCentres", {NAN, NAN, NAN, 4600}, Hd, {6600, 3100, 6000, 4600}},
        PlaceCase{"LargerThanTheScreen", {-100, 0, 30000, 20000}, Hd, {-100, 0, 19200, 10800}},
        PlaceCase{"NarrowerThanTheMargin", {-5000, 0, 1000, 1000}, Hd, {0, 0, 1000, 1000}},
        PlaceCase{"UnknownScreenFixesOnlyTheSize", {-50000, 5e6, 0, 4600}, {0, 0}, {-50000, 5e6, 6000, 4600}}),
    [](const ::testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvane
