#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "files/profilefile.h"
#include "model/conversions.h"
#include "model/patterns.h"
#include "model/rotation.h"

namespace solvane {
namespace {

struct AngleCase {
    double x;
    float y;
    float arctanDeg;
    float xyarctanDeg;
};

class AngleRoutines : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleRoutines, GiveTheAnglesOfTheirConventions)
{
    const AngleCase c = GetParam();
    EXPECT_FLOAT_EQ(arctan(c.x, c.y), c.arctanDeg);
    EXPECT_FLOAT_EQ(xyarctan(c.x, c.y), c.xyarctanDeg);
}

INSTANTIATE_TEST_SUITE_P(Cases, AngleRoutines,
                         ::testing::Values(AngleCase{0, 0, 90, 90}, AngleCase{5, 0, 0, 360}, AngleCase{0, 5, 90, 90},
                                           AngleCase{-5, 0, 180, 180}, AngleCase{0, -5, 270, 270},
                                           AngleCase{1, 1, 45, 45}, AngleCase{-1, 1, 135, 135},
                                           AngleCase{-1, -1, 225, 225}, AngleCase{1, -1, 315, 315},
                                           AngleCase{3, 4, 53.130104f, 53.130096f},
                                           AngleCase{0.000001, 1, 89.99809f, 89.99808f},
                                           AngleCase{-0.000001, 1, 90.00005f, 90.00005f}));

// Theta turns into (0, 360]; X and Y follow from R and the new Theta.
TEST(RotatePoints, TurnsAnglesIntoTheFullTurnAndDerivesXY)
{
    Profile p;
    fixedpattern(p, SeventeenPointCounts);
    rotatepoints(p, 22.5);
    for (std::size_t i = 1; i <= 17; ++i) {
        const PointRec& q = p.Points[i];
        EXPECT_NEAR(q.Theta, 22.5 + 45 * ((i - 1) % 8), 0.0001) << i;
        const double a = q.Theta * M_PI / 180;
        EXPECT_NEAR(std::hypot(q.X - q.R * std::cos(a), q.Y - q.R * std::sin(a)), 0, 0.0001) << i;
    }
    for (const auto& [theta, angle, turned] : std::vector<std::tuple<float, double, float>>{
             {10, -10, 360}, {350, 20, 10}, {90, -360 + 0.5, 90.5f}, {0, -90, 270}, {300, 60, 360}}) {
        p.Points[2].Theta = theta;
        rotatepoints(p, angle);
        EXPECT_EQ(p.Points[2].Theta, turned) << theta << " + " << angle;
    }
}

TEST(RotatePoints, AFullTurnLeavesTheSavedFileAsItWas)
{
    for (const char* system : {"Polar", "Rectangular"}) {
        Profile p;
        p.GridAngSteps = p.GridRadSteps = 7;
        xypattern(p);
        setCoordFlags(p, system);
        p.CoordSys = system;
        const std::string before = formatprofile(p);
        rotatepoints(p, 360);
        rotatepoints(p, -360);
        EXPECT_EQ(formatprofile(p), before) << system;
    }
}

}  // namespace
}  // namespace solvane
