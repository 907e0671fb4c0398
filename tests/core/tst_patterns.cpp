#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "model/patterns.h"

namespace solvane {
namespace {

using F = std::vector<float>;
// The centre, then ring after ring counter-clockwise from 360/N to 360; generators never write Flag.
TEST(FixedPatterns, PlaceTheCentreThenTheRings)
{
    for (const auto& [counts, rings] : std::vector<std::pair<PatternCounts, std::vector<float>>>{
             {FivePointCounts, {91}}, {NinePointCounts, {45.5f, 91}}, {SeventeenPointCounts, {45.5f, 91}}}) {
        Profile p;
        ASSERT_EQ(usableRadiusMm(p), 91.0);  // a default profile: 200 mm wafer, edge exclusion 5, beam 8
        p.Points[40].R = 7;                  // the reset clears entries past the new points
        fixedpattern(p, counts);
        const int n = 1 + counts.radSteps * counts.angSteps;
        ASSERT_EQ(std::vector<int>({p.PointCount, p.TableRows, p.GridRadSteps, p.GridAngSteps, p.Points[n].Flag}),
                  std::vector<int>({n, n, counts.radSteps, counts.angSteps, False}));
        EXPECT_EQ(F({p.Points[1].R, p.Points[1].Theta, p.Points[1].X, p.Points[1].Y, p.Points[40].R}), F(5, 0.0f));
        for (int i = 2; i <= n; ++i) {
            const PointRec& q = p.Points[static_cast<std::size_t>(i)];
            const double angle = 360.0 / counts.angSteps * ((i - 2) % counts.angSteps + 1), a = angle * M_PI / 180;
            EXPECT_EQ(q.R, rings[static_cast<std::size_t>((i - 2) / counts.angSteps)]) << i;
            EXPECT_NEAR(q.Theta, angle, 0.0001) << i;
            EXPECT_NEAR(std::hypot(q.X - q.R * std::cos(a), q.Y - q.R * std::sin(a)), 0, 0.0001) << i;
        }
    }
}

// The angular step is kept in single precision: stored angles and axis points keep their rounding residue.
TEST(PolarPattern, CarriesTheSinglePrecisionStepAndDoesNotReset)
{
    Profile p;
    p.GridAngSteps = 3;
    polarpattern(p);
    EXPECT_EQ(F({p.Points[2].Theta, p.Points[3].Theta, p.Points[4].Theta}), F({120, 240, 360.00003f}));
    p.GridAngSteps = 4;
    for (std::size_t i = 1; i <= 12; ++i) p.Points[i] = PointRec{7, 7, True, 7, 7};
    polarpattern(p);  // flags and entries past the new points stay
    EXPECT_EQ(F({p.Points[2].Theta, p.Points[3].Theta, p.Points[4].Theta, p.Points[5].Theta}),
              F({89.99999f, 179.99998f, 270, 359.99997f}));
    EXPECT_TRUE(p.Points[2].X > 0.0000060f && p.Points[2].X < 0.0000075f && p.Points[2].Y == 91.0f);
    EXPECT_TRUE(p.Points[5].X == 91.0f && p.Points[5].Y < 0.0f && p.Points[5].Y > -0.0001f);
    EXPECT_EQ(std::pair(p.Points[3].Flag, p.Points[6].R), std::pair(True, 7.0f));
    p.GridRadSteps = p.GridAngSteps = 30;
    polarpattern(p);
    EXPECT_EQ(std::tuple(int{p.PointCount}, p.Points[2].R, p.Points[901].R), std::tuple(901, 91.0f / 30, 91.0f));
    p.BeamDiameter = 198;  // usable radius -4: nothing is checked; points lie opposite their stated angles
    fixedpattern(p, FivePointCounts);
    EXPECT_EQ(std::pair(int{p.PointCount}, p.Points[2].R), std::pair(5, -4.0f));
    EXPECT_TRUE(std::abs(p.Points[2].Y + 4) < 0.0001f && std::abs(p.Points[5].X + 4) < 0.0001f);
}

// Nodes inside the usable disc, column by column from the most negative X: (x, y, Theta) in visiting order.
TEST(XyPattern, KeepsTheNodesInsideTheUsableDiscColumnByColumn)
{
    using Nodes = std::vector<F>;
    for (const auto& [beam, stepsX, stepsY, nodes] : std::vector<std::tuple<double, std::int16_t, std::int16_t, Nodes>>{
             {8, 4, 1, {{0, -91, 270}, {0, 91, 90}}},
             {8, 1, 1, {}},
             {8, 2, 2, {{-91, 0, 180}, {0, -91, 270}, {0, 0, 90}, {0, 91, 90}, {91, 0, 360}}},
             {198, 2, 2, {{4, 0, 360}, {0, 4, 90}, {0, 0, 90}, {0, -4, 270}, {-4, 0, 180}}}}) {
        Profile p;
        p.BeamDiameter = beam;
        p.GridAngSteps = stepsX;
        p.GridRadSteps = stepsY;
        p.TableRows = 33;
        p.Points[6].R = 7;  // no reset: entries past the new points and TableRows stay
        xypattern(p);
        ASSERT_EQ(F({float(p.PointCount), float(p.TableRows), p.Points[6].R}), F({float(nodes.size()), 33, 7}));
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const PointRec& q = p.Points[i + 1];
            EXPECT_EQ(F({std::round(q.X * 1e4f) / 1e4f, std::round(q.Y * 1e4f) / 1e4f, q.Theta}), nodes[i]) << i;
            EXPECT_NEAR(q.R, std::hypot(nodes[i][0], nodes[i][1]), 1e-4);
        }
    }
}

// The centre, then ring k of K at k/K of the usable radius with n1 x k points, each from 360/N up to 360 degrees.
TEST(RingPattern, GrowsThePointCountWithTheRadius)
{
    for (const auto& [counts, total] : std::vector<std::pair<RingCounts, int>>{
             {{1, 8}, 9}, {{2, 8}, 25}, {{3, 8}, 49}, {{4, 8}, 81}, {{5, 8}, 121}, {{10, 30}, 1651}, {{1, 1}, 2}})
        EXPECT_EQ(ringPointCount(counts), total) << counts.rings << " x " << counts.firstRing;
    Profile p;
    p.Points[60].R = 7;  // replaced points: the store is reset
    ringpattern(p, {3, 8});
    ASSERT_EQ(std::vector<int>({p.PointCount, p.TableRows}), std::vector<int>({49, 49}));
    EXPECT_EQ(F({p.Points[1].R, p.Points[1].Theta, p.Points[60].R}), F(3, 0.0f));
    for (const auto& [first, last, radius, stepDeg] : std::vector<std::tuple<int, int, float, double>>{
             {2, 9, 30.333334f, 45}, {10, 25, 60.666668f, 22.5}, {26, 49, 91, 15}}) {
        for (int i = first; i <= last; ++i) {
            const PointRec& q = p.Points[static_cast<std::size_t>(i)];
            EXPECT_EQ(q.R, radius) << i;
            EXPECT_NEAR(q.Theta, stepDeg * (i - first + 1), 0.0001) << i;
        }
    }
}

}  // namespace
}  // namespace solvane
