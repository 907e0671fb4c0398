#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "model/patterns.h"
#include "model/visitorder.h"

namespace solvane {
namespace {

std::vector<StagePosition> randomPositions(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> mm(-91.0, 91.0);
    std::vector<StagePosition> positions;
    while (static_cast<int>(positions.size()) < count) {
        const StagePosition p{mm(random), mm(random)};
        if (std::hypot(p.x, p.y) < 91.0) positions.push_back(p);
    }
    return positions;
}

// Held-Karp for an open path from position 0 that may end anywhere.
double exactShortestOpenPathMm(const std::vector<StagePosition>& p)
{
    const int n = static_cast<int>(p.size());
    const auto d = [&](int a, int b) { return std::hypot(p[a].x - p[b].x, p[a].y - p[b].y); };
    const double none = std::numeric_limits<double>::infinity();
    // best[set][end]: shortest path from 0 through the positions of set (bit i: position i + 1) ending at end + 1.
    std::vector<std::vector<double>> best(1u << (n - 1), std::vector<double>(n - 1, none));
    for (int e = 0; e < n - 1; ++e) best[1u << e][e] = d(0, e + 1);
    for (unsigned set = 1; set < best.size(); ++set)
        for (int e = 0; e < n - 1; ++e)
            if (best[set][e] < none)
                for (int next = 0; next < n - 1; ++next)
                    if (!(set >> next & 1u)) {
                        double& to = best[set | 1u << next][next];
                        to = std::min(to, best[set][e] + d(e + 1, next + 1));
                    }
    return *std::min_element(best.back().begin(), best.back().end());
}

bool isPermutationFromZero(std::vector<int> order)
{
    if (order.empty() || order[0] != 0) return false;
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] != static_cast<int>(i)) return false;
    return true;
}

TEST(ShortestOpenPath, FindsTheExactOptimumOfSmallSets)
{
    for (int count = 3; count <= 10; ++count) {
        for (unsigned seed = 1; seed <= 6; ++seed) {
            const auto positions = randomPositions(count, seed * 100 + static_cast<unsigned>(count));
            const std::vector<int> order = shortestOpenPath(positions);
            ASSERT_TRUE(isPermutationFromZero(order)) << count << " points, seed " << seed;
            EXPECT_NEAR(openPathLengthMm(positions, order), exactShortestOpenPathMm(positions), 1e-9)
                << count << " points, seed " << seed;
        }
    }
}

TEST(ShortestOpenPath, IsDeterministicAndNeverLongerThanTheGivenOrder)
{
    const auto positions = randomPositions(700, 9);
    const std::vector<int> first = shortestOpenPath(positions);
    EXPECT_TRUE(isPermutationFromZero(first));
    EXPECT_EQ(shortestOpenPath(positions), first);
    // Points along a line, already in the best order: nothing to gain, so the order stays.
    std::vector<StagePosition> line;
    for (int i = 0; i < 50; ++i) line.push_back({i * 1.5, 0.0});
    std::vector<int> identity(50);
    for (int i = 0; i < 50; ++i) identity[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(shortestOpenPath(line), identity);
    // Every position in one place: every order has length 0.
    const std::vector<StagePosition> stacked(40, StagePosition{3.0, 4.0});
    EXPECT_EQ(openPathLengthMm(stacked, shortestOpenPath(stacked)), 0.0);
    for (std::size_t count = 0; count <= 2; ++count)
        EXPECT_EQ(shortestOpenPath(randomPositions(static_cast<int>(count), 3)).size(), count);
}

// The generated grid goes column by column, each column from -Y; the serpentine is at least 45 % shorter.
TEST(OptimiseOrder, ShortensTheXyGridByAtLeast45PercentKeepingPointOneAndWholeRecords)
{
    Profile p;
    p.GridAngSteps = p.GridRadSteps = 30;
    xypattern(p);
    const int n = p.PointCount;
    for (int i = 1; i <= n; ++i) p.Points[static_cast<std::size_t>(i)].Flag = static_cast<std::int16_t>(i);
    const Profile before = p;
    const PathLengths lengths = optimiseorder(p);
    EXPECT_DOUBLE_EQ(lengths.beforeMm, pathLengthMm(before));
    EXPECT_DOUBLE_EQ(lengths.afterMm, pathLengthMm(p));
    EXPECT_LE(lengths.afterMm, 0.55 * lengths.beforeMm) << lengths.beforeMm << " -> " << lengths.afterMm;
    EXPECT_EQ(p.Points[1].Flag, 1);
    std::vector<bool> seen(static_cast<std::size_t>(n + 1), false);
    for (int i = 1; i <= n; ++i) {
        const PointRec& q = p.Points[static_cast<std::size_t>(i)];
        const PointRec& original = before.Points[static_cast<std::size_t>(q.Flag)];
        EXPECT_FALSE(seen[static_cast<std::size_t>(q.Flag)]);
        seen[static_cast<std::size_t>(q.Flag)] = true;
        EXPECT_EQ(std::vector<float>({q.R, q.Theta, q.X, q.Y}),
                  std::vector<float>({original.R, original.Theta, original.X, original.Y}));
    }
    EXPECT_EQ(p.PointCount, n);
}

}  // namespace
}  // namespace solvane
