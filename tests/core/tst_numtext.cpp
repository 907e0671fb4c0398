#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/numtext.h"

namespace solvane {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    char separator;
    const char* expected;
};

class FormatPatterns : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatPatterns, PrintTheDigitsThePatternAsksFor)
{
    const FormatCase c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern, c.separator), c.expected) << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatPatterns,
    ::testing::Values(FormatCase{0.25, "0.00", '.', "0.25"}, FormatCase{12.5, "0.00", '.', "12.50"},
                      FormatCase{90, "##0.0", '.', "90.0"}, FormatCase{0, "##0.0", '.', "0.0"},
                      FormatCase{0.5, "##.00", '.', ".50"}, FormatCase{0, "###", '.', ""},
                      FormatCase{200, "###", '.', "200"}, FormatCase{199.5, "###", '.', "200"},
                      FormatCase{12345, "###", '.', "12345"}, FormatCase{7, "###0", '.', "7"},
                      FormatCase{0, "###0", '.', "0"}, FormatCase{3.14159, "#0.00", '.', "3.14"},
                      FormatCase{-3.14159, "#0.00", '.', "-3.14"}, FormatCase{0.5, "#0.00", '.', "0.50"},
                      FormatCase{1234.5, "#0.00", '.', "1234.50"}, FormatCase{0.125, "0.00", '.', "0.13"},
                      FormatCase{-0.125, "0.00", '.', "-0.13"}, FormatCase{9.995, "#0.00", '.', "10.00"},
                      FormatCase{-0.001, "0.00", '.', "0.00"}, FormatCase{12.5, "#0.00", ',', "12,50"},
                      FormatCase{0.5, "##.00", ',', ",50"}, FormatCase{90, "##0.0", ',', "90,0"},
                      // Regression: the value was rounded twice (first at three extra decimals), so a
                      // value just below a half went up.
                      FormatCase{0.124996, "0.00", '.', "0.12"}, FormatCase{2.4999996, "0", '.', "2"},
                      // Doubles round as their 15 significant digits: 2.675 is a hair below in binary.
                      FormatCase{2.675, "0.00", '.', "2.68"}, FormatCase{1e-20, "0.00", '.', "0.00"},
                      FormatCase{1e20, "0", '.', "100000000000000000000"}));

TEST(FormatSingles, RoundAsTheSevenDigitsTheyHold)
{
    // 0.145f is 0.14499999582... in binary; typed as 0.145 it must show as 0.15.
    EXPECT_EQ(formatNumber(0.145f, "0.00"), "0.15");
    EXPECT_EQ(formatNumber(45.125f, "##0.00"), "45.13");
    EXPECT_EQ(formatNumber(89.99999f, "##0.00"), "90.00");
    EXPECT_EQ(formatNumber(static_cast<std::int16_t>(7), "###0"), "7");
    EXPECT_EQ(formatNumber(200, "###"), "200");
}

struct LeadingCase {
    const char* text;
    double expected;
};

class LeadingNumbers : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumbers, ReadTheNumberAtTheStart)
{
    const LeadingCase c = GetParam();
    EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, LeadingNumbers,
                         ::testing::Values(LeadingCase{"200mm", 200}, LeadingCase{"5.00 mm", 5},
                                           LeadingCase{" 1 2 3", 123}, LeadingCase{"1\t2\n3", 123},
                                           LeadingCase{"&H1F", 31}, LeadingCase{"&h1f", 31}, LeadingCase{"&O17", 15},
                                           LeadingCase{"&O19", 1}, LeadingCase{"&X1", 0}, LeadingCase{"1E3x", 1000},
                                           LeadingCase{"1e+2", 100}, LeadingCase{"1E", 1}, LeadingCase{"2D2", 200},
                                           LeadingCase{"-.5", -0.5}, LeadingCase{"+7", 7}, LeadingCase{"1.2.3", 1.2},
                                           LeadingCase{"abc", 0}, LeadingCase{"", 0}, LeadingCase{"-", 0},
                                           LeadingCase{".", 0}, LeadingCase{"- 5", -5}));

// Regression: a long hexadecimal text overflowed the accumulator (undefined behaviour).
TEST(LeadingNumbers, LongHexadecimalTextSaturates)
{
    EXPECT_GT(leadingNumber("&HFFFFFFFFFFFFFFFFFFFFFFFF"), 9.2e18);
    EXPECT_GT(leadingNumber("&O7777777777777777777777777"), 9.2e18);
    EXPECT_GT(leadingNumber("1E999"), 1e308);
}

struct GeneralCase {
    double value;
    int digits;
    const char* expected;
};

class GeneralNumbers : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralNumbers, WriteTheShortestPlainForm)
{
    const GeneralCase c = GetParam();
    EXPECT_EQ(generalNumber(c.value, c.digits), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Table, GeneralNumbers,
                         ::testing::Values(GeneralCase{200, 15, "200"}, GeneralCase{0.5, 15, ".5"},
                                           GeneralCase{-0.5, 15, "-.5"}, GeneralCase{0, 7, "0"},
                                           GeneralCase{-0.0, 7, "0"}, GeneralCase{1e-5, 7, "1E-05"},
                                           GeneralCase{-1e-5, 7, "-1E-05"}, GeneralCase{0.0001, 7, ".0001"},
                                           GeneralCase{1.5e-100, 15, "1.5E-100"}, GeneralCase{1.0 / 3.0, 7, ".3333333"},
                                           GeneralCase{1.0 / 3.0, 15, ".333333333333333"},
                                           GeneralCase{12345678, 7, "1.234568E+07"}, GeneralCase{1234567, 7, "1234567"},
                                           GeneralCase{12345678, 15, "12345678"},
                                           GeneralCase{static_cast<double>(89.99999f), 7, "89.99999"},
                                           GeneralCase{static_cast<double>(179.99998f), 7, "180"},
                                           GeneralCase{static_cast<double>(6.870309e-06f), 7, "6.870309E-06"},
                                           GeneralCase{-2147483633.0, 15, "-2147483633"}, GeneralCase{7.5, 15, "7.5"}));

TEST(RoundHalfEven, TakesTheEvenNeighbourOfAHalf)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(22.5), 22);
    EXPECT_EQ(roundHalfEven(2.51), 3);
}

}  // namespace
}  // namespace solvane
