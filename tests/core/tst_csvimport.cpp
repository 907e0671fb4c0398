#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "importers/csvimport.h"

using namespace solvane;

namespace {

const CsvColumns RelOnly{0, 0, 0, 0, 1, 2};

struct Imported {
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::unique_ptr<DefectStore> defects = std::make_unique<DefectStore>();
    CsvImportResult result;
};

// Imports text, or with rows > 0 that many rows of X rel i, Y rel -500.
Imported import(std::string text, const CsvColumns& columns = RelOnly, int rows = 0)
{
    for (int i = 1; i <= rows; ++i) text += std::to_string(i) + ",-500\r\n";
    Imported out;
    out.result = importCsvDefects(text, columns, *out.profile, *out.defects);
    return out;
}

}  // namespace

// Point count and last point, converted as results files are.
TEST(CsvImport, RowsBecomePoints)
{
    // text, columns, rows added, points, the last one's X and Y
    for (const auto& [text, columns, rows, count, x, y] :
         std::vector<std::tuple<std::string, CsvColumns, int, int, float, float>>{
             // Our fixture (BOM, headings, blank lines, quotes, centre " X Y ", 1e3); then the help file's example.
             {loadImportFile(SOLVANE_TEST_DATA "/csv/defects.csv").bytes, {2, 3, 4, 5, 6, 7}, 0, 3, -205.0f, -69.0f},
             // clang-format off
             {"Defect,XIndex,YIndex,XRel,YRel,Centre,Pitch\r\n1,10,10,5000,5000,100000,10000\r\n"
              "2,3,-2,1250.5,800,100000 95000,10000 8000\r\n", {6, 7, 2, 3, 4, 5}, 0, 2, -68.7495f, -110.2f},
             // clang-format on
             {"y,_,_,xi,x,extra\n2000,a,b,3,1000,zzz\n", {0, 0, 4, 0, 5, 1}, 0, 1, 1.0f, 2.0f},  // any order, no pitch
             {"1000,0\r2000,0\n3000,0", RelOnly, 0, 3, 3.0f, 0.0f},  // CR, LF, no last line end
             {"XRel,YRel\r\n", RelOnly, 1000, 1000, 1.0f, -0.5f}}) {
        const auto r = import(text, columns, rows);
        EXPECT_EQ(std::tuple(r.result.status, int{r.profile->PointCount}, r.profile->CoordSys),
                  std::tuple(ImportStatus::Ok, count, "Rectangular"))
            << text << r.result.message;
        const PointRec& p = r.profile->Points[static_cast<std::size_t>(count)];
        EXPECT_NEAR(p.X, x, 2e-5f) << text;
        EXPECT_NEAR(p.Y, y, 2e-5f) << text;
    }
}

// Refused files: one plain sentence naming the row and the field, and no points.
TEST(CsvImport, RefusedFilesSayWhy)
{
    const CsvColumns six{1, 2, 3, 4, 5, 6};
    using Case = std::tuple<std::string, CsvColumns, int, std::string>;
    for (const auto& [text, columns, rows, message] : std::vector<Case>{
             {"c,p,xi,yi,xr,yr\n0,0,0,0,5,x\n", six, 0, "Row 2: the Y rel field, \"x\", is not a number."},
             {"0,0,0,40000,5,5\n", six, 0,
              "Row 1: the Y index field, \"40000\", is not a whole number from -32768 to 32767."},
             {"1 2 3,0,0,0,5,5\n", six, 0,
              "Row 1: the Sample Center Location field, \"1 2 3\", is not one number or two (X Y)."},
             {"0,0,0,0,5\n", six, 0, "Row 1: the row has no Y rel field."},
             {"0,0,0,0,1e300,0\n", six, 0, "Defect row 1 of the file lies too far out to be a point."},
             {"XRel,YRel\r\n", RelOnly, 1001, "The file holds 1001 defect rows; an import takes at most 1000."},
             {"1,2\n", {0, 0, 0, 0, 1, 0}, 0, "The columns of X rel and Y rel must be given (numbers from 1 up)."},
             // A binary file (and headings alone, the same way) used to empty the profile without a word.
             {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), RelOnly, 0,
              "The file holds no defect rows: no row has numbers in columns 1 and 2 (X rel and Y rel)."}}) {
        const auto r = import(text, columns, rows);
        EXPECT_EQ(std::tuple(r.result.message, int{r.profile->PointCount}, r.profile->Points[1].X),
                  std::tuple(message, 0, 0.0f));
    }
}

// The dialog's boxes take whole numbers from 0 (from 1 for X rel and Y rel) to 32767; the first bad box is named.
TEST(CsvImport, ColumnBoxes)
{
    const std::string needs = "\" needs a column number: a whole number from ";
    for (const auto& [texts, box, message] : std::vector<std::tuple<std::array<std::string, 6>, int, std::string>>{
             {{" 3 ", "4", "5", "6", "7", "32767"}, -1, ""},
             {{"", "0", "0", "0", "1", "2"},
              0,
              "The box \"Sample Center Location:" + needs + "0 to 32767 (0 when the file has no such column)."},
             {{"0", "0", "0", "0", "0", "2"}, 4, "The box \"X rel:" + needs + "1 to 32767."},
             {{"0", "0", "0", "0", "1", "32768"}, 5, "The box \"Y rel:" + needs + "1 to 32767."}}) {
        const auto check = checkCsvColumnBoxes(texts);
        EXPECT_EQ(std::tuple(check.box, check.columns.has_value(), check.message), std::tuple(box, box < 0, message));
    }
}
