#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "files/profilefile.h"
#include "model/patterns.h"
#include "text/fields.h"
#include "text/numtext.h"

namespace solvane {
namespace {

const std::string Header = "\"Solvane 5.1\"\r\n\"Desc\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n";

TEST(ProfileWriter, WritesExactBytesMarksEveryPointAndCleansOnlyRectangularXY)
{
    Profile polar;
    polar.CoordSys = "Polar";
    polar.ProfileVersion = "Solvane 5.0";
    polar.PointCount = 3;
    polar.Points[1] = PointRec{50, 90, False, 0.0004f, -0.0004f};
    polar.Points[2] = PointRec{0.5f, 123.4567f, False, 0.001f, -0.001f};
    polar.Points[3] = PointRec{0.00001f, 359.99997f, True, -45.5f, 78.80831f};
    Profile rect = polar;
    EXPECT_EQ(formatprofile(polar),
              "\"Solvane 5.1\"\r\n\"No Description\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n"
              "-2147483633\r\n-2147483632\r\n3\r\n"
              "50,90,#TRUE#,0\r\n.5,123.4567,#TRUE#,0\r\n1E-05,360,#TRUE#,0\r\n");
    EXPECT_EQ(std::tuple(polar.ProfileVersion, polar.Points[1].X, polar.Points[2].Flag),
              std::tuple(std::string("Solvane 5.1"), 0.0004f, True));  // X is not cleaned in the polar system
    rect.CoordSys = "Rectangular";
    rect.Description = "the \"good\" wafer";  // no escape in the format: quotes become apostrophes
    rect.SpotColor = 0xFFFFFFFF;
    rect.WaferDiameter = 1.0 / 3.0;
    rect.BeamDiameter = 1e-5;
    EXPECT_EQ(formatprofile(rect),
              "\"Solvane 5.1\"\r\n\"the 'good' wafer\"\r\n.333333333333333\r\n5\r\n1E-05\r\n"
              "\"Rectangular\"\r\n-2147483633\r\n-1\r\n3\r\n"
              "0,0,#TRUE#,0\r\n.001,-.001,#TRUE#,0\r\n-45.5,78.80831,#TRUE#,0\r\n");
    // Below 0.001 is cleaned in the model too; the description keeps the user's quotes.
    EXPECT_EQ(std::tuple(rect.Points[1].X, rect.Description), std::tuple(0.0f, std::string("the \"good\" wafer")));
}

// Polar patterns and XY grids (1 x 1 is empty): the stored pair reads back as written, the bytes stay.
TEST(ProfileRoundTrip, ReadsBackTheStoredPairAndWritesTheSameBytesAgain)
{
    const auto asWritten = [](float v) { return static_cast<float>(*parseNumberField(generalNumber(v, 7))); };
    for (const char* coordSys : {"Polar", "polar", "Rectangular"}) {
        for (const auto& [xy, rad, ang] : {std::tuple{false, 1, 4}, std::tuple{false, 2, 8}, std::tuple{false, 30, 30},
                                           std::tuple{true, 1, 1}, std::tuple{true, 7, 11}, std::tuple{true, 30, 30}}) {
            Profile original;
            original.CoordSys = coordSys;
            original.GridRadSteps = static_cast<std::int16_t>(rad);
            original.GridAngSteps = static_cast<std::int16_t>(ang);
            xy ? xypattern(original) : polarpattern(original);
            const std::string first = formatprofile(original);
            Profile back;
            ASSERT_TRUE(readprofile(back, first).ok);
            const bool polar = std::string(coordSys) == "Polar";
            for (std::size_t i = 1; i <= static_cast<std::size_t>(original.PointCount); ++i) {
                const PointRec &o = original.Points[i], &b = back.Points[i];
                ASSERT_EQ(polar ? b.R : b.X, asWritten(polar ? o.R : o.X)) << coordSys << " " << rad << "x" << ang;
                ASSERT_EQ(polar ? b.Theta : b.Y, asWritten(polar ? o.Theta : o.Y)) << coordSys << " " << i;
            }
            EXPECT_EQ(formatprofile(back), first);
        }
    }
}

TEST(ProfileReader, ReadsEveryLayoutAndTheFilesSystem)
{
    Profile p;
    p.CoordSys = "Rectangular";  // the 5.0 layout has no system line: it stays, and points are polar
    ASSERT_TRUE(readprofile(p, "\"Solvane 5.0\"\r\n\"Old\"\r\n150\r\n5\r\n8\r\n0\r\n255\r\n1\r\n3,180,#FALSE#,0").ok);
    EXPECT_EQ(std::tuple(p.CoordSys, p.SpotColor, p.Points[1].Flag, p.Points[1].X),
              std::tuple(std::string("Rectangular"), 0x000000FFu, False, -3.0f));
    p.Points[1].Flag = True;  // the oldest layout has no flag: it stays as it was
    ASSERT_TRUE(readprofile(p, "\"WAFER\"\r\n150\r\n5\r\n8\r\n12632256\r\n255\r\n2\r\n50,90,1,2\r\n30,180,0,0").ok);
    EXPECT_EQ(std::tuple(p.WaferColor, p.Points[1].Flag, p.Points[2].X), std::tuple(0x00C0C0C0u, True, -30.0f));
    // A byte-order mark from a text editor is not part of the version field.
    ASSERT_TRUE(readprofile(p, "\xEF\xBB\xBF" + Header + "0\r\n").ok);
    EXPECT_EQ(p.Description, "Desc");
    // Only the exact strings select the newer layouts; the oldest layout then stops at the description.
    for (const char* first : {"\"solvane 5.1\"", "\"Solvane 5.1 \"", "\"SOLVANE 5.0\"", "Solvane 5.1"}) {
        const bool current = first[0] == 'S';
        const ReadResult r = readprofile(p, std::string(first) + Header.substr(13) + "0\r\n");
        EXPECT_EQ(r.message, current ? "" : "line 2: expected a number for the wafer diameter, found \"Desc\"");
        EXPECT_EQ(p.Description, current ? "Desc" : "Solvane 3.1 file opened");
    }
    // Only "Polar" exactly means R and Theta; the other pair is derived (pi as 3.1415926, arctan's 0 not 360).
    for (const auto& [coordSys, line, rThetaXY] : std::vector<std::tuple<const char*, const char*, std::vector<float>>>{
             {"Polar", "50,90", {50, 90, 0.0000013f, 50}},
             {"polar", "3,4", {5, 53.130104f, 3, 4}},
             {"Rectangular", "5,0", {5, 0, 5, 0}}}) {
        const std::string text = Header.substr(0, 35) + coordSys + "\"\r\n0\r\n0\r\n1\r\n" + line + ",#TRUE#,0";
        ASSERT_TRUE(readprofile(p, text).ok);
        const PointRec& n = p.Points[1];
        EXPECT_EQ(std::vector<float>({n.R, n.Theta, std::round(n.X * 1e7f) / 1e7f, n.Y}), rThetaXY) << line;
        EXPECT_EQ(p.PolarSys + p.RectSys, 0);  // only the name changes: the Parameters dialog's flags stay
    }
}

// A point line of any other form than the writer's reads as the plain one would, and the next line
// is read from where it ends.
TEST(ProfileReader, PointLinesOfEveryFormReadAlike)
{
    for (const auto& [line, flag] :
         std::vector<std::pair<const char*, std::int16_t>>{{"50,90,#TRUE#,0\r\n", True},
                                                           {" 50 ,\t90 , #FALSE# , 0 \r\n", False},
                                                           {"+5E+01,\"90\",#TRUE#,7\n", True},
                                                           {"50\r90\r#TRUE#\r0\r", True},
                                                           {"0.50000000000000000001e2,90.0,#FALSE#,1e-400\r\n",
                                                            False}}) {
        Profile p;
        const ReadResult r = readprofile(p, Header + "2\r\n" + line + "1,2,#TRUE#,0");
        EXPECT_EQ(std::tuple(r.message, p.Points[1].R, p.Points[1].Theta, p.Points[1].Flag, p.Points[2].Theta),
                  std::tuple(std::string(), 50.0f, 90.0f, flag, 2.0f))
            << line;
    }
}

// What was read before the fault stays; the failing point is not stored even in part, and PointCount
// counts only the points read, so a save never writes out empty ones.
TEST(ProfileReader, PartialReadsKeepWhatWasReadBeforeTheFault)
{
    std::string longer = Header + "2001\r\n";
    for (int i = 1; i <= 2001; ++i) longer += "50," + std::to_string(i) + ",#TRUE#,0\r\n";
    // text, the field the read stopped at, points read, message
    for (const auto& [text, stoppedAt, pointsRead, message] :
         std::vector<std::tuple<std::string, ProfileField, int, std::string>>{
             {Header.substr(0, 23) + "200mm\r\n", ProfileField::WaferDiameter, 0,
              "line 3: expected a number for the wafer diameter, found \"200mm\""},
             {Header.substr(0, 23) + "0\r\n", ProfileField::WaferDiameter, 0,
              "line 3: the wafer diameter 0 mm is not above 0"},
             {Header.substr(0, 43) + "4294967295\r\n", ProfileField::WaferColor, 0,
              "line 7: the wafer colour \"4294967295\" is out of range"},
             {Header + "-5\r\n", ProfileField::PointCount, 0, "line 9: the point count -5 is negative"},
             {Header + "3\r\n50,90,#TRUE#,0\r\n30,18", ProfileField::Points, 1,
              "line 11: the file ends before the flag of point 2"},
             {Header + "1\r\n" + std::string(65, '1') + ",90,#TRUE#,0\r\n", ProfileField::Points, 0,
              "line 10: expected a number for the R of point 1, found \"111111111111111111111111...\""},
             {Header + "1\r\n50,1E39,#TRUE#,0\r\n", ProfileField::Points, 0,
              "line 10: the Theta of point 1 \"1E39\" is out of range"},
             {Header + "1\r\n50,90,#true#,0\r\n", ProfileField::Points, 0,
              "line 10: expected #TRUE# or #FALSE# for the flag of point 1, found \"#true#\""},
             {Header + "99999999\r\n50,90,#TRUE#,0\r\n", ProfileField::Points, 1,
              "the file holds 99999999 points; a profile holds at most 2000"},
             {Header + "1E+300\r\n", ProfileField::Points, 0,
              "the file holds 1E+300 points; a profile holds at most 2000"},
             {longer, ProfileField::Points, 2000, "the file holds 2001 points; a profile holds at most 2000"}}) {
        Profile p;
        p.PointCount = 1;
        const ReadResult r = readprofile(p, text);
        const std::size_t last = static_cast<std::size_t>(pointsRead), next = last < MaxPoints ? last + 1 : last;
        EXPECT_EQ(std::tuple(r.ok, r.message, r.stoppedAt, r.pointsRead, int{p.PointCount}, p.Points[last].R,
                             p.Points[next].R, p.WaferDiameter),
                  std::tuple(false, message, stoppedAt, pointsRead, pointsRead, last ? 50.0f : 0.0f,
                             next > last ? 0.0f : 50.0f, 200.0));
    }
}

}  // namespace
}  // namespace solvane
