#include <gtest/gtest.h>

#include "model/conversions.h"

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

}  // namespace
}  // namespace solvane
