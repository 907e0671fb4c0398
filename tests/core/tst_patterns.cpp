#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/patterns.h"

namespace solvane {
namespace {

constexpr double TruePi = 3.14159265358979323846;

// A 200 mm wafer with edge exclusion 5 and beam 8: usable radius 91.
Profile standardWafer()
{
    Profile profile;
    profile.WaferDiameter = 200;
    profile.EdgeExclusion = 5;
    profile.BeamDiameter = 8;
    return profile;
}

struct FixedCase {
    const char* name;
    PatternCounts counts;
    int points;
    std::vector<double> ringsMm;
    std::vector<double> anglesDeg;  // nominal, the same on every ring
};

class FixedPatterns : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedPatterns, PlaceTheCentreThenRingAfterRingCounterClockwise)
{
    const FixedCase c = GetParam();
    Profile profile = standardWafer();
    profile.PointCount = 40;
    fixedpattern(profile, c.counts);

    ASSERT_EQ(profile.PointCount, c.points);
    EXPECT_EQ(profile.TableRows, c.points);
    EXPECT_EQ(profile.GridRadSteps, c.counts.radSteps);
    EXPECT_EQ(profile.GridAngSteps, c.counts.angSteps);
    const PointRec& centre = profile.Points[1];
    EXPECT_EQ(centre.R, 0.0f);
    EXPECT_EQ(centre.Theta, 0.0f);
    EXPECT_EQ(centre.X, 0.0f);
    EXPECT_EQ(centre.Y, 0.0f);

    int n = 2;
    for (const double ring : c.ringsMm) {
        for (const double angle : c.anglesDeg) {
            const PointRec& p = profile.Points[static_cast<std::size_t>(n)];
            SCOPED_TRACE(n);
            EXPECT_EQ(p.R, static_cast<float>(ring));
            EXPECT_NEAR(p.Theta, angle, 0.0001);
            EXPECT_NEAR(p.X, ring * std::cos(angle * TruePi / 180.0), 0.0001);
            EXPECT_NEAR(p.Y, ring * std::sin(angle * TruePi / 180.0), 0.0001);
            EXPECT_EQ(p.Flag, False);  // generators never write Flag
            ++n;
        }
    }
    // The reset cleared the entries past the new points.
    EXPECT_EQ(profile.Points[static_cast<std::size_t>(c.points + 1)].R, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Standard, FixedPatterns,
    ::testing::Values(FixedCase{"Five", FivePointCounts, 5, {91}, {90, 180, 270, 360}},
                      FixedCase{"Nine", NinePointCounts, 9, {45.5, 91}, {90, 180, 270, 360}},
                      FixedCase{"Seventeen", SeventeenPointCounts, 17, {45.5, 91},
                                {45, 90, 135, 180, 225, 270, 315, 360}}),
    [](const ::testing::TestParamInfo<FixedCase>& info) { return std::string(info.param.name); });

struct StoredAngleCase {
    std::int16_t perRing;
    std::vector<float> stored;
};

class StoredAngles : public ::testing::TestWithParam<StoredAngleCase> {};

// The angular step is kept in single precision, so the stored angles are off in their last digits.
TEST_P(StoredAngles, CarryTheSinglePrecisionStep)
{
    const StoredAngleCase c = GetParam();
    Profile profile = standardWafer();
    profile.GridRadSteps = 1;
    profile.GridAngSteps = c.perRing;
    polarpattern(profile);
    ASSERT_EQ(profile.PointCount, 1 + c.perRing);
    for (std::size_t j = 0; j < c.stored.size(); ++j) EXPECT_EQ(profile.Points[j + 2].Theta, c.stored[j]) << j;
}

INSTANTIATE_TEST_SUITE_P(Table, StoredAngles,
                         ::testing::Values(StoredAngleCase{4, {89.99999f, 179.99998f, 270.0f, 359.99997f}},
                                           StoredAngleCase{3, {120.0f, 240.0f, 360.00003f}}));

TEST(PolarPattern, RingPointsNextToTheAxesKeepTheirRoundingResidue)
{
    Profile profile = standardWafer();
    fixedpattern(profile, FivePointCounts);
    const PointRec& first = profile.Points[2];  // nominally (0, 91)
    EXPECT_GT(first.X, 0.0000060f);
    EXPECT_LT(first.X, 0.0000075f);
    EXPECT_EQ(first.Y, 91.0f);
    const PointRec& last = profile.Points[5];  // nominally (91, 0), Theta 360 not 0
    EXPECT_EQ(last.X, 91.0f);
    EXPECT_LT(last.Y, 0.0f);
    EXPECT_GT(last.Y, -0.0001f);
}

TEST(PolarPattern, LeavesFlagsAndEntriesPastTheNewPointsAlone)
{
    Profile profile = standardWafer();
    for (int i = 1; i <= 12; ++i) profile.Points[static_cast<std::size_t>(i)] = PointRec{7, 7, True, 7, 7};
    profile.GridRadSteps = 1;
    profile.GridAngSteps = 4;
    polarpattern(profile);
    EXPECT_EQ(profile.PointCount, 5);
    EXPECT_EQ(profile.Points[3].Flag, True);
    EXPECT_EQ(profile.Points[6].R, 7.0f);
}

TEST(PolarPattern, LargestGridFitsTheStore)
{
    Profile profile = standardWafer();
    profile.GridRadSteps = 30;
    profile.GridAngSteps = 30;
    polarpattern(profile);
    EXPECT_EQ(profile.PointCount, 901);
    EXPECT_FLOAT_EQ(profile.Points[901].R, 91.0f);
    EXPECT_FLOAT_EQ(profile.Points[2].R, 91.0f / 30);
}

// Edge exclusion and half the beam wider than the wafer radius: nothing is checked, the radii are
// negative and the points lie opposite their stated angles.
TEST(PolarPattern, NegativeUsableRadiusPutsPointsOppositeTheirAngles)
{
    Profile profile;
    profile.WaferDiameter = 10;
    profile.EdgeExclusion = 5;
    profile.BeamDiameter = 8;  // usable radius -4
    fixedpattern(profile, FivePointCounts);
    ASSERT_EQ(profile.PointCount, 5);
    EXPECT_EQ(profile.Points[2].R, -4.0f);
    EXPECT_NEAR(profile.Points[2].Theta, 90, 0.0001);
    EXPECT_NEAR(profile.Points[2].Y, -4, 0.0001);
    EXPECT_NEAR(profile.Points[5].X, -4, 0.0001);
}

struct XY {
    float x;
    float y;
};

struct GridCase {
    const char* name;
    std::int16_t stepsX;
    std::int16_t stepsY;
    double beamMm;
    std::vector<XY> points;  // in visiting order
};

class XyPatterns : public ::testing::TestWithParam<GridCase> {};

TEST_P(XyPatterns, KeepTheNodesInsideTheUsableDiscColumnByColumn)
{
    const GridCase c = GetParam();
    Profile profile = standardWafer();
    profile.BeamDiameter = c.beamMm;
    profile.GridAngSteps = c.stepsX;
    profile.GridRadSteps = c.stepsY;
    profile.TableRows = 33;
    xypattern(profile);
    ASSERT_EQ(profile.PointCount, static_cast<int>(c.points.size()));
    EXPECT_EQ(profile.TableRows, 33);
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        const PointRec& p = profile.Points[i + 1];
        SCOPED_TRACE(i + 1);
        EXPECT_NEAR(p.X, c.points[i].x, 1e-4);
        EXPECT_NEAR(p.Y, c.points[i].y, 1e-4);
        EXPECT_NEAR(p.R, std::hypot(c.points[i].x, c.points[i].y), 1e-4);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, XyPatterns,
    ::testing::Values(GridCase{"FourByOne", 4, 1, 8, {{0, -91}, {0, 91}}}, GridCase{"OneByOne", 1, 1, 8, {}},
                      GridCase{"TwoByTwo", 2, 2, 8, {{-91, 0}, {0, -91}, {0, 0}, {0, 91}, {91, 0}}},
                      // Usable radius -4: the same nodes, visited from the positive ends.
                      GridCase{"NegativeRadius", 2, 2, 198, {{4, 0}, {0, 4}, {0, 0}, {0, -4}, {-4, 0}}}),
    [](const ::testing::TestParamInfo<GridCase>& info) { return std::string(info.param.name); });

TEST(XyPattern, NodesOnTheAxesGetTheirStatedAngles)
{
    Profile profile = standardWafer();
    profile.GridAngSteps = 2;
    profile.GridRadSteps = 2;
    xypattern(profile);
    ASSERT_EQ(profile.PointCount, 5);
    EXPECT_EQ(profile.Points[1].Theta, 180.0f);
    EXPECT_EQ(profile.Points[2].Theta, 270.0f);
    EXPECT_EQ(profile.Points[3].Theta, 90.0f);  // the centre
    EXPECT_EQ(profile.Points[4].Theta, 90.0f);
    EXPECT_EQ(profile.Points[5].Theta, 360.0f);  // positive X axis: 360, not 0
}

TEST(XyPattern, ShorterGridLeavesStaleEntriesBehindTheCount)
{
    Profile profile = standardWafer();
    fixedpattern(profile, SeventeenPointCounts);
    const PointRec before = profile.Points[10];
    profile.GridAngSteps = 4;
    profile.GridRadSteps = 1;
    xypattern(profile);
    EXPECT_EQ(profile.PointCount, 2);
    EXPECT_EQ(profile.TableRows, 17);
    EXPECT_EQ(profile.Points[10].R, before.R);
    EXPECT_EQ(profile.Points[10].Theta, before.Theta);
}

TEST(XyPattern, LargestGridStaysInsideTheDisc)
{
    Profile profile = standardWafer();
    profile.GridAngSteps = 30;
    profile.GridRadSteps = 30;
    xypattern(profile);
    EXPECT_GT(profile.PointCount, 600);
    EXPECT_LE(profile.PointCount, 961);
    for (int i = 1; i <= profile.PointCount; ++i) EXPECT_LT(profile.Points[static_cast<std::size_t>(i)].R, 91.0001f);
}

}  // namespace
}  // namespace solvane
