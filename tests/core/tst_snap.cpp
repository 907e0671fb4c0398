#include <gtest/gtest.h>

#include <cmath>

#include "model/conversions.h"
#include "model/snap.h"

namespace solvane {
namespace {

struct SnapCase {
    const char* name;
    double waferMm, edgeMm, beamMm;
    std::int16_t rings, perRing;
    float x, y;                 // click, profile coordinates
    double snappedX, snappedY;  // expected node
};

class SnapGrid : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapGrid, MovesTheClickToTheNearestNode)
{
    const SnapCase c = GetParam();
    Profile profile;
    profile.WaferDiameter = c.waferMm;
    profile.EdgeExclusion = static_cast<float>(c.edgeMm);
    profile.BeamDiameter = c.beamMm;
    profile.SnapRadSteps = c.rings;
    profile.SnapAngSteps = c.perRing;
    float x = c.x;
    float y = c.y;
    snappoint(profile, x, y);
    EXPECT_NEAR(x, c.snappedX, 1e-4);
    EXPECT_NEAR(y, c.snappedY, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SnapGrid,
    ::testing::Values(
        // Start-up grid on a 200 mm wafer: the centre and 91 mm at 180, 270, 360 and 450 degrees.
        SnapCase{"NearPositiveX", 200, 5, 8, 1, 4, 50, 10, 91, 0},
        SnapCase{"NearNegativeX", 200, 5, 8, 1, 4, -60, 5, -91, 0},
        SnapCase{"NearNegativeY", 200, 5, 8, 1, 4, 3, -70, 0, -91},
        SnapCase{"NearPositiveY", 200, 5, 8, 1, 4, 10, 80, 0, 91}, SnapCase{"Diagonal", 200, 5, 8, 1, 4, 30, 30, 0, 0},
        SnapCase{"NearCentre", 200, 5, 8, 1, 4, 1.5f, -2, 0, 0},
        // Halfway between the centre and a ring node: the lower ring, visited first, keeps it.
        SnapCase{"HalfwayToTheRing", 200, 5, 8, 1, 4, 45.5f, 0, 0, 0},
        // Three nodes per ring: node (1, 1) lies at 210 degrees.
        SnapCase{"ThreePerRing", 200, 5, 8, 1, 3, -70, -40, 91 * -0.8660254, -45.5},
        SnapCase{"TwoRings", 200, 5, 8, 2, 4, 40, 3, 45.5, 0},
        // Nodes farther than sqrt(30000) mm count as none: the click ends at the centre even
        // though the ring node is nearer.
        SnapCase{"BeyondTheSearchDistance", 1000, 0, 0, 1, 4, 300, 0, 0, 0},
        SnapCase{"WithinTheSearchDistance", 1000, 0, 0, 1, 4, 400, 0, 500, 0},
        // Negative usable radius (-4): the nodes lie opposite their angles; still the nearest wins.
        SnapCase{"NegativeRadius", 10, 5, 8, 1, 4, 3.5f, 0.5f, 4, 0}),
    [](const ::testing::TestParamInfo<SnapCase>& info) { return std::string(info.param.name); });

TEST(SnapGrid, ACentreClickBecomesTheExactCentreWithAngleNinety)
{
    Profile profile;
    float x = 0.3f;
    float y = 0.2f;
    snappoint(profile, x, y);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
    EXPECT_EQ(xyarctan(x, y), 90.0f);
}

TEST(SnapGrid, EveryNodeOfTheFinestGridSnapsToItself)
{
    Profile profile;
    profile.SnapRadSteps = 30;
    profile.SnapAngSteps = 30;
    const double spacing = static_cast<float>(usableRadiusMm(profile) / 30);
    for (int i = 1; i <= 30; ++i) {
        for (int j = 1; j <= 30; ++j) {
            const double a = (i * 12.0 + 90.0) * 3.14159265358979 / 180.0;
            float x = static_cast<float>(j * spacing * std::cos(a) * 1.001);
            float y = static_cast<float>(j * spacing * std::sin(a) * 1.001);
            snappoint(profile, x, y);
            ASSERT_NEAR(x, j * spacing * std::cos(a), 1e-4) << i << ' ' << j;
            ASSERT_NEAR(y, j * spacing * std::sin(a), 1e-4) << i << ' ' << j;
        }
    }
}

}  // namespace
}  // namespace solvane
