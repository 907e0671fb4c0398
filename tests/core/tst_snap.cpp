#include <gtest/gtest.h>

#include "model/snap.h"

namespace solvane {
namespace {

struct SnapCase {
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
    float x = c.x, y = c.y;
    snappoint(profile, x, y);
    EXPECT_NEAR(x, c.snappedX, 1e-4);
    EXPECT_NEAR(y, c.snappedY, 1e-4);
}

// Start-up grid (200 mm, 1 ring of 4 from 90 degrees); halfway to the ring the centre, visited first, keeps the
// click; node (1, 1) of 3 lies at 210 degrees; nodes beyond sqrt(30000) mm count as none; a negative usable
// radius puts nodes opposite their angles.
INSTANTIATE_TEST_SUITE_P(
    Table, SnapGrid,
    ::testing::Values(SnapCase{200, 5, 8, 1, 4, 50, 10, 91, 0}, SnapCase{200, 5, 8, 1, 4, 3, -70, 0, -91},
                      SnapCase{200, 5, 8, 1, 4, 30, 30, 0, 0}, SnapCase{200, 5, 8, 1, 4, 45.5f, 0, 0, 0},
                      SnapCase{200, 5, 8, 1, 3, -70, -40, 91 * -0.8660254, -45.5},
                      SnapCase{200, 5, 8, 2, 4, 40, 3, 45.5, 0}, SnapCase{1000, 0, 0, 1, 4, 300, 0, 0, 0},
                      SnapCase{1000, 0, 0, 1, 4, 400, 0, 500, 0}, SnapCase{10, 5, 8, 1, 4, 3.5f, 0.5f, 4, 0}));

}  // namespace
}  // namespace solvane
