#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

bool isPermutationFromZero(std::vector<int> order)
{
    if (order.empty() || order[0] != 0) return false;
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] != static_cast<int>(i)) return false;
    return true;
}

// (The same order every time: the exact lengths in tst_editmenu and tst_cli.)
TEST(ShortestOpenPath, IsAPermutationNeverLongerThanTheGivenOrder)
{
    EXPECT_TRUE(isPermutationFromZero(shortestOpenPath(randomPositions(700, 9))));
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

// Optimise Order moves whole records and keeps point 1 first. (The lengths it reports: tst_editmenu, tst_cli.)
TEST(OptimiseOrder, KeepsPointOneAndWholeRecords)
{
    Profile p;
    p.GridAngSteps = p.GridRadSteps = 30;
    xypattern(p);
    const int n = p.PointCount;
    for (int i = 1; i <= n; ++i) p.Points[static_cast<std::size_t>(i)].Flag = static_cast<std::int16_t>(i);
    const Profile before = p;
    optimiseorder(p);
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
