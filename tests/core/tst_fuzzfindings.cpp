// Faults found by the fuzz targets (tests/fuzz) and by the large-input tests, each kept as the
// smallest input that showed it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "importers/csvimport.h"
#include "importers/klaimport.h"

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

// Fields were quoted at any length, so a message grew with the file.
TEST(FuzzFindings, ImportMessagesQuotedLongFieldsWhole)
{
    const std::string longField(100, 'x');
    EXPECT_EQ(csvMessage("1," + longField + "\r\n"),
              "Row 1: the Y rel field, \"xxxxxxxxxxxxxxxxxxxxxxxx...\", is not a number.");
    EXPECT_EQ(klaMessage("FileVersion 1 2;\r\nDefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\r\n"
                         "DefectList\r\n 1 " + longField + " 0 0 0;\r\nSummary\r\nEndOfFile;\r\n"),
              "The file is damaged at line 4: \"xxxxxxxxxxxxxxxxxxxxxxxx...\" is not a number (XREL field of "
              "defect 1).");
}
