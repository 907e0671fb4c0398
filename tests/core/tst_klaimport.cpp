#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "importers/klaimport.h"
#include "model/conversions.h"

using namespace solvane;
namespace fs = std::filesystem;

namespace {

const fs::path Fixtures = fs::path(SOLVANE_TEST_DATA) / "kla";
const fs::path Shared = fs::path(SOLVANE_SHARED_TESTDATA) / "klarf";
const std::string Spec5 = "DefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;";

// A results file with centre 100000 100000, pitch 10000 10000, this DefectRecordSpec line and these defects.
std::string resultsFile(const std::string& defects, const std::string& recordSpec = Spec5)
{
    return "FileVersion 1 1;\r\nSampleCenterLocation 100000.0 100000.0;\r\nDiePitch 10000.0 10000.0;\r\n" + recordSpec +
           "\r\nDefectList\r\n" + defects + "SummarySpec 2 TESTNO NDEFECT;\r\nSummaryList\r\n1 1;\r\nEndOfFile;\r\n";
}

// n defects in die (10, 10): defect i at X i/1000, Y 0.5 mm.
std::string manyDefects(int n)
{
    std::string lines;
    for (int i = 1; i <= n; ++i) lines += std::to_string(i) + " " + std::to_string(i) + " 500 10 10\r\n";
    return resultsFile(lines.replace(lines.size() - 2, 0, ";"));
}

struct Imported {
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::unique_ptr<DefectStore> defects = std::make_unique<DefectStore>();
    KlaImportResult result;
    const DefectRec& defect(int i) const { return (*defects)[static_cast<std::size_t>(i)]; }
    const PointRec& point(int i) const { return profile->Points[static_cast<std::size_t>(i)]; }
};

// Imports bytes, or the file at path when one is given, into a polar profile.
Imported import(std::string_view bytes, std::size_t wafer = 0, const fs::path& path = {})
{
    Imported out;
    out.profile->PolarSys = True;
    out.result = path.empty() ? importKlaResults(bytes, *out.profile, *out.defects, wafer)
                              : importKlaFile(path.string(), *out.profile, *out.defects, wafer);
    return out;
}

}  // namespace

// The worked example and three points on the axes under full, too few and no DefectRecordSpec names: point i is
// defect i, Theta comes from arctan (not xyarctan), and only the system's name changes.
TEST(KlaImport, WorkedExampleAndAxes)
{
    for (const char* line : {"DefectRecordSpec 9 DEFECTID XREL YREL XINDEX YINDEX XSIZE YSIZE DEFECTAREA DSIZE;",
                             Spec5.c_str(), "DefectRecordSpec 9;"}) {
        const auto r = import(
            resultsFile("1 5000.0 5000.0 10 10 0.0 0.0 0.0 0.0\r\n7 0 0 10 10 0 0 0 0\r\n"
                        "3 1000 0 10 10 0 0 0 0\r\n5 0 -1000 10 10 0 0 0 0;\r\n",
                        line));
        EXPECT_EQ(std::tuple(r.profile->PointCount, r.profile->CoordSys, r.profile->PolarSys, r.point(1).Flag),
                  std::tuple(4, "Rectangular", True, False))
            << line << ": " << r.result.message;
        EXPECT_EQ(std::tuple(r.defect(1).XIndex, r.defect(1).XRel, r.defect(2).DefectID, r.defect(4).DefectID),
                  std::tuple(10, 5000.0, 7, 5));
        EXPECT_EQ(std::tuple(r.point(1).X, r.point(1).Y, r.point(1).R, r.point(1).Theta),
                  std::tuple(5.0f, 5.0f, static_cast<float>(std::sqrt(50.0)), arctan(5.0f, 5.0f)));
        EXPECT_EQ(std::tuple(r.point(2).Theta, r.point(3).Theta, r.point(4).Theta, r.point(4).Y, r.point(4).R),
                  std::tuple(90.0f, 0.0f, 270.0f, -1.0f, 1.0f));
    }
    const auto half = import(resultsFile("2.5 0 0 2.5 -3.5;\r\n"));  // whole numbers round half to even
    EXPECT_EQ(std::tuple(half.defect(1).DefectID, half.defect(1).XIndex, half.defect(1).YIndex), std::tuple(2, 2, -4));
}

// Last points, X = XINDEX * pitchX/1000 + XREL/1000 - centreX/1000 (Y alike) worked by hand: reading rules, the
// largest import, our own fixtures (one quirk of real files each) and the shared files from real tools if present.
TEST(KlaImport, LastPoints)
{
    const std::string list = Spec5 + "\nDefectList\n";
    struct Case {
        std::string text;
        int count;
        float x, y;
        fs::path path = {};
        std::size_t wafer = 0;
    };
    const bool shared = fs::is_directory(Shared);
    for (const Case& c : std::vector<Case>{
             // other case, no space; EndOfFile anywhere; Summary ends the list; header after the list
             {"FileVersion 1 1;\nGarbage\nsamplecenterlocation 1 2;\nSampleCenterLocation 2000 0;\nNoSpace;\n" + list +
                  "1 0 0 1 1;\nSummaryList\nDiePitch 3000 4000;\n",
              1, 1.0f, 4.0f},
             {"FileVersion 1 1;\nSampleCenterLocation 1000 1000;\n" + list +
                  "1 0 0 0 0;\nSummaryList\nLotID \"xEndOfFilex\";\nDefectList\n2 0 0 0 0;\n",
              1, -1.0f, -1.0f},
             {resultsFile("1 0 0 10 10\r\n2 5000 0 10 10 \r\n"), 2, 5.0f, 0.0f},
             {resultsFile("1 0 0 10 10 \"q; r\" 3\r\n2 5000 0 10 10\t7;\r\n"), 2, 5.0f,
              0.0f},                                                       // quotes, \";\" at the end
             {manyDefects(1000), 1000, 1.0f, 0.5f},                        // 100 + 1 - 100
             {"", 2, 9.7495f, 0.0f, Fixtures / "bom_lf_noend.dat"},        // BOM, LF, no last line end
             {"", 4, 7.7f, 8.8f, Fixtures / "crlf_imagelist_blocks.dat"},  // image pairs, four lists
             {"", 2, -25.0f, -30.0f, Fixtures / "columns_order.dat"},      // columns found by name
             {"", 1, -0.5f, -1.0f, Fixtures / "two_wafers.dat", 1},        // the second wafer
             {"", 95, 3.915312f, 84.848551f, Shared / "wafermap-clustering_QUU_NUU.000", 2},  // the third wafer
             {"", 0, 0.0f, 0.0f, Shared / "wafermap-clustering_klarf_no_defect.000"}}) {
        if (c.path.parent_path() == Shared && !shared) continue;
        const auto r = import(c.text, c.wafer, c.path);
        EXPECT_EQ(std::tuple(r.result.status, int{r.profile->PointCount}), std::tuple(ImportStatus::Ok, c.count))
            << c.path << c.text.substr(0, 100) << ": " << r.result.message;
        EXPECT_LT(std::hypot(r.point(c.count).X - c.x, r.point(c.count).Y - c.y), 3e-5f) << c.path;
    }
    if (!shared) GTEST_SKIP() << "the shared results files are not here (" << Shared.string() << ")";
}

// Plain defect lines are read many bytes a step; a last word holding an "O" sends the same line
// through the token rules instead. Both must agree whatever the blanks, the image pairs and wherever
// the words cross a step.
TEST(KlaImport, SweptLinesReadAsTheTokenRulesDo)
{
    const std::string spec = "DefectRecordSpec 8 DEFECTID XREL YREL TEST XINDEX YINDEX IMAGECOUNT IMAGELIST;";
    std::string swept;
    std::string tokens;
    for (int i = 1; i <= 48; ++i) {
        const std::string gap(1 + i % 3, i % 2 == 0 ? ' ' : '\t');
        std::string line = std::string(i % 5, ' ') + std::to_string(i);
        for (const std::string& word :
             std::vector<std::string>{"1.25000000" + std::to_string(i) + "e+00" + std::to_string(i % 4),
                                      std::to_string(-7 * i) + ".125", std::string(i % 7 + 1, '9'),
                                      std::to_string(i % 9 - 4), "-3", "1", std::to_string(i % 3)})
            line += gap + word;
        for (int pair = 0; pair < i % 3; ++pair) line += gap + std::to_string(pair) + " 0";
        swept += line + (i % 4 == 0 ? gap : "") + "\r\n";
        tokens += line + " O\r\n";
    }
    const auto plain = import(resultsFile(swept + ";\r\n", spec));
    const auto general = import(resultsFile(tokens + ";\r\n", spec));
    ASSERT_EQ(plain.result.status, ImportStatus::Ok) << plain.result.message;
    ASSERT_EQ(general.profile->PointCount, 48);
    ASSERT_EQ(plain.profile->PointCount, 48);
    for (int i = 1; i <= 48; ++i) {
        EXPECT_EQ(plain.defect(i).DefectID, general.defect(i).DefectID) << i;
        EXPECT_EQ(plain.defect(i).XRel, general.defect(i).XRel) << i;
        EXPECT_EQ(plain.defect(i).YRel, general.defect(i).YRel) << i;
        EXPECT_EQ(plain.defect(i).XIndex, general.defect(i).XIndex) << i;
        EXPECT_EQ(plain.defect(i).YIndex, -3) << i;
    }
}

// Inputs refused with one plain sentence (a damaged file says where, whatever its line ends) and no points; the
// wafer list.
TEST(KlaImport, RefusalsAndWaferList)
{
    struct Case {
        std::string text;
        ImportStatus status;
        std::string message;
        std::size_t wafer = 0;
        fs::path path = {};
    };
    std::vector<Case> cases{
        {"", ImportStatus::InvalidFileType,
         "The file uses the nested \"Record\" layout of version 1.8, which cannot be imported; a results file must "
         "begin with FileVersion.",
         0, Fixtures / "record18.dat"},
        {resultsFile("1 5000.0 5000.0 10 10;\r\n"), ImportStatus::NoSuchWafer,
         "The file holds 1 wafer; there is no wafer 2.", 1},
        {manyDefects(1001), ImportStatus::TooManyDefects,
         "The file holds 1001 defects; an import takes at most 1000."}};
    for (const char* text : {"Name,X,Y\r\nd1,1,2\r\n", "", "\r\nFileVersion 1;", "fileversion 1;", "FileVersio 1;"})
        cases.push_back({text, ImportStatus::InvalidFileType,
                         "The file is not a results file: it does not begin with FileVersion."});
    const std::string head =
        "FileVersion 1 1;\nDefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX IMAGELIST;\nDefectList\n";
    const std::string tail = "SummaryList\n1 1;\nEndOfFile;\n";
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {head + "1 0 0 0 0 0\n2 0 0 0 0 0\n", "5: the file ends inside the defect list that begins at line 3"},
             {head + "1 0 0 0 0 0\n2 1,5 0 0 0 0;\n" + tail, "5: \"1,5\" is not a number (XREL field of defect 2)"},
             {head + "1 0 0 40000 0 0;\n" + tail,
              "4: \"40000\" is not a whole number from -32768 to 32767 (XINDEX field of defect 1)"},
             {head + "1 0 0 0 0 x;\n" + tail, "4: the IMAGELIST count \"x\" of defect 1 is not a whole number"},
             {"FileVersion 1;\nDefectList\n1 0 0 0 0;\n" + tail, "3: a defect list comes before any DefectRecordSpec"},
             {"FileVersion 1 1;\nDefectRecordSpec 4 DEFECTID XREL YREL YINDEX;\n",
              "2: the DefectRecordSpec names no XINDEX column"},
             {head + "1 1e300 0 0 0 0;\n" + tail, "defect 1 lies too far out to be a point"}})
        cases.push_back(
            {text, ImportStatus::Damaged,
             "The file is damaged" + (std::isdigit(message[0]) ? " at line " + message : ": " + message) + "."});
    // CR LF, LF and CR each end one line, mixed too: a fault is placed on the line it is on.
    cases.push_back(
        {"FileVersion 1 1;\rSampleCenterLocation 0 0;\n" + Spec5 + "\r\nDefectList\r1 0 0 1 1\n2 0 0 x 1;\r\n",
         ImportStatus::Damaged,
         "The file is damaged at line 6: \"x\" is not a whole number from -32768 to 32767 (XINDEX field "
         "of defect 2)."});
    for (const Case& c : cases) {
        const auto r = import(c.text, c.wafer, c.path);
        EXPECT_EQ(std::tuple(r.result.status, r.result.message, int{r.profile->PointCount}, r.point(1).X),
                  std::tuple(c.status, c.message, 0, 0.0f))
            << c.path << c.text.substr(0, 100);
    }
    const auto two = import({}, 0, Fixtures / "two_wafers.dat").result.wafers;
    const auto bom = import({}, 0, Fixtures / "bom_lf_noend.dat").result.wafers;  // slots are kept as written
    EXPECT_EQ(std::tuple(two.size(), two.at(1).WaferID, two.at(1).Slot, two.at(1).DefectCount, bom.at(0).Slot),
              std::tuple(2u, "B2", "4", 1, "07"));
}
