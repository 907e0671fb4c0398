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

// Columns follow the PolarSys flag (not CoordSys); values keep two decimals and the locale's separator.
TEST(ReportLines, ColumnsAndRounding)
{
    const PointRec both{45.5f, 179.99998f, False, -0.001f, 0.005f};
    Profile rect = profileWith(false, {both});
    rect.CoordSys = "Polar";
    const ReportLines r = reportLines(rect, "", "No Description", '.');
    EXPECT_EQ(r.header, (std::vector<std::string>{"Filename: ", "File Description: No Description", " ",
                                                  "point no.       X (mm)        Y (mm)"}));
    ASSERT_EQ(r.points.size(), 1u);
    EXPECT_EQ(r.points[0].value1 + " " + r.points[0].value2, "0.00 0.01");
    const ReportLines q = reportLines(profileWith(true, {both}), "f", "d", ',');
    EXPECT_EQ(q.points[0].number + " " + q.points[0].value1 + " " + q.points[0].value2, "1 45,50 180,00");
}

// Singles print from their 7 significant digits; a too-wide value still keeps one blank before it.
TEST(ReportText, AlignsEachColumnOnTheEndOfItsTitle)
{
    const Profile p = profileWith(true, {PointRec{91.0f, 90.0f, False, 0, 0}, PointRec{5.25f, 180.0f, False, 0, 0},
                                         PointRec{-100.0f, 0.0f, False, 0, 0},
                                         PointRec{123456789.0f, -1234567890.0f, False, 0, 0}});
    EXPECT_EQ(reportText(p, "x.waf", "demo", '.'),
              "Filename: x.waf\r\nFile Description: demo\r\n \r\n"
              "point no.       R(mm)        Theta\r\n"
              "        1       91.00        90.00\r\n"
              "        2        5.25       180.00\r\n"
              "        3     -100.00         0.00\r\n"
              "        4 123456800.00 -1234568000.00\r\n");
}

// A description of megabytes once took gigabytes to lay out: the report shows its start.
TEST(ReportText, CutsALongDescription)
{
    const std::string text = reportText(profileWith(true, {}), "", std::string(1'000'000, 'd'), '.');
    EXPECT_EQ(text.size(), 1074u);
    EXPECT_NE(text.find(std::string(ReportDescriptionLimit, 'd') + "...\r\n"), std::string::npos);
}

}  // namespace
}  // namespace solvane
