#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "text/numtext.h"

namespace solvane {
namespace {

// Regressions: 0.124996 went up when rounded twice; 2.675 (a hair below in binary) rounds as its 15 digits.
TEST(FormatNumber, PrintsTheDigitsThePatternAsksFor)
{
    const std::vector<std::tuple<double, const char*, char, const char*>> cases = {
        {0, "##0.0", '.', "0.0"},          {0.5, "##.00", '.', ".50"},      {0, "###", '.', ""},
        {199.5, "###", '.', "200"},        {12345, "###", '.', "12345"},    {0, "###0", '.', "0"},
        {-3.14159, "#0.00", '.', "-3.14"}, {0.125, "0.00", '.', "0.13"},    {-0.125, "0.00", '.', "-0.13"},
        {9.995, "#0.00", '.', "10.00"},    {-0.001, "0.00", '.', "0.00"},   {0.5, "##.00", ',', ",50"},
        {90, "##0.0", ',', "90,0"},        {0.124996, "0.00", '.', "0.12"}, {2.4999996, "0", '.', "2"},
        {2.675, "0.00", '.', "2.68"}};
    for (const auto& [value, pattern, separator, expected] : cases)
        EXPECT_EQ(formatNumber(value, pattern, separator), expected) << value << " with " << pattern;
    EXPECT_EQ(formatNumber(1e20, "0", '.'), "100000000000000000000");
}

// 0.145f is 0.14499999582... in binary; typed as 0.145 it must show as 0.15.
TEST(FormatNumber, SinglesRoundAsTheSevenDigitsTheyHold)
{
    EXPECT_EQ(formatNumber(0.145f, "0.00"), "0.15");
    EXPECT_EQ(formatNumber(45.125f, "##0.00"), "45.13");
    EXPECT_EQ(formatNumber(89.99999f, "##0.00"), "90.00");
    // A half past the seventh digit is a tie there, settled to even before the pattern rounds.
    EXPECT_EQ(formatNumber(1048576.5f, "0"), "1048576");
    EXPECT_EQ(formatNumber(1048577.5f, "0"), "1048578");
    EXPECT_EQ(formatNumber(static_cast<std::int16_t>(7), "###0"), "7");
}

// The first formatting, through printf's "%.*e" and string arithmetic: slow, plainly right, and the
// reference that the quicker formatting must match character for character.
std::string printfFormatted(double value, int significantDigits, std::string_view pattern, char separator)
{
    const std::size_t point = pattern.find('.');
    const std::string_view before = pattern.substr(0, point);
    const std::string_view after = point == std::string_view::npos ? "" : pattern.substr(point + 1);
    const auto zeros = [](std::string_view part) {
        return static_cast<std::size_t>(std::count(part.begin(), part.end(), '0'));
    };
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, std::fabs(value));
    std::string digits;
    const char* e = buffer;
    for (; *e != 'e'; ++e)
        if (*e != '.') digits += *e;
    const int pointAt = std::atoi(e + 1) + 1;
    std::string all = pointAt <= 0 ? std::string(static_cast<std::size_t>(1 - pointAt), '0') + digits : digits;
    const std::size_t integerDigits = pointAt <= 0 ? 1 : static_cast<std::size_t>(pointAt);
    if (all.size() < integerDigits + after.size() + 1) all.resize(integerDigits + after.size() + 1, '0');
    const bool up = all[integerDigits + after.size()] >= '5';
    all.resize(integerDigits + after.size());
    for (std::size_t i = all.size(); up; --i) {
        if (i == 0) {
            all.insert(all.begin(), '1');
            break;
        }
        if (all[i - 1] != '9') {
            ++all[i - 1];
            break;
        }
        all[i - 1] = '0';
    }
    std::string integer = all.substr(0, all.size() - after.size());
    std::string fraction = all.substr(integer.size());
    while (fraction.size() > zeros(after) && fraction.back() == '0') fraction.pop_back();
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < zeros(before)) integer.insert(0, zeros(before) - integer.size(), '0');
    const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (std::signbit(value) && !zero ? "-" : "") + integer;
    if (point != std::string_view::npos && (!fraction.empty() || zeros(after) > 0)) out += separator + fraction;
    return out;
}

// Every pattern the program prints with, over values of every size, halves that round up and values a
// hair either side of them, in both precisions.
TEST(FormatNumber, MatchesThePrintfFormattingItReplaced)
{
    const char* patterns[] = {"0", "0.00", "#0.00", "##.00", "##0.0", "##0.00", "###", "###.0", "###0", "0.000"};
    std::mt19937 random(3);
    std::vector<double> values = {0.0, -0.0, 0.5, 0.05, 0.005, 0.145, 2.675, 9.995, 99.95, 999.5, 1e-20, 1e20, -1e30};
    for (int i = 0; i < 600; ++i) {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-6.0, 7.0)(random));
        const double value = std::uniform_real_distribution<double>(-1.0, 1.0)(random) * magnitude;
        const double half = std::round(value * 200.0) / 200.0;  // ties at two decimals
        values.insert(values.end(), {value, half, std::nextafter(half, 0.0), std::nextafter(half, 1e9)});
    }
    for (const double value : values) {
        for (const char* pattern : patterns) {
            const char separator = pattern[1] == '.' ? ',' : '.';
            const auto single = static_cast<float>(value);
            ASSERT_EQ(formatNumber(value, pattern, separator), printfFormatted(value, 15, pattern, separator))
                << value << " in " << pattern;
            ASSERT_EQ(formatNumber(single, pattern, separator), printfFormatted(single, 7, pattern, separator))
                << single << "f in " << pattern;
        }
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    const std::vector<std::pair<const char*, double>> cases = {{"200mm", 200}, {" 1 2 3", 123}, {"1\t2\n3", 123},
                                                               {"&h1f", 31},   {"&O17", 15},    {"&O19", 1},
                                                               {"&X1", 0},     {"1E3x", 1000},  {"1e+2", 100},
                                                               {"1E", 1},      {"2D2", 200},    {"-.5", -0.5},
                                                               {"+7", 7},      {"1.2.3", 1.2},  {"abc", 0},
                                                               {"", 0},        {"-", 0},        {"- 5", -5}};
    for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), expected) << '"' << text << '"';
    // Regression: a long hexadecimal text overflowed the accumulator (undefined behaviour).
    EXPECT_GT(leadingNumber("&HFFFFFFFFFFFFFFFFFFFFFFFF"), 9.2e18);
    EXPECT_GT(leadingNumber("&O7777777777777777777777777"), 9.2e18);
    EXPECT_GT(leadingNumber("1E999"), 1e308);
}

TEST(GeneralNumber, WritesTheShortestPlainForm)
{
    const std::vector<std::tuple<double, int, const char*>> cases = {{0.5, 15, ".5"},
                                                                     {-0.0, 7, "0"},
                                                                     {-1e-5, 7, "-1E-05"},
                                                                     {0.0001, 7, ".0001"},
                                                                     {1.5e-100, 15, "1.5E-100"},
                                                                     {1.0 / 3.0, 7, ".3333333"},
                                                                     {1.0 / 3.0, 15, ".333333333333333"},
                                                                     {12345678, 7, "1.234568E+07"},
                                                                     {1234567, 7, "1234567"},
                                                                     {12345678, 15, "12345678"},
                                                                     {static_cast<double>(89.99999f), 7, "89.99999"},
                                                                     {static_cast<double>(179.99998f), 7, "180"},
                                                                     {-2147483633.0, 15, "-2147483633"}};
    for (const auto& [value, digits, expected] : cases) EXPECT_EQ(generalNumber(value, digits), expected) << value;
}

TEST(RoundHalfEven, TakesTheEvenNeighbourOfAHalf)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
}

}  // namespace
}  // namespace solvane
