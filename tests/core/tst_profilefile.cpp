#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/profilefile.h"
#include "model/patterns.h"
#include "text/fields.h"
#include "text/numtext.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

// A small hand-made profile: three points and every header field away from its default.
Profile smallProfile(const std::string& coordSys)
{
    Profile profile;
    profile.Description = "Test wafer";
    profile.WaferDiameter = 200;
    profile.EdgeExclusion = 2.5f;
    profile.BeamDiameter = 7.5;
    profile.CoordSys = coordSys;
    profile.PointCount = 3;
    profile.Points[1] = PointRec{50, 90, False, 0.0004f, -0.0004f};
    profile.Points[2] = PointRec{0.5f, 123.4567f, False, 0.001f, -0.001f};
    profile.Points[3] = PointRec{0.00001f, 359.99997f, True, -45.5f, 78.80831f};
    return profile;
}

const char* const PolarBytes =
    "\"Solvane 5.1\"\r\n\"Test wafer\"\r\n200\r\n2.5\r\n7.5\r\n\"Polar\"\r\n-2147483633\r\n-2147483632\r\n3\r\n"
    "50,90,#TRUE#,0\r\n.5,123.4567,#TRUE#,0\r\n1E-05,360,#TRUE#,0\r\n";

const char* const RectangularBytes =
    "\"Solvane 5.1\"\r\n\"Test wafer\"\r\n200\r\n2.5\r\n7.5\r\n\"Rectangular\"\r\n-2147483633\r\n-2147483632\r\n3\r\n"
    "0,0,#TRUE#,0\r\n.001,-.001,#TRUE#,0\r\n-45.5,78.80831,#TRUE#,0\r\n";

TEST(ProfileWriter, WritesTheExactBytesOfAPolarProfile)
{
    Profile profile = smallProfile("Polar");
    EXPECT_EQ(formatprofile(profile), PolarBytes);
    // R and Theta are never cleaned, and neither are X and Y in the polar system.
    EXPECT_EQ(profile.Points[3].R, 0.00001f);
    EXPECT_EQ(profile.Points[1].X, 0.0004f);
}

TEST(ProfileWriter, WritesTheExactBytesOfARectangularProfileAndCleansTheModel)
{
    Profile profile = smallProfile("Rectangular");
    EXPECT_EQ(formatprofile(profile), RectangularBytes);
    EXPECT_EQ(profile.Points[1].X, 0.0f);  // 0.0004 is below 0.001
    EXPECT_EQ(profile.Points[1].Y, 0.0f);
    EXPECT_EQ(profile.Points[2].X, 0.001f);  // exactly 0.001 stays
    EXPECT_EQ(profile.Points[2].Y, -0.001f);
    EXPECT_EQ(profile.Points[1].R, 50.0f);  // the polar pair is left alone
}

TEST(ProfileWriter, MarksEveryPointAndSetsTheVersion)
{
    Profile profile = smallProfile("Polar");
    profile.ProfileVersion = "Solvane 5.0";
    formatprofile(profile);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(profile.Points[static_cast<std::size_t>(i)].Flag, True);
    EXPECT_EQ(profile.Points[4].Flag, False);  // past the count
    EXPECT_EQ(profile.ProfileVersion, "Solvane 5.1");
}

TEST(ProfileWriter, WritesNoDescriptionForAnEmptyBoxAndApostrophesForQuotes)
{
    Profile profile = smallProfile("Polar");
    profile.Description = "";
    EXPECT_NE(formatprofile(profile).find("\r\n\"No Description\"\r\n"), std::string::npos);
    EXPECT_EQ(profile.Description, "");

    profile.Description = "the \"good\" wafer";
    const std::string bytes = formatprofile(profile);
    EXPECT_NE(bytes.find("\r\n\"the 'good' wafer\"\r\n"), std::string::npos);
    EXPECT_EQ(profile.Description, "the \"good\" wafer");
    Profile back;
    ASSERT_TRUE(readprofile(back, bytes).ok);
    EXPECT_EQ(back.Description, "the 'good' wafer");
    EXPECT_EQ(back.PointCount, 3);
}

TEST(ProfileWriter, WritesColoursAsSignedNumbersAndVariantsToFifteenDigits)
{
    Profile profile = smallProfile("Polar");
    profile.WaferColor = 0x00C0C0C0;
    profile.SpotColor = 0xFFFFFFFF;
    profile.WaferDiameter = 1.0 / 3.0;
    profile.BeamDiameter = 1e-5;
    profile.EdgeExclusion = 1.0f / 3.0f;
    const std::string bytes = formatprofile(profile);
    EXPECT_NE(bytes.find("\r\n.333333333333333\r\n.3333333\r\n1E-05\r\n\"Polar\"\r\n12632256\r\n-1\r\n"),
              std::string::npos)
        << bytes;
}

// ---------------------------------------------------------------------------------------------
// Round trips

// The value a single field has after the writer's seven digits and the reader.
float asWritten(float value) { return static_cast<float>(*parseNumberField(generalNumber(value, 7))); }

struct RoundTripCase {
    const char* name;
    int kind;  // 0 hand-made, 1..3 fixed patterns, 4 polar grid, 5 XY grid, 6 empty
    std::int16_t radSteps;
    std::int16_t angSteps;
};

Profile buildProfile(const RoundTripCase& c, const std::string& coordSys)
{
    Profile profile = c.kind == 0 ? smallProfile(coordSys) : Profile{};
    profile.CoordSys = coordSys;
    if (c.kind == 1) fixedpattern(profile, FivePointCounts);
    if (c.kind == 2) fixedpattern(profile, NinePointCounts);
    if (c.kind == 3) fixedpattern(profile, SeventeenPointCounts);
    profile.GridRadSteps = c.radSteps;
    profile.GridAngSteps = c.angSteps;
    if (c.kind == 4) polarpattern(profile);
    if (c.kind == 5) xypattern(profile);
    return profile;
}

class RoundTrips : public ::testing::TestWithParam<std::tuple<RoundTripCase, const char*>> {};

TEST_P(RoundTrips, ReadBackWhatWasWrittenAndWriteTheSameBytesAgain)
{
    const auto& [c, coordSys] = GetParam();
    Profile original = buildProfile(c, coordSys);
    original.WaferColor = 0x00123456;
    const std::string first = formatprofile(original);

    Profile back;
    back.CoordSys = "Something else";
    const ReadResult result = readprofile(back, first);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.pointsRead, original.PointCount);
    EXPECT_EQ(back.ProfileVersion, "Solvane 5.1");
    EXPECT_EQ(back.Description, original.Description.empty() ? "No Description" : original.Description);
    EXPECT_EQ(back.WaferDiameter, original.WaferDiameter);
    EXPECT_EQ(back.EdgeExclusion, original.EdgeExclusion);
    EXPECT_EQ(back.BeamDiameter, original.BeamDiameter);
    EXPECT_EQ(back.CoordSys, original.CoordSys);
    EXPECT_EQ(back.WaferColor, original.WaferColor);
    EXPECT_EQ(back.SpotColor, original.SpotColor);
    ASSERT_EQ(back.PointCount, original.PointCount);

    const bool polar = std::string(coordSys) == "Polar";
    for (int i = 1; i <= original.PointCount; ++i) {
        const PointRec& o = original.Points[static_cast<std::size_t>(i)];
        const PointRec& b = back.Points[static_cast<std::size_t>(i)];
        SCOPED_TRACE(i);
        EXPECT_EQ(b.Flag, True);
        if (polar) {
            EXPECT_EQ(b.R, asWritten(o.R));
            EXPECT_EQ(b.Theta, asWritten(o.Theta));
            if (c.kind != 0) {  // the hand-made pairs do not name one position
                EXPECT_NEAR(b.X, o.X, 1e-4);
                EXPECT_NEAR(b.Y, o.Y, 1e-4);
            }
        } else {
            EXPECT_EQ(b.X, asWritten(o.X));
            EXPECT_EQ(b.Y, asWritten(o.Y));
            if (c.kind != 0) {
                EXPECT_NEAR(b.R, o.R, 1e-4);
                // Angles near the positive X axis may come back as 0 or 360; the centre reads back at 90.
                if (o.R != 0.0f) {
                    EXPECT_NEAR(std::fmod(b.Theta - o.Theta + 540.0, 360.0), 180.0, 1e-3);
                } else {
                    EXPECT_EQ(b.Theta, 90.0f);
                }
            }
        }
    }
    EXPECT_EQ(formatprofile(back), first);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, RoundTrips,
    ::testing::Combine(::testing::Values(RoundTripCase{"HandMade", 0, 1, 4}, RoundTripCase{"Five", 1, 1, 4},
                                         RoundTripCase{"Nine", 2, 2, 4}, RoundTripCase{"Seventeen", 3, 2, 8},
                                         RoundTripCase{"Polar7x13", 4, 7, 13}, RoundTripCase{"Polar30x30", 4, 30, 30},
                                         RoundTripCase{"Xy2x2", 5, 2, 2}, RoundTripCase{"Xy30x30", 5, 30, 30},
                                         RoundTripCase{"Xy11x7", 5, 7, 11}, RoundTripCase{"Empty", 6, 1, 4}),
                       ::testing::Values("Polar", "Rectangular")),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
    });

// ---------------------------------------------------------------------------------------------
// Older layouts and the version field

TEST(ProfileReader, ReadsThePreviousLayoutAsPolarWithoutTouchingTheSystem)
{
    Profile profile;
    profile.CoordSys = "Rectangular";
    const ReadResult result = readprofile(profile,
                                          "\"Solvane 5.0\"\r\n\"Old profile\"\r\n150\r\n5\r\n8\r\n"
                                          "-2147483633\r\n255\r\n2\r\n50,90,#TRUE#,0\r\n30,180,#FALSE#,0\r\n");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(profile.ProfileVersion, "Solvane 5.0");
    EXPECT_EQ(profile.Description, "Old profile");
    EXPECT_EQ(profile.WaferDiameter, 150);
    EXPECT_EQ(profile.CoordSys, "Rectangular");
    EXPECT_EQ(profile.WaferColor, 0x8000000Fu);
    EXPECT_EQ(profile.SpotColor, 0x000000FFu);
    ASSERT_EQ(profile.PointCount, 2);
    EXPECT_EQ(profile.Points[1].R, 50.0f);
    EXPECT_EQ(profile.Points[1].Theta, 90.0f);
    EXPECT_EQ(profile.Points[1].Flag, True);
    EXPECT_EQ(profile.Points[1].Y, 50.0f);
    // cos of 90 degrees with pi as 3.1415926 is a tiny positive number, not 0.
    EXPECT_GT(profile.Points[1].X, 0.0f);
    EXPECT_LT(profile.Points[1].X, 0.00001f);
    EXPECT_EQ(profile.Points[2].X, -30.0f);
    EXPECT_EQ(profile.Points[2].Flag, False);
}

TEST(ProfileReader, ReadsTheOldestLayoutWhateverItsFirstField)
{
    Profile profile;
    profile.Description = "typed by the user";
    profile.Points[1].Flag = True;  // the oldest layout has no flag: it stays as it was
    const ReadResult result = readprofile(profile,
                                          "\"WAFER PROFILE\"\r\n150\r\n5\r\n8\r\n12632256\r\n255\r\n2\r\n"
                                          "50,90,1,2\r\n30,180,0,0\r\n");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(profile.ProfileVersion, "WAFER PROFILE");
    EXPECT_EQ(profile.Description, "Solvane 3.1 file opened");
    EXPECT_EQ(profile.WaferDiameter, 150);
    EXPECT_EQ(profile.EdgeExclusion, 5.0f);
    EXPECT_EQ(profile.BeamDiameter, 8);
    EXPECT_EQ(profile.WaferColor, 0x00C0C0C0u);
    ASSERT_EQ(profile.PointCount, 2);
    EXPECT_EQ(profile.Points[1].Flag, True);
    EXPECT_EQ(profile.Points[2].Flag, False);
    EXPECT_EQ(profile.Points[2].R, 30.0f);
    EXPECT_EQ(profile.Points[2].X, -30.0f);
}

struct VersionCase {
    const char* firstLine;
    bool readsAsCurrent;
};

class VersionField : public ::testing::TestWithParam<VersionCase> {};

// Only the exact strings select the newer layouts; anything else is the oldest layout, which then
// takes the description line for the wafer diameter and stops there.
TEST_P(VersionField, IsComparedExactly)
{
    const VersionCase c = GetParam();
    Profile profile;
    const std::string text = std::string(c.firstLine) + "\r\n\"Desc\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n0\r\n";
    const ReadResult result = readprofile(profile, text);
    EXPECT_EQ(result.ok, c.readsAsCurrent) << result.message;
    if (!c.readsAsCurrent) {
        EXPECT_EQ(result.stoppedAt, ProfileField::WaferDiameter);
        EXPECT_EQ(result.message, "line 2: expected a number for the wafer diameter, found \"Desc\"");
        EXPECT_EQ(profile.Description, "Solvane 3.1 file opened");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, VersionField,
                         ::testing::Values(VersionCase{"\"Solvane 5.1\"", true}, VersionCase{"Solvane 5.1", true},
                                           VersionCase{"\"solvane 5.1\"", false},
                                           VersionCase{"\"Solvane 5.1 \"", false},
                                           VersionCase{"\"SOLVANE 5.0\"", false}, VersionCase{"\"5.1\"", false}));

struct SystemCase {
    const char* coordSys;
    const char* pointLine;
    float r, theta, x, y;
};

class FileSystems : public ::testing::TestWithParam<SystemCase> {};

// Only "Polar" exactly means R and Theta; any other name means X and Y.
TEST_P(FileSystems, DecideWhichPairIsReadAndWhichIsDerived)
{
    const SystemCase c = GetParam();
    Profile profile;
    profile.PolarSys = True;
    const std::string text = std::string("\"Solvane 5.1\"\r\n\"D\"\r\n200\r\n5\r\n8\r\n\"") + c.coordSys +
                             "\"\r\n0\r\n0\r\n1\r\n" + c.pointLine + "\r\n";
    const ReadResult result = readprofile(profile, text);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(profile.CoordSys, c.coordSys);
    EXPECT_EQ(profile.PolarSys, True);  // the flags of the Parameters dialog stay
    EXPECT_EQ(profile.RectSys, False);
    EXPECT_FLOAT_EQ(profile.Points[1].R, c.r);
    EXPECT_FLOAT_EQ(profile.Points[1].Theta, c.theta);
    EXPECT_NEAR(profile.Points[1].X, c.x, 1e-5);
    EXPECT_NEAR(profile.Points[1].Y, c.y, 1e-5);

    // The writer uses the same rule, so the pair read is the pair written.
    const std::string bytes = formatprofile(profile);
    EXPECT_NE(bytes.find(std::string("\r\n") + c.pointLine + "\r\n"), std::string::npos) << bytes;
}

INSTANTIATE_TEST_SUITE_P(Table, FileSystems,
                         ::testing::Values(SystemCase{"Polar", "50,90,#TRUE#,0", 50, 90, 0, 50},
                                           SystemCase{"Rectangular", "3,4,#TRUE#,0", 5, 53.130104f, 3, 4},
                                           SystemCase{"polar", "3,4,#TRUE#,0", 5, 53.130104f, 3, 4},
                                           SystemCase{"Rectangular", "-5,0,#TRUE#,0", 5, 180, -5, 0},
                                           SystemCase{"Rectangular", "5,0,#TRUE#,0", 5, 0, 5, 0}));

// ---------------------------------------------------------------------------------------------
// Partial and damaged input

const std::string Header = "\"Solvane 5.1\"\r\n\"Desc\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n-2147483633\r\n-2147483632\r\n";

struct PartialCase {
    const char* name;
    std::string text;
    ProfileField stoppedAt;
    int pointsRead;
    int pointCount;
    const char* message;
};

class PartialReads : public ::testing::TestWithParam<PartialCase> {};

TEST_P(PartialReads, KeepWhatWasReadBeforeTheFault)
{
    const PartialCase c = GetParam();
    Profile profile;
    profile.PointCount = 1;  // as the caller leaves it: the reader starts from no points
    const ReadResult result = readprofile(profile, c.text);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.stoppedAt, c.stoppedAt);
    EXPECT_EQ(result.pointsRead, c.pointsRead);
    EXPECT_EQ(profile.PointCount, c.pointCount);
    // Points read before the fault are whole; the failing one is not stored even in part.
    if (c.pointsRead >= 1) {
        EXPECT_EQ(profile.Points[1].R, 50.0f);
    }
    EXPECT_EQ(profile.Points[static_cast<std::size_t>(c.pointsRead) + 1].R, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PartialReads,
    ::testing::Values(
        PartialCase{"Empty", "", ProfileField::Version, 0, 0, "line 1: the file ends before the version"},
        PartialCase{"HeaderCut", "\"Solvane 5.1\"\r\n\"Desc\"\r\n", ProfileField::WaferDiameter, 0, 0,
                    "line 3: the file ends before the wafer diameter"},
        PartialCase{"NotANumber", "\"Solvane 5.1\"\r\n\"Desc\"\r\n200mm\r\n", ProfileField::WaferDiameter, 0, 0,
                    "line 3: expected a number for the wafer diameter, found \"200mm\""},
        PartialCase{"SingleOutOfRange", "\"Solvane 5.1\"\r\n\"Desc\"\r\n200\r\n1E39\r\n", ProfileField::EdgeExclusion,
                    0, 0, "line 4: the edge exclusion \"1E39\" is out of range"},
        PartialCase{"HugeNumber", "\"Solvane 5.1\"\r\n\"Desc\"\r\n1E999\r\n", ProfileField::WaferDiameter, 0, 0,
                    "line 3: expected a number for the wafer diameter, found \"1E999\""},
        PartialCase{"ColourOutOfRange",
                    "\"Solvane 5.1\"\r\n\"Desc\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n4294967295\r\n",
                    ProfileField::WaferColor, 0, 0, "line 7: the wafer colour \"4294967295\" is out of range"},
        PartialCase{"CountMissing", Header, ProfileField::PointCount, 0, 0,
                    "line 9: the file ends before the point count"},
        PartialCase{"TruncatedPoint", Header + "3\r\n50,90,#TRUE#,0\r\n30,18", ProfileField::Points, 1, 3,
                    "line 11: the file ends before the flag of point 2"},
        PartialCase{"PointNotANumber", Header + "2\r\n50,90,#TRUE#,0\r\n30,x,#TRUE#,0\r\n", ProfileField::Points, 1,
                    2, "line 11: expected a number for the Theta of point 2, found \"x\""},
        PartialCase{"BadBoolean", Header + "2\r\n50,90,yes,0\r\n", ProfileField::Points, 0, 2,
                    "line 10: expected #TRUE# or #FALSE# for the flag of point 1, found \"yes\""},
        PartialCase{"LowerCaseBoolean", Header + "1\r\n50,90,#true#,0\r\n", ProfileField::Points, 0, 1,
                    "line 10: expected #TRUE# or #FALSE# for the flag of point 1, found \"#true#\""},
        PartialCase{"NegativeCount", Header + "-5\r\n50,90,#TRUE#,0\r\n", ProfileField::PointCount, 0, 0,
                    "line 9: the point count -5 is negative"},
        PartialCase{"CountBeyondTheStore", Header + "99999\r\n50,90,#TRUE#,0\r\n", ProfileField::Points, 1, 2000,
                    "the file holds 99999 points; a profile holds at most 2000"}),
    [](const ::testing::TestParamInfo<PartialCase>& info) { return std::string(info.param.name); });

TEST(ProfileReader, ReadsTheFirst2000PointsOfALongerFile)
{
    std::string text = Header + "2001\r\n";
    for (int i = 1; i <= 2001; ++i) text += std::to_string(i) + ",45,#TRUE#,0\r\n";
    Profile profile;
    const ReadResult result = readprofile(profile, text);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "the file holds 2001 points; a profile holds at most 2000");
    EXPECT_EQ(result.pointsRead, 2000);
    EXPECT_EQ(profile.PointCount, 2000);
    EXPECT_EQ(profile.Points[2000].R, 2000.0f);
}

TEST(ProfileReader, MessagesStayShortAndOnOneLine)
{
    Profile profile;
    const std::string longLine = Header + std::string(1 << 20, '7') + "x\r\n";
    const ReadResult result = readprofile(profile, longLine);
    EXPECT_FALSE(result.ok);
    EXPECT_LT(result.message.size(), 120u);
    EXPECT_EQ(result.message.find('\n'), std::string::npos);

    const ReadResult binary = readprofile(profile, Header + std::string("\x01\r\n\x7f", 4));
    EXPECT_EQ(binary.message, "line 9: expected a number for the point count, found \"?\"");
}

TEST(ProfileReader, AVeryLongDescriptionIsKept)
{
    Profile profile;
    const std::string description(1 << 20, 'd');
    const ReadResult result = readprofile(
        profile, "\"Solvane 5.1\"\r\n\"" + description + "\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n0\r\n");
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(profile.Description.size(), description.size());
}

// Every prefix of a good file and random bytes: the reader never crashes, never claims more than
// the store holds, and calls a prefix whole only when nothing but the last line end is missing.
TEST(ProfileReader, SurvivesEveryTruncationAndRandomBytes)
{
    Profile source = smallProfile("Rectangular");
    const std::string good = formatprofile(source);
    for (std::size_t length = 0; length <= good.size(); ++length) {
        Profile profile;
        const ReadResult result = readprofile(profile, std::string_view(good).substr(0, length));
        ASSERT_LE(result.pointsRead, profile.PointCount);
        if (result.ok) {
            ASSERT_GE(length, good.size() - 2) << length;
        }
    }

    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(static_cast<std::size_t>(random() % 400), '\0');
        for (char& c : bytes) c = static_cast<char>(random() % 256);
        if (round % 3 == 0) bytes = Header + std::to_string(random() % 5000) + "\r\n" + bytes;
        Profile profile;
        const ReadResult result = readprofile(profile, bytes);
        ASSERT_GE(profile.PointCount, 0);
        ASSERT_LE(profile.PointCount, MaxPoints);
        ASSERT_LE(result.pointsRead, profile.PointCount);
        ASSERT_EQ(result.message.find('\n'), std::string::npos);
    }
}

// ---------------------------------------------------------------------------------------------
// Files on disk

class ProfileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("solvane-profilefile-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& entry : fs::directory_iterator(folder_)) result.push_back(entry.path().filename().string());
        return result;
    }

    fs::path folder_;
};

TEST_F(ProfileOnDisk, WritesTheFileAndReadsItBack)
{
    Profile profile = smallProfile("Polar");
    const fs::path target = folder_ / "wafer.waf";
    const WriteResult written = writeprofile(profile, target.string());
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(contents(target), PolarBytes);
    EXPECT_EQ(names(), std::vector<std::string>{"wafer.waf"});

    Profile back;
    const ReadResult read = readprofileFile(back, target.string());
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(back.PointCount, 3);
    EXPECT_EQ(back.Description, "Test wafer");
}

TEST_F(ProfileOnDisk, AFailedReplaceLeavesThePreviousFileByteForByte)
{
    const fs::path target = folder_ / "wafer.waf";
    Profile first = smallProfile("Polar");
    ASSERT_TRUE(writeprofile(first, target.string()).ok);

    Profile second = smallProfile("Rectangular");
    const WriteResult result = writeprofile(second, target.string(), [](const fs::path&, const fs::path&) {
        return std::make_error_code(std::errc::permission_denied);
    });
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind("cannot replace \"", 0), 0u) << result.message;
    EXPECT_NE(result.message.find("ermission denied"), std::string::npos) << result.message;
    EXPECT_EQ(contents(target), PolarBytes);
    EXPECT_EQ(names(), std::vector<std::string>{"wafer.waf"});  // no temporary file left behind
}

TEST_F(ProfileOnDisk, AFolderThatCannotTakeTheFileGivesAReason)
{
    Profile profile = smallProfile("Polar");
    const WriteResult missing = writeprofile(profile, (folder_ / "no such folder" / "w.waf").string());
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("No such file or directory"), std::string::npos) << missing.message;

    const WriteResult onFolder = writeprofile(profile, folder_.string());
    EXPECT_FALSE(onFolder.ok);
    EXPECT_NE(onFolder.message.find("is a folder"), std::string::npos) << onFolder.message;
}

TEST_F(ProfileOnDisk, AWildcardPathWritesNothing)
{
    const fs::path previous = fs::current_path();
    fs::current_path(folder_);
    {
        std::ofstream("*.waf", std::ios::binary) << "old";
    }
    Profile profile = smallProfile("Rectangular");
    profile.ProfileVersion = "old";
    const WriteResult result = writeprofile(profile, "*.waf");
    const std::string after = contents("*.waf");
    const auto files = names();
    fs::current_path(previous);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "\"*.waf\" is a file name pattern, not a file name: nothing was written");
    EXPECT_EQ(after, "old");
    EXPECT_EQ(files, std::vector<std::string>{"*.waf"});
    EXPECT_EQ(profile.ProfileVersion, "Solvane 5.1");
    EXPECT_EQ(profile.Points[1].Flag, False);  // the points were not touched
    EXPECT_EQ(profile.Points[1].X, 0.0004f);
}

TEST_F(ProfileOnDisk, AMissingFileIsNotOpened)
{
    Profile profile;
    const ReadResult result = readprofileFile(profile, (folder_ / "missing.waf").string());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.opened);
    EXPECT_NE(result.message.find("No such file or directory"), std::string::npos) << result.message;
    EXPECT_EQ(profile.PointCount, 0);
}

// ---------------------------------------------------------------------------------------------
// Flavours

struct FlavourCase {
    std::int16_t model;
    const char* title;
    const char* ext;
    const char* filter;
};

class Flavours : public ::testing::TestWithParam<FlavourCase> {};

TEST_P(Flavours, FollowTheModelType)
{
    const FlavourCase c = GetParam();
    Profile profile;
    profile.ModelType = c.model;
    setfiletype(profile);
    EXPECT_EQ(profile.ProfileTitle, c.title);
    EXPECT_EQ(profile.ProfileExt, c.ext);
    EXPECT_EQ(profile.ProfileFilter, c.filter);
}

constexpr const char* WaferFilter = "Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|";
constexpr const char* KelvraFilter = "Kelvra File (*.map)|*.map|All Files (*.*)|*.*|";

INSTANTIATE_TEST_SUITE_P(
    Table, Flavours,
    ::testing::Values(FlavourCase{11, "Solvane/Wafer", "waf", WaferFilter},
                      FlavourCase{12, "Solvane/Wafer", "waf", WaferFilter},
                      FlavourCase{14, "Solvane/Wafer", "waf", WaferFilter},
                      FlavourCase{13, "Solvane/Kelvra", "map", KelvraFilter},
                      FlavourCase{16, "Solvane/Tol300", "map", KelvraFilter},
                      FlavourCase{15, "Solvane/Wafer", "waf", WaferFilter},
                      FlavourCase{17, "Solvane/Wafer", "waf", WaferFilter},
                      FlavourCase{18, "Solvane/Wafer", "waf", WaferFilter},
                      FlavourCase{19, "Solvane/Wafer", "waf", WaferFilter}));

}  // namespace
}  // namespace solvane
