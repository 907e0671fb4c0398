#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "model/pastedpoints.h"

using namespace solvane;

namespace {

std::vector<std::pair<double, double>> pairsOf(const PastedText& pasted)
{
    std::vector<std::pair<double, double>> pairs;
    for (const PastedPair& p : pasted.pairs) pairs.emplace_back(p.first, p.second);
    return pairs;
}

}  // namespace

TEST(PastedPoints, TextsGivePairsAndSkippedLines)
{
    // text, decimal separator, the pairs read, lines skipped
    for (const auto& [text, separator, pairs, skipped] :
         std::vector<std::tuple<std::string, char, std::vector<std::pair<double, double>>, int>>{
             // The Copy listing, both systems, both separators.
             {"R(mm)  Theta\r\n50.00\t90.0\r\n.00\t.0\r\n", '.', {{50, 90}, {0, 0}}, 0},
             {"X(mm)  Y(mm)\r\n-2,50\t1,25\r\n", ',', {{-2.5, 1.25}}, 0},
             // Spreadsheet selections: tabs with an empty trailing cell, semicolons, commas, blanks.
             {"1\t2\t\n3\t4\n", '.', {{1, 2}, {3, 4}}, 0},
             {"1,5;2,5\n", ',', {{1.5, 2.5}}, 0},
             {"1.5, 2.5\n-3,1E1\n", '.', {{1.5, 2.5}, {-3, 10}}, 0},
             {"  7   8  \r9 10", '.', {{7, 8}, {9, 10}}, 0},
             // Lines that are not two numbers; a first heading is not counted, later text is.
             {"x y\n1 2\nnotes\n1 2 3\n4\n\n\t\n5 abc\n6 1e9\n", '.', {{1, 2}}, 5}}) {
        const PastedText pasted = parsePastedPoints(text, separator);
        EXPECT_EQ(pairsOf(pasted), pairs) << text;
        EXPECT_EQ(pasted.skippedLines, skipped) << text;
    }
}

TEST(PastedPoints, AppendCompletesTheOtherPairAndStopsWhenFull)
{
    const auto profile = std::make_unique<Profile>();
    profile->PolarSys = True;
    EXPECT_EQ(appendPastedPoints(*profile, {{50, 90}}), 1);
    EXPECT_NEAR(profile->Points[1].X, 0.0, 1e-5);
    EXPECT_FLOAT_EQ(profile->Points[1].Y, 50.0f);

    profile->PolarSys = False;
    profile->PointCount = MaxPoints - 1;
    EXPECT_EQ(appendPastedPoints(*profile, {{-3, 4}, {1, 1}}), 1);
    const PointRec& last = profile->Points[MaxPoints];
    EXPECT_EQ(std::tuple(profile->PointCount, last.R, last.X, last.Y), std::tuple(MaxPoints, 5.0f, -3.0f, 4.0f));
    EXPECT_NEAR(last.Theta, 126.8699, 1e-3);
}
