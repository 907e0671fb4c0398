#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "importers/pointcsv.h"
#include "model/patterns.h"

using namespace solvane;

namespace {

struct Xy {
    float x, y;
};

std::unique_ptr<Profile> profileOf(const std::vector<Xy>& points)
{
    auto profile = std::make_unique<Profile>();
    for (const Xy& p : points) {
        PointRec& point = profile->Points[static_cast<std::size_t>(++profile->PointCount)];
        point.X = p.x;
        point.Y = p.y;
        point.R = std::hypot(p.x, p.y);
        point.Theta = static_cast<float>(std::atan2(p.y, p.x) * 180.0 / 3.14159265358979);
    }
    return profile;
}

}  // namespace

// Export then import gives back every point within 0.001 mm, whatever the pattern or the signs.
TEST(PointCsv, ExportReadsBackToTheSamePoints)
{
    std::vector<std::unique_ptr<Profile>> profiles;
    profiles.push_back(std::make_unique<Profile>());
    profiles.back()->GridRadSteps = profiles.back()->GridAngSteps = 12;
    xypattern(*profiles.back());
    profiles.push_back(profileOf({{-0.00004f, 0.00004f}, {147.123456f, -99.99995f}, {-0.0005f, 12.34565f}}));
    for (const auto& original : profiles) {
        const auto back = std::make_unique<Profile>();
        const CsvImportResult result = importPointCsv(formatPointCsv(*original), *back);
        ASSERT_EQ(result.status, ImportStatus::Ok) << result.message;
        ASSERT_EQ(back->PointCount, original->PointCount);
        for (int i = 1; i <= original->PointCount; ++i) {
            const PointRec& a = original->Points[static_cast<std::size_t>(i)];
            const PointRec& b = back->Points[static_cast<std::size_t>(i)];
            EXPECT_NEAR(a.X, b.X, 0.001) << i;
            EXPECT_NEAR(a.Y, b.Y, 0.001) << i;
            EXPECT_NEAR(a.R, b.R, 0.001) << i;
        }
    }
}

TEST(PointCsv, LinesAreFixedDecimalsWithoutNegativeZero)
{
    const auto profile = profileOf({{-0.00004f, 50.0f}});
    EXPECT_EQ(formatPointCsv(*profile), "n,R_mm,Theta_deg,X_mm,Y_mm\r\n1,50.0000,90.0000,0.0000,50.0000\r\n");
}

TEST(PointCsv, HeaderDecidesAndBadRowsAreRefused)
{
    std::string full = "n,R_mm,Theta_deg,X_mm,Y_mm\n";
    for (int i = 0; i <= MaxPoints; ++i) full += "1,0,0,1,2\n";
    // text, whether it is taken for a point CSV file, the import's status and points
    for (const auto& [text, pointCsv, status, count] : std::vector<std::tuple<std::string, bool, ImportStatus, int>>{
             {"\xEF\xBB\xBFn,R_mm,Theta_deg,X_mm,Y_mm\r\n\r\n1,1,0,1,0", true, ImportStatus::Ok, 1},
             {"n,R_mm,Theta_deg,X_mm,Y_mm", true, ImportStatus::Ok, 0},
             {"n,R_mm,Theta_deg,X_mm,Y_mm,extra\n1,1,0,1,0\n", false, ImportStatus::Ok, 1},
             {"n,R_mm,Theta_deg,X_mm,Y_mm\n1,1,0,1\n", true, ImportStatus::Damaged, 0},
             {"n,R_mm,Theta_deg,X_mm,Y_mm\n1,1,0,x,0\n", true, ImportStatus::Damaged, 0},
             {full, true, ImportStatus::TooManyDefects, 0}}) {
        EXPECT_EQ(isPointCsv(text), pointCsv) << text;
        const auto profile = std::make_unique<Profile>();
        const CsvImportResult result = importPointCsv(text, *profile);
        EXPECT_EQ(std::pair(result.status, int{profile->PointCount}), std::pair(status, count)) << text;
    }
}
