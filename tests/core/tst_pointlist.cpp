#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

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
    using Points = std::vector<std::pair<float, float>>;
    const Points four{{5, 10}, {10, 20}, {15, 30}, {20, 40}};
    // operation, the point removed, points, whether one was removed, the places afterwards
    for (const auto& [op, point, points, removed, after] :
         std::vector<std::tuple<std::string, int, Points, bool, std::vector<int>>>{
             {"angle", 0, {{1, 90}, {2, 0}, {3, 90}, {4, 45}}, false, {2, 4, 1, 3}},
             {"radius", 0, {{10, 1}, {0, 2}, {10, 3}}, false, {2, 1, 3}},
             {"remove", 3, four, true, {1, 2, 4}},
             {"remove", 4, four, true, {1, 2, 3}},
             {"remove", 1, {{5, 10}}, true, {}},
             {"remove", 0, four, false, {1, 2, 3, 4}},
             {"remove", 5, four, false, {1, 2, 3, 4}}}) {
        const auto profile = marked(points);
        if (op == "angle") sortByAngle(*profile);
        if (op == "radius") sortByRadius(*profile);
        EXPECT_EQ(op == "remove" && removePoint(*profile, point), removed) << op << ' ' << point;
        EXPECT_EQ(places(*profile), after) << op << ' ' << point;
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

TEST(PointList, TextListsThePointsOfTheShownSystem)
{
    // polar, separator, R and Theta (X = -R, Y = -Theta), text
    for (const auto& [polar, separator, points, text] :
         std::vector<std::tuple<bool, char, std::vector<std::pair<float, float>>, std::string>>{
             {true, '.', {{50, 90}, {0, 0}}, "R(mm)  Theta\r\n50.00\t90.0\r\n.00\t.0\r\n"},
             {false, '.', {{2.5f, -0.5f}, {123.456f, 1}}, "X(mm)  Y(mm)\r\n-2.50\t.50\r\n-123.46\t-1.00\r\n"}}) {
        EXPECT_EQ(pointListText(*marked(points, polar), separator), text);
    }
}

TEST(PointList, TypedValuesAreLimitedToTheirColumn)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [polar, column, typed, limited] :
         std::vector<std::tuple<bool, int, double, float>>{{true, 1, 120, 97.5f},
                                                           {true, 1, -5, 0},
                                                           {true, 2, -30, 0},
                                                           {true, 2, 400, 360},
                                                           {false, 1, 150, 97.5f},
                                                           {false, 1, -150, -150},
                                                           {false, 2, 1e300, FLT_MAX},
                                                           {false, 2, -1e300, -FLT_MAX},
                                                           {true, 2, nan, 0}}) {
        EXPECT_EQ(limitedCellValue(*marked({}, polar), column, typed), limited)
            << polar << ' ' << column << ' ' << typed;
    }
}

// A typed value sets its field, the other pair following as the profile reader derives it; a point placed
// at a drawing position takes both pairs from it, the angle in (0, 360] (the positive X axis gives 360).
TEST(PointList, TypedAndPlacedPointsDeriveTheOtherPair)
{
    // polar, the column typed in (0: placed at a, b), the value typed or the position, R, Theta, Flag, X, Y
    for (const auto& [polar, column, a, b, want] :
         std::vector<std::tuple<bool, int, float, float, PointRec>>{{true, 1, 10, 0, {10, 90, 1, -4.37114e-07f, 10}},
                                                                    {true, 2, 180, 0, {40, 180, 1, -40, 3.49691e-06f}},
                                                                    {false, 1, 3, 0, {5, 53.130104f, 1, 3, 4}},
                                                                    {false, 2, -4, 0, {5, 306.8699f, 1, 3, -4}},
                                                                    {true, 0, 95, 0, {95, 360, 1, 95, -1.01821e-05f}},
                                                                    {true, 0, -3, -4, {5, 233.1301f, 1, -3, -4}}}) {
        const auto profile = marked({{40, 90}}, polar);
        PointRec& p = profile->Points[1];
        p.X = 3;
        p.Y = 4;
        column ? setPointValue(*profile, 1, column, a) : placePoint(p, a, b);
        EXPECT_FLOAT_EQ(p.R, want.R) << polar << column << a;
        EXPECT_FLOAT_EQ(p.Theta, want.Theta) << polar << column << a;
        EXPECT_EQ(p.Flag, want.Flag);
        EXPECT_NEAR(p.X, want.X, 1e-5) << polar << column << a;
        EXPECT_NEAR(p.Y, want.Y, 1e-5) << polar << column << a;
    }
}

}  // namespace
}  // namespace solvane
