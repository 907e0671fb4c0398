#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "importers/csvimport.h"
#include "model/conversions.h"
#include "text/fields.h"

using namespace solvane;

namespace {

constexpr float Tol = 2e-5f;

struct Imported {
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::unique_ptr<DefectStore> defects = std::make_unique<DefectStore>();
    CsvImportResult result;
};

Imported import(std::string_view bytes, const CsvColumns& columns)
{
    Imported out;
    out.result = importCsvDefects(bytes, columns, *out.profile, *out.defects);
    return out;
}

void expectPoint(const Profile& p, int i, float x, float y)
{
    SCOPED_TRACE("point " + std::to_string(i));
    const PointRec& point = p.Points[static_cast<std::size_t>(i)];
    EXPECT_NEAR(point.X, x, Tol);
    EXPECT_NEAR(point.Y, y, Tol);
    EXPECT_FLOAT_EQ(point.R, static_cast<float>(std::sqrt(double(point.X) * point.X + double(point.Y) * point.Y)));
    EXPECT_EQ(point.Theta, arctan(point.X, point.Y));
}

// Only X rel and Y rel, in columns 1 and 2.
constexpr CsvColumns RelOnly{0, 0, 0, 0, 1, 2};
// centre, pitch, X index, Y index, X rel, Y rel in columns 1 to 6.
constexpr CsvColumns AllSix{1, 2, 3, 4, 5, 6};

std::string rows(int n)
{
    std::string text = "XRel,YRel\r\n";
    for (int i = 1; i <= n; ++i) text += std::to_string(i) + ",-500\r\n";
    return text;
}

}  // namespace

TEST(CsvImport, TheFixtureWithHeadingsBlankLinesAndPairsImportsThreeDefects)
{
    Imported r;
    const auto path = std::filesystem::path(SOLVANE_TEST_DATA) / "csv" / "defects.csv";
    // Columns: name, centre, pitch, X index, Y index, X rel, Y rel.
    r.result = importCsvFile(path.string(), CsvColumns{2, 3, 4, 5, 6, 7}, *r.profile, *r.defects);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    ASSERT_EQ(r.profile->PointCount, 3);
    EXPECT_EQ(r.profile->CoordSys, "Rectangular");
    // centre 100000 50000, pitch 10000: 100 + 5 - 100, -20 + 2.5005 - 50.
    expectPoint(*r.profile, 1, 5.0f, -67.4995f);
    // centre 100000, pitch 10000 20000, no offsets: -100, -100.
    expectPoint(*r.profile, 2, -100.0f, -100.0f);
    EXPECT_EQ(r.profile->Points[2].Theta, 225.0f);
    // centre " 100000 100000 ", pitch 10000: -100 - 5 - 100, 30 + 1 - 100.
    expectPoint(*r.profile, 3, -205.0f, -69.0f);
    EXPECT_EQ((*r.defects)[3].DefectID, 3);
    EXPECT_EQ((*r.defects)[3].XIndex, -10);
    EXPECT_EQ((*r.defects)[3].YIndex, 3);
    EXPECT_EQ((*r.defects)[3].XRel, -5000.0);
}

// The example of the help file, so the two cannot drift apart.
TEST(CsvImport, TheHelpFileExampleGivesItsPoints)
{
    const auto r = import("Defect,XIndex,YIndex,XRel,YRel,Centre,Pitch\r\n"
                          "1,10,10,5000,5000,100000,10000\r\n"
                          "2,3,-2,1250.5,800,100000 95000,10000 8000\r\n",
                          CsvColumns{6, 7, 2, 3, 4, 5});
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    ASSERT_EQ(r.profile->PointCount, 2);
    expectPoint(*r.profile, 1, 5.0f, 5.0f);
    expectPoint(*r.profile, 2, -68.7495f, -110.2f);
}

TEST(CsvImport, ColumnsNotGivenCountAsZero)
{
    const auto r = import("1500,2500\r\n-250,0", RelOnly);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    ASSERT_EQ(r.profile->PointCount, 2);
    expectPoint(*r.profile, 1, 1.5f, 2.5f);
    expectPoint(*r.profile, 2, -0.25f, 0.0f);
    EXPECT_EQ((*r.defects)[1].XIndex, 0);
    EXPECT_EQ((*r.defects)[1].YIndex, 0);
}

TEST(CsvImport, ColumnsMayComeInAnyOrderAndRowsMayBeLonger)
{
    // Y rel in column 1, X index in 4, X rel in 5; the last column is passed over.
    const auto r = import("y,_,_,xi,x,extra\n2000,a,b,3,1000,zzz\n", CsvColumns{0, 0, 4, 0, 5, 1});
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    ASSERT_EQ(r.profile->PointCount, 1);
    expectPoint(*r.profile, 1, 1.0f, 2.0f);  // no pitch: the index adds nothing
    EXPECT_EQ((*r.defects)[1].XIndex, 3);
}

TEST(CsvImport, ALineEndingInCrOnlyOrLfOnlyEndsARow)
{
    const auto r = import("1000,0\r2000,0\n3000,0", RelOnly);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    EXPECT_EQ(r.profile->PointCount, 3);
    expectPoint(*r.profile, 3, 3.0f, 0.0f);
}

TEST(CsvImport, AFileWithoutDefectRowsGivesAnEmptyProfile)
{
    const auto r = import("Name,X,Y\r\n\r\n", RelOnly);
    EXPECT_EQ(r.result.status, ImportStatus::Ok);
    EXPECT_EQ(r.profile->PointCount, 0);
    EXPECT_EQ(r.profile->CoordSys, "Rectangular");
}

TEST(CsvImport, ThousandRowsImportAndOneMoreImportsNothing)
{
    const auto ok = import(rows(1000), RelOnly);
    ASSERT_EQ(ok.result.status, ImportStatus::Ok) << ok.result.message;
    EXPECT_EQ(ok.profile->PointCount, 1000);
    expectPoint(*ok.profile, 1000, 1.0f, -0.5f);

    const auto tooMany = import(rows(1001), RelOnly);
    EXPECT_EQ(tooMany.result.status, ImportStatus::TooManyDefects);
    EXPECT_EQ(tooMany.result.message, "The file holds 1001 defect rows; an import takes at most 1000.");
    EXPECT_EQ(tooMany.profile->PointCount, 0);
    EXPECT_EQ(tooMany.profile->Points[1].X, 0.0f);
}

struct BadRow {
    const char* name;
    const char* text;
    const char* message;
};

class CsvBadRow : public testing::TestWithParam<BadRow> {};

TEST_P(CsvBadRow, ImportsNothingAndNamesTheRow)
{
    const auto r = import(GetParam().text, AllSix);
    EXPECT_EQ(r.result.status, ImportStatus::Damaged);
    EXPECT_EQ(r.result.message, GetParam().message);
    EXPECT_EQ(r.profile->PointCount, 0);
    EXPECT_EQ(r.profile->Points[1].X, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvBadRow,
    testing::Values(
        BadRow{"OnlyXRelIsANumber", "c,p,xi,yi,xr,yr\n0,0,0,0,5,x\n",
               "Row 2: the Y rel field, \"x\", is not a number."},
        BadRow{"OnlyYRelIsANumber", "0,0,0,0,,5\n", "Row 1: the X rel field, \"\", is not a number."},
        BadRow{"IndexNotWhole", "0,0,1.5x,0,5,5\n", "Row 1: the X index field, \"1.5x\", is not a whole number "
                                                    "from -32768 to 32767."},
        BadRow{"IndexTooLarge", "0,0,0,40000,5,5\n", "Row 1: the Y index field, \"40000\", is not a whole number "
                                                     "from -32768 to 32767."},
        BadRow{"CentreOfThreeNumbers", "1 2 3,0,0,0,5,5\n", "Row 1: the Sample Center Location field, \"1 2 3\", "
                                                            "is not one number or two (X Y)."},
        BadRow{"EmptyPitch", "0,,0,0,5,5\n", "Row 1: the Die Pitch field, \"\", is not one number or two (X Y)."},
        BadRow{"MissingColumn", "0,0,0,0,5\n", "Row 1: the row has no Y rel field."},
        BadRow{"TooFarOut", "0,0,0,0,1e300,0\n", "Defect row 1 of the file lies too far out to be a point."}),
    [](const testing::TestParamInfo<BadRow>& info) { return std::string(info.param.name); });

TEST(CsvImport, WithoutXRelOrYRelColumnsNothingIsRead)
{
    for (const CsvColumns& columns : {CsvColumns{}, CsvColumns{0, 0, 0, 0, 1, 0}, CsvColumns{0, 0, 0, 0, 0, 2}}) {
        const auto r = import("1,2\n", columns);
        EXPECT_EQ(r.result.status, ImportStatus::BadColumns);
        EXPECT_EQ(r.result.message, "The columns of X rel and Y rel must be given (numbers from 1 up).");
        EXPECT_EQ(r.profile->PointCount, 0);
        EXPECT_EQ(r.profile->CoordSys, "Rectangular");
    }
}

// --- The dialog's boxes ----------------------------------------------------------------------

struct BoxCase {
    std::array<std::string, 6> texts;
    int refusedBox;  // -1: accepted
};

class CsvBoxes : public testing::TestWithParam<BoxCase> {};

TEST_P(CsvBoxes, RefuseTheFirstBadBoxByItsLabel)
{
    const CsvColumnsCheck check = checkCsvColumnBoxes(GetParam().texts);
    EXPECT_EQ(check.box, GetParam().refusedBox);
    if (GetParam().refusedBox < 0) {
        EXPECT_TRUE(check.columns.has_value());
        EXPECT_TRUE(check.message.empty());
    } else {
        EXPECT_FALSE(check.columns.has_value());
        const std::string label = CsvColumnLabels[static_cast<std::size_t>(GetParam().refusedBox)];
        EXPECT_NE(check.message.find("\"" + label + "\""), std::string::npos) << check.message;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvBoxes,
                         testing::Values(BoxCase{{"0", "0", "0", "0", "1", "2"}, -1},
                                         BoxCase{{" 3 ", "4", "5", "6", "7", "32767"}, -1},
                                         BoxCase{{"", "0", "0", "0", "1", "2"}, 0},
                                         BoxCase{{"0", "abc", "0", "0", "1", "2"}, 1},
                                         BoxCase{{"0", "0", "-1", "0", "1", "2"}, 2},
                                         BoxCase{{"0", "0", "0", "1.5", "1", "2"}, 3},
                                         BoxCase{{"0", "0", "0", "0", "0", "2"}, 4},
                                         BoxCase{{"0", "0", "0", "0", "1", "32768"}, 5},
                                         BoxCase{{"0", "0", "0", "0", "1", "2 3"}, 5},
                                         BoxCase{{"x", "x", "x", "x", "x", "x"}, 0}));

TEST(CsvBoxes, MessagesSayWhatABoxNeeds)
{
    EXPECT_EQ(checkCsvColumnBoxes({"", "0", "0", "0", "1", "2"}).message,
              "The box \"Sample Center Location:\" needs a column number: a whole number from 0 to 32767 "
              "(0 when the file has no such column).");
    EXPECT_EQ(checkCsvColumnBoxes({"0", "0", "0", "0", "1", "0"}).message,
              "The box \"Y rel:\" needs a column number: a whole number from 1 to 32767.");
    const auto columns = checkCsvColumnBoxes({"1", "2", "3", "4", "5", "6"}).columns;
    ASSERT_TRUE(columns.has_value());
    EXPECT_EQ(columns->CsvCenterLocCol, 1);
    EXPECT_EQ(columns->CsvDiePitchCol, 2);
    EXPECT_EQ(columns->CsvXIndexCol, 3);
    EXPECT_EQ(columns->CsvYIndexCol, 4);
    EXPECT_EQ(columns->CsvXRelCol, 5);
    EXPECT_EQ(columns->CsvYRelCol, 6);
}

// --- Row-wise field reading --------------------------------------------------------------------

TEST(FieldReaderLines, ReadsOneLineOfFieldsAtATime)
{
    FieldReader reader("a, b ,\"c,d\" x,\r\n\r\n\"q\"\n last");
    EXPECT_EQ(reader.nextLine(), (std::vector<std::string>{"a", "b", "c,d", ""}));
    EXPECT_EQ(reader.nextLine(), (std::vector<std::string>{""}));
    EXPECT_EQ(reader.nextLine(), (std::vector<std::string>{"q"}));
    EXPECT_EQ(reader.nextLine(), (std::vector<std::string>{"last"}));
    EXPECT_TRUE(reader.nextLine().empty());
}
