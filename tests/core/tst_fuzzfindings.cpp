// Faults found by the fuzz targets (tests/fuzz) and by the large-input tests, each kept as the
// smallest input that showed it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "importers/csvimport.h"
#include "importers/klaimport.h"
#include "text/fields.h"

using namespace solvane;

namespace {

struct Imported {
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::unique_ptr<DefectStore> defects = std::make_unique<DefectStore>();
};

std::string csvMessage(std::string_view text)
{
    Imported r;
    return importCsvDefects(text, CsvColumns{0, 0, 0, 0, 1, 2}, *r.profile, *r.defects).message;
}

std::string klaMessage(std::string_view text)
{
    Imported r;
    return importKlaResults(text, *r.profile, *r.defects).message;
}

}  // namespace

// A quoted CSV field that ran over lines was quoted whole, breaking the one-line message.
TEST(FuzzFindings, CsvMessageQuotedAFieldOverSeveralLinesWhole)
{
    EXPECT_EQ(csvMessage("\"12\r\n34\",2\r\n"), "Row 1: the X rel field, \"12??34\", is not a number.");
}

// Every word of a record was kept until its ";": one record of 50 MB took 750 MB of heap. A
// record spec now names at most 1000 columns; other records keep the two words they use.
TEST(FuzzFindings, KlaRecordsKeptEveryWord)
{
    const auto spec = [](int extraColumns) {
        std::string text = "FileVersion 1 2;\r\nDefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX";
        for (int i = 0; i < extraColumns; ++i) text += " C";
        return text + ";\r\nDefectList\r\n 1 100 100 1 1;\r\nSummary\r\nEndOfFile;\r\n";
    };
    EXPECT_EQ(klaMessage(spec(995)), "");
    EXPECT_EQ(klaMessage(spec(996)),
              "The file is damaged at line 2: the DefectRecordSpec names more than 1000 columns.");
    // Words past the ones used are passed over, as before.
    EXPECT_EQ(klaMessage("FileVersion 1 2;\r\nWaferID \"A\" x y z;\r\nSampleCenterLocation 1 2 3;\r\n"
                         "DefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\r\nDefectList\r\n 1 100 100 1 1;\r\n"
                         "Summary\r\nEndOfFile;\r\n"),
              "");
}

// A CSV row kept all its fields though the import uses a few columns: one row of 50 MB took
// 1.5 GB of heap. A row now keeps the fields up to the last column asked for.
TEST(FuzzFindings, CsvRowsKeptEveryField)
{
    FieldReader reader("a,b,\"c\r\n\",d\r\ne,f");
    EXPECT_EQ(reader.nextLine(2), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(reader.nextLine(2), (std::vector<std::string>{"e", "f"}));
    EXPECT_TRUE(reader.nextLine(2).empty());
    EXPECT_EQ(csvMessage("x,\"long\r\nfield\"," + std::string(100, ',') + "\r\n1,2\r\n"), "");
}

// A column box of many digits overflowed the number it was read into (undefined behaviour; found
// by fuzz_csvimport under UndefinedBehaviorSanitizer) before it was refused for its length.
TEST(FuzzFindings, CsvColumnBoxOfManyDigitsOverflowed)
{
    const CsvColumnsCheck check = checkCsvColumnBoxes({std::string(40, '8'), "0", "0", "0", "1", "2"});
    EXPECT_FALSE(check.columns.has_value());
    EXPECT_EQ(check.box, 0);
}
