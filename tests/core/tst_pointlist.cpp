#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "files/documentstate.h"
#include "model/pointlist.h"

namespace solvane {
namespace {

// A profile of polar points whose Flag, X and Y mark the place each had (Flag = place, X = -R,
// Y = -Theta), so that a result shows whether records moved whole.
std::unique_ptr<Profile> marked(const std::vector<std::pair<float, float>>& points, bool polar = true)
{
    auto profile = std::make_unique<Profile>();
    profile->WaferDiameter = 200.0;
    profile->BeamDiameter = 5.0;  // largest radius (200 - 5) / 2 = 97.5
    profile->PolarSys = polar ? True : False;
    profile->RectSys = polar ? False : True;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto [r, theta] = points[i];
        profile->Points[i + 1] = {r, theta, static_cast<std::int16_t>(i + 1), -r, -theta};
    }
    profile->PointCount = static_cast<std::int16_t>(points.size());
    return profile;
}

// The places the points had, in their order now; wholly moved records only.
std::vector<int> places(const Profile& profile)
{
    std::vector<int> result;
    for (int i = 1; i <= profile.PointCount; ++i) {
        const PointRec& p = profile.Points[static_cast<std::size_t>(i)];
        result.push_back(p.X == -p.R && p.Y == -p.Theta ? p.Flag : -1);
    }
    return result;
}

TEST(PointList, SortsAndRemovalKeepRecordsWhole)
{
    struct Case {
        const char* operation;
        int point;  // for remove
        std::vector<std::pair<float, float>> points;
        bool removed;
        std::vector<int> places;
    };
    const std::vector<std::pair<float, float>> four{{5, 10}, {10, 20}, {15, 30}, {20, 40}};
    for (const Case& c : std::vector<Case>{
             {"angle", 0, {{1, 90}, {2, 0}, {3, 90}, {4, 45}}, false, {2, 4, 1, 3}},
             {"radius", 0, {{10, 1}, {0, 2}, {10, 3}}, false, {2, 1, 3}},
             {"angle", 0, {}, false, {}},
             {"remove", 3, four, true, {1, 2, 4}},
             {"remove", 4, four, true, {1, 2, 3}},
             {"remove", 1, {{5, 10}}, true, {}},
             {"remove", 0, four, false, {1, 2, 3, 4}},
             {"remove", 5, four, false, {1, 2, 3, 4}},
         }) {
        const auto profile = marked(c.points);
        const std::string op = c.operation;
        bool removed = false;
        if (op == "angle") sortByAngle(*profile);
        if (op == "radius") sortByRadius(*profile);
        if (op == "remove") removed = removePoint(*profile, c.point);
        EXPECT_EQ(removed, c.removed) << op << ' ' << c.point;
        EXPECT_EQ(places(*profile), c.places) << op << ' ' << c.point;
    }
}

// A full store of many equal angles sorts in one go, equal angles keeping their order.
TEST(PointList, SortByAngleIsStableOnAFullStore)
{
    std::vector<std::pair<float, float>> points;
    for (int i = 0; i < MaxPoints; ++i) points.emplace_back(1.0f, static_cast<float>((i * 7919) % 4 * 90));
    const auto profile = marked(points);
    sortByAngle(*profile);
    for (int i = 2; i <= MaxPoints; ++i) {
        const PointRec &before = profile->Points[std::size_t(i - 1)], &point = profile->Points[std::size_t(i)];
        ASSERT_TRUE(before.Theta < point.Theta || (before.Theta == point.Theta && before.Flag < point.Flag)) << i;
    }
}

TEST(PointList, ClearLeavesEveryEntryZero)
{
    const auto profile = marked({{5, 10}, {10, 20}});
    clearPoints(*profile);
    EXPECT_EQ(profile->PointCount, 0);
    for (const PointRec& e : profile->Points) ASSERT_TRUE(!e.R && !e.Theta && !e.X && !e.Y && !e.Flag);
}

TEST(PointList, TextListsThePointsOfTheShownSystem)
{
    struct Case {
        bool polar;
        char separator;
        std::vector<std::pair<float, float>> points;  // R and Theta; X = -R, Y = -Theta
        std::string text;
    };
    for (const Case& c : std::vector<Case>{
             {true, '.', {{50, 90}, {0, 0}}, "R(mm)  Theta\r\n50.00\t90.0\r\n.00\t.0\r\n"},
             {true, ',', {{50, 90}, {0, 0}}, "R(mm)  Theta\r\n50,00\t90,0\r\n,00\t,0\r\n"},
             {false, '.', {{2.5f, -0.5f}, {123.456f, 1}}, "X(mm)  Y(mm)\r\n-2.50\t.50\r\n-123.46\t-1.00\r\n"},
             {true, '.', {}, "R(mm)  Theta\r\n"},
         }) {
        EXPECT_EQ(pointListText(*marked(c.points, c.polar), c.separator), c.text);
    }
}

TEST(PointList, TypedValuesAreLimitedToTheirColumn)
{
    struct Case {
        bool polar;
        int column;
        double typed;
        float limited;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Case& c : std::vector<Case>{
             {true, 1, 120, 97.5f},
             {true, 1, 75, 75},
             {true, 1, -5, 0},
             {true, 2, -30, 0},
             {true, 2, 400, 360},
             {true, 2, 12.345, 12.345f},
             {false, 1, 150, 97.5f},
             {false, 1, -150, -150},
             {false, 2, -150, -150},
             {false, 2, 1e300, FLT_MAX},
             {false, 2, -1e300, -FLT_MAX},
             {true, 2, nan, 0},
         }) {
        EXPECT_EQ(limitedCellValue(*marked({}, c.polar), c.column, c.typed), c.limited)
            << c.polar << ' ' << c.column << ' ' << c.typed;
    }
}

// A typed value sets its field; the other pair follows as the profile reader derives it.
TEST(PointList, SetValueDerivesTheOtherPair)
{
    struct Case {
        bool polar;
        int column;
        double value;
        PointRec point;  // R, Theta, Flag (place), X, Y
    };
    for (const Case& c : std::vector<Case>{
             {true, 1, 10, {10, 90, 1, -4.37114e-07f, 10}},
             {true, 2, 180, {40, 180, 1, -40, 3.49691e-06f}},
             {false, 1, 3, {5, 53.130104f, 1, 3, 4}},
             {false, 2, -4, {5, 306.8699f, 1, 3, -4}},
         }) {
        const auto profile = marked({{40, 90}}, c.polar);
        profile->Points[1].X = 3;
        profile->Points[1].Y = 4;
        setPointValue(*profile, 1, c.column, c.value);
        const PointRec& p = profile->Points[1];
        EXPECT_FLOAT_EQ(p.R, c.point.R) << c.polar << c.column;
        EXPECT_FLOAT_EQ(p.Theta, c.point.Theta) << c.polar << c.column;
        EXPECT_NEAR(p.X, c.point.X, 1e-5) << c.polar << c.column;
        EXPECT_NEAR(p.Y, c.point.Y, 1e-5) << c.polar << c.column;
    }
}

// A drawing position in the profile frame: the angle runs (0, 360], the positive X axis giving 360.
TEST(PointList, PlacedPointsTakeBothPairsFromThePosition)
{
    struct Case {
        float x, y;
        PointRec point;
    };
    for (const Case& c : std::vector<Case>{
             {95, 0, {95, 360, 7, 95, 0}},
             {0, 10, {10, 90, 7, 0, 10}},
             {-3, -4, {5, 233.1301f, 7, -3, -4}},
             {0, 0, {0, 90, 7, 0, 0}},
         }) {
        PointRec p{1, 2, 7, 3, 4};
        placePoint(p, c.x, c.y);
        EXPECT_FLOAT_EQ(p.R, c.point.R) << c.x << ',' << c.y;
        EXPECT_FLOAT_EQ(p.Theta, c.point.Theta) << c.x << ',' << c.y;
        EXPECT_EQ(p.Flag, 7);
        EXPECT_NEAR(p.X, c.point.X, 1e-4) << c.x << ',' << c.y;
        EXPECT_NEAR(p.Y, c.point.Y, 1e-4) << c.x << ',' << c.y;
    }
}

TEST(DocumentState, SaveAndTheNameFollowTheSource)
{
    struct Case {
        std::string title;
        DocumentSource source;
        bool saveEnabled;
        bool savesInPlace;
        std::string name;
    };
    for (const Case& c : std::vector<Case>{
             {"", DocumentSource::ProfileFile, false, false, "Untitled"},
             {"a.waf", DocumentSource::ProfileFile, true, true, "a.waf"},
             {"a.waf", DocumentSource::PartlyRead, true, false, "a.waf"},
             {"lot.001", DocumentSource::Imported, true, false, "lot.001"},
             {"a.waf", DocumentSource::Recovered, true, false, "a.waf"},
         }) {
        const auto profile = std::make_unique<Profile>();
        profile->FileTitle = c.title;
        const DocumentState state = documentState(*profile, c.source);
        EXPECT_EQ(std::tuple(state.saveEnabled(), state.savesInPlace(), state.name()),
                  std::tuple(c.saveEnabled, c.savesInPlace, c.name))
            << c.title << ' ' << static_cast<int>(c.source);
    }
}

}  // namespace
}  // namespace solvane
