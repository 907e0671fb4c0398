#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/report.h"

namespace solvane {
namespace {

Profile profileWith(bool polar, const std::vector<PointRec>& points)
{
    Profile p;
    p.PolarSys = polar ? True : False;
    p.RectSys = polar ? False : True;
    for (std::size_t i = 0; i < points.size(); ++i) p.Points[i + 1] = points[i];
    p.PointCount = static_cast<std::int16_t>(points.size());
    return p;
}

PointRec polarPoint(float r, float theta) { return PointRec{r, theta, False, 0.0f, 0.0f}; }
PointRec rectPoint(float x, float y) { return PointRec{0.0f, 0.0f, False, x, y}; }

TEST(ReportLines, EmptyUntitledProfileGivesTheFourHeaderLinesOnly)
{
    const ReportLines r = reportLines(profileWith(true, {}), "", "No Description", '.');
    ASSERT_EQ(r.header.size(), 4u);
    EXPECT_EQ(r.header[0], "Filename: ");
    EXPECT_EQ(r.header[1], "File Description: No Description");
    EXPECT_EQ(r.header[2], " ");
    EXPECT_EQ(r.header[3], "point no.       R(mm)        Theta");
    EXPECT_TRUE(r.points.empty());
}

// The table's flag decides the columns, not the CoordSys name.
TEST(ReportLines, FollowsPolarSysNotCoordSys)
{
    Profile p = profileWith(false, {PointRec{91.0f, 90.0f, True, 3.0f, -4.0f}});
    p.CoordSys = "Polar";
    const ReportLines r = reportLines(p, "a.waf", "d", '.');
    EXPECT_EQ(r.header[0], "Filename: a.waf");
    EXPECT_EQ(r.header[3], "point no.       X (mm)        Y (mm)");
    ASSERT_EQ(r.points.size(), 1u);
    EXPECT_EQ(r.points[0].value1, "3.00");
    EXPECT_EQ(r.points[0].value2, "-4.00");
}

struct ValueCase {
    bool polar;
    float a;
    float b;
    char separator;
    const char* text1;
    const char* text2;
};

class ReportValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReportValues, PrintTwoDecimalsWithAtLeastOneIntegerDigit)
{
    const ValueCase& c = GetParam();
    const PointRec point = c.polar ? polarPoint(c.a, c.b) : rectPoint(c.a, c.b);
    const ReportLines r = reportLines(profileWith(c.polar, {point}), "f", "d", c.separator);
    ASSERT_EQ(r.points.size(), 1u);
    EXPECT_EQ(r.points[0].number, "1");
    EXPECT_EQ(r.points[0].value1, c.text1);
    EXPECT_EQ(r.points[0].value2, c.text2);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportValues,
                         ::testing::Values(ValueCase{true, 12.5f, 90.0f, '.', "12.50", "90.00"},
                                           ValueCase{true, 0.5f, 359.99997f, '.', "0.50", "360.00"},
                                           ValueCase{true, 0.0f, 0.0f, '.', "0.00", "0.00"},
                                           ValueCase{false, -3.14159f, 0.5f, '.', "-3.14", "0.50"},
                                           ValueCase{false, -0.001f, 0.005f, '.', "0.00", "0.01"},
                                           ValueCase{false, 1234.567f, -91.0f, '.', "1234.57", "-91.00"},
                                           ValueCase{true, 45.5f, 179.99998f, ',', "45,50", "180,00"},
                                           ValueCase{false, -3.14159f, 0.5f, ',', "-3,14", "0,50"}));

TEST(ReportLines, NumbersEveryPointInOrder)
{
    std::vector<PointRec> points;
    for (int i = 0; i < 12; ++i) points.push_back(polarPoint(static_cast<float>(i), 0.0f));
    const ReportLines r = reportLines(profileWith(true, points), "f", "d", '.');
    ASSERT_EQ(r.points.size(), 12u);
    EXPECT_EQ(r.points[0].number, "1");
    EXPECT_EQ(r.points[11].number, "12");
    EXPECT_EQ(r.points[11].value1, "11.00");
}

TEST(ReportText, AlignsEachColumnOnTheEndOfItsTitle)
{
    const Profile p = profileWith(true,
                                  {polarPoint(91.0f, 90.0f), polarPoint(5.25f, 180.0f), polarPoint(-100.0f, 0.0f)});
    const std::string expected =
        "Filename: x.waf\r\n"
        "File Description: demo\r\n"
        " \r\n"
        "point no.       R(mm)        Theta\r\n"
        "        1       91.00        90.00\r\n"
        "        2        5.25       180.00\r\n"
        "        3     -100.00         0.00\r\n";
    EXPECT_EQ(reportText(p, "x.waf", "demo", '.'), expected);
}

// Singles print from their 7 significant digits, so these come out rounded.
TEST(ReportText, KeepsABlankBeforeATooWideValue)
{
    const Profile p = profileWith(false, {rectPoint(123456789.0f, -1234567890.0f)});
    const std::string text = reportText(p, "", "", '.');
    const std::string last = text.substr(text.rfind("\r\n", text.size() - 3) + 2);
    EXPECT_EQ(last, "        1 123456800.00 -1234568000.00\r\n");
}

}  // namespace
}  // namespace solvane
