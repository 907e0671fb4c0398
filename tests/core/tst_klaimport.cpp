#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "importers/klaimport.h"
#include "model/conversions.h"

using namespace solvane;

namespace {

constexpr float Tol = 2e-5f;  // a few float steps at the magnitudes below 100 mm

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A results file with the given defect lines, centre 100000 100000 and pitch 10000 10000.
std::string resultsFile(const std::string& defectLines,
                        const std::string& spec = "DefectRecordSpec 9 DEFECTID XREL YREL XINDEX YINDEX XSIZE YSIZE "
                                                  "DEFECTAREA DSIZE;")
{
    return "FileVersion 1 1;\r\n"
           "SampleCenterLocation 100000.0 100000.0;\r\n"
           "DiePitch 10000.0 10000.0;\r\n" +
           spec + "\r\nDefectList\r\n" + defectLines +
           "SummarySpec 2 TESTNO NDEFECT;\r\nSummaryList\r\n1 1;\r\nEndOfFile;\r\n";
}

std::string manyDefects(int n)
{
    std::string lines;
    for (int i = 1; i <= n; ++i)
        lines += std::to_string(i) + " " + std::to_string(i) + ".0 500.0 10 10 0 0 0 0" + (i == n ? ";" : "") + "\r\n";
    return lines;
}

struct Imported {
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::unique_ptr<DefectStore> defects = std::make_unique<DefectStore>();
    KlaImportResult result;
};

Imported import(std::string_view bytes, std::size_t wafer = 0)
{
    Imported out;
    out.result = importKlaResults(bytes, *out.profile, *out.defects, wafer);
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

}  // namespace

// --- The worked example, with the spec line in the forms a file may give it -----------------

class KlaWorkedExample : public testing::TestWithParam<std::string> {};

TEST_P(KlaWorkedExample, OneDefectGivesFiveFive)
{
    const auto r = import(resultsFile("1 5000.0 5000.0 10 10 0.0 0.0 0.0 0.0\r\n", GetParam()));
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    EXPECT_EQ(r.profile->PointCount, 1);
    EXPECT_EQ(r.profile->CoordSys, "Rectangular");
    const PointRec& p = r.profile->Points[1];
    EXPECT_FLOAT_EQ(p.X, 5.0f);
    EXPECT_FLOAT_EQ(p.Y, 5.0f);
    EXPECT_NEAR(p.R, 7.0710678f, 1e-6f);
    EXPECT_FLOAT_EQ(p.Theta, 45.0f);
    const DefectRec& d = (*r.defects)[1];
    EXPECT_EQ(d.DefectID, 1);
    EXPECT_EQ(d.XIndex, 10);
    EXPECT_EQ(d.YIndex, 10);
    EXPECT_EQ(d.XRel, 5000.0);
    EXPECT_EQ(r.result.wafers.size(), 1u);
    EXPECT_EQ(r.result.wafers[0].DefectCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    SpecLines, KlaWorkedExample,
    testing::Values("DefectRecordSpec 9 DEFECTID XREL YREL XINDEX YINDEX XSIZE YSIZE DEFECTAREA DSIZE;",
                    "DefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;",  // fewer names than fields
                    "DefectRecordSpec 9;",                                   // no names: the fixed order
                    "DefectRecordSpec 9 A B C D E F G H I;"));                // unknown names: the fixed order

TEST(KlaImport, ChangesOnlyTheCoordinateSystemNameAndLeavesFlagAlone)
{
    Imported r;
    r.profile->PolarSys = True;
    r.profile->RectSys = False;
    r.profile->Points[1].Flag = True;
    r.result = importKlaResults(resultsFile("1 5000.0 5000.0 10 10 0 0 0 0;\r\n"), *r.profile, *r.defects);
    ASSERT_EQ(r.result.status, ImportStatus::Ok);
    EXPECT_EQ(r.profile->CoordSys, "Rectangular");
    EXPECT_EQ(r.profile->PolarSys, True);
    EXPECT_EQ(r.profile->RectSys, False);
    EXPECT_EQ(r.profile->Points[1].Flag, True);
}

TEST(KlaImport, PointIIsDefectIInFileOrder)
{
    const auto r = import(resultsFile("7 0 0 10 10 0 0 0 0\r\n3 1000 0 10 10 0 0 0 0\r\n5 0 -1000 10 10 0 0 0 0;\r\n"));
    ASSERT_EQ(r.result.status, ImportStatus::Ok);
    ASSERT_EQ(r.profile->PointCount, 3);
    EXPECT_EQ((*r.defects)[1].DefectID, 7);
    EXPECT_EQ((*r.defects)[3].DefectID, 5);
    expectPoint(*r.profile, 1, 0.0f, 0.0f);
    expectPoint(*r.profile, 2, 1.0f, 0.0f);
    expectPoint(*r.profile, 3, 0.0f, -1.0f);
    EXPECT_EQ(r.profile->Points[1].Theta, 90.0f);  // the origin
    EXPECT_EQ(r.profile->Points[2].Theta, 0.0f);   // positive X axis: arctan, not xyarctan
    EXPECT_EQ(r.profile->Points[3].Theta, 270.0f);
}

// --- Capacity ------------------------------------------------------------------------------

TEST(KlaImport, ThousandDefectsImport)
{
    const auto r = import(resultsFile(manyDefects(1000)));
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    EXPECT_EQ(r.profile->PointCount, 1000);
    EXPECT_EQ((*r.defects)[1000].DefectID, 1000);
    expectPoint(*r.profile, 1000, 1.0f, 0.5f);  // 10 * 10 + 1000/1000 - 100
}

TEST(KlaImport, ThousandAndOneDefectsImportNothingAndSayHowMany)
{
    const auto r = import(resultsFile(manyDefects(1001)));
    EXPECT_EQ(r.result.status, ImportStatus::TooManyDefects);
    EXPECT_EQ(r.profile->PointCount, 0);
    EXPECT_EQ(r.profile->Points[1].X, 0.0f);
    EXPECT_EQ(r.result.message, "The file holds 1001 defects; an import takes at most 1000.");
    EXPECT_EQ(r.result.wafers[0].DefectCount, 1001);
}

// --- File type -----------------------------------------------------------------------------

TEST(KlaImport, AFirstFieldBeginningWithFileVersionPasses)
{
    for (const char* text : {"FileVersion 1 1;\r\n", "FileVersion 1 1;", "  FileVersion 1 2;\n", "FileVersionX\n"}) {
        const auto r = import(text);
        EXPECT_EQ(r.result.status, ImportStatus::Ok) << text;
        EXPECT_EQ(r.profile->PointCount, 0);
        EXPECT_EQ(r.result.wafers.size(), 1u);
    }
}

TEST(KlaImport, OtherFilesAreTheWrongType)
{
    for (const char* text : {"Name,X,Y\r\nd1,1,2\r\n", "", "\r\nFileVersion 1 1;\r\n", "fileversion 1 1;\n",
                             "FileVersio 1 1;\n"}) {
        const auto r = import(text);
        EXPECT_EQ(r.result.status, ImportStatus::InvalidFileType) << text;
        EXPECT_EQ(r.profile->PointCount, 0);
        EXPECT_EQ(r.profile->CoordSys, "Rectangular");
        EXPECT_EQ(r.result.message, "The file is not a results file: it does not begin with FileVersion.");
    }
    EXPECT_STREQ(KlaFileTypeErrorText, "File type error, please re-enter");
    EXPECT_STREQ(KlaFileTypeErrorTitle, "Invalid file type");
}

// --- What the reading passes over or stops at -----------------------------------------------

TEST(KlaImport, LinesWithoutSpaceAndUnknownKeywordsArePassedOver)
{
    const std::string text = "FileVersion 1 1;\nGarbage\nsamplecenterlocation 1 2;\nLotID \"a\";\n"
                             "SampleCenterLocation 2000 0;\nNoSpaceHere;\n"
                             "DefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\nDefectList\n1 0 0 0 0;\n"
                             "SummaryList\n1 1;\nEndOfFile;\n";
    const auto r = import(text);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    expectPoint(*r.profile, 1, -2.0f, 0.0f);
}

TEST(KlaImport, EndOfFileAnywhereInALineStopsTheReading)
{
    const std::string text = "FileVersion 1 1;\nSampleCenterLocation 1000 1000;\n"
                             "DefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\nDefectList\n1 0 0 0 0;\n"
                             "SummaryList\n1 1;\nLotID \"xEndOfFilex\";\nSampleCenterLocation 5000 5000;\n"
                             "DefectList\n2 0 0 0 0;\n";
    const auto r = import(text);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    EXPECT_EQ(r.profile->PointCount, 1);
    expectPoint(*r.profile, 1, -1.0f, -1.0f);
}

TEST(KlaImport, ASummaryLineEndsTheListWithoutItsSemicolon)
{
    const auto r = import(resultsFile("1 5000.0 5000.0 10 10 0 0 0 0\r\n2 0 0 10 10 0 0 0 0 \r\n"));
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    EXPECT_EQ(r.profile->PointCount, 2);
}

TEST(KlaImport, CentreAndPitchReadAfterTheListStillApply)
{
    const std::string text = "FileVersion 1 1;\nDefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\nDefectList\n"
                             "1 0 0 1 1;\nSummaryList\n1 1;\nDiePitch 3000 4000;\nEndOfFile;\n";
    const auto r = import(text);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    expectPoint(*r.profile, 1, 3.0f, 4.0f);
}

TEST(KlaImport, WholeNumberFieldsRoundHalfToEven)
{
    const auto r = import(resultsFile("2.5 0 0 2.5 -3.5 0 0 0 0;\r\n"));
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    EXPECT_EQ((*r.defects)[1].DefectID, 2);
    EXPECT_EQ((*r.defects)[1].XIndex, 2);
    EXPECT_EQ((*r.defects)[1].YIndex, -4);
}

// --- Damaged files: a plain message and no points -------------------------------------------

struct DamagedCase {
    const char* name;
    std::string text;
    const char* message;
};

class KlaDamaged : public testing::TestWithParam<DamagedCase> {};

TEST_P(KlaDamaged, LeavesTheProfileEmpty)
{
    const auto r = import(GetParam().text);
    EXPECT_EQ(r.result.status, ImportStatus::Damaged);
    EXPECT_EQ(r.result.message, GetParam().message);
    EXPECT_EQ(r.profile->PointCount, 0);
    EXPECT_EQ(r.profile->Points[1].X, 0.0f);
    EXPECT_EQ(r.profile->CoordSys, "Rectangular");
}

const std::string Head = "FileVersion 1 1;\nDefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX IMAGELIST;\n";
const std::string Tail = "SummaryList\n1 1;\nEndOfFile;\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, KlaDamaged,
    testing::Values(
        DamagedCase{"TruncatedInsideTheList", Head + "DefectList\n1 0 0 0 0 0\n2 0 0 0 0 0\n",
                    "The file is damaged at line 5: the file ends inside the defect list that begins at line 3."},
        DamagedCase{"TruncatedInsideADefect", Head + "DefectList\n1 0 0 0 0 0\n2 0 0",
                    "The file is damaged at line 5: defect 2 has only 3 fields."},
        DamagedCase{"TruncatedInsideImagePairs", Head + "DefectList\n1 0 0 0 0 1\n",
                    "The file is damaged at line 4: the file ends inside the defect list that begins at line 3."},
        DamagedCase{"NotANumber", Head + "DefectList\n1 0 0 0 0 0\n2 1,5 0 0 0 0;\n" + Tail,
                    "The file is damaged at line 5: \"1,5\" is not a number (XREL field of defect 2)."},
        DamagedCase{"IndexOutOfRange", Head + "DefectList\n1 0 0 40000 0 0;\n" + Tail,
                    "The file is damaged at line 4: \"40000\" is not a whole number from -32768 to 32767 "
                    "(XINDEX field of defect 1)."},
        DamagedCase{"FixedOrderNotANumber",
                    "FileVersion 1 1;\nDefectRecordSpec 8;\nDefectList\n1 0 0 x 0 0 0 0;\n" + Tail,
                    "The file is damaged at line 4: \"x\" is not a whole number from -32768 to 32767 "
                    "(field 4 of defect 1)."},
        DamagedCase{"NoSummary", Head + "DefectList\n1 0 0 0 0 0;\nEndOfFile;\n",
                    "The file is damaged at line 5: the defect list that begins at line 3 is not followed by a "
                    "Summary."},
        DamagedCase{"EndOfFileInsideTheList", Head + "DefectList\n1 0 0 0 0 0\nEndOfFile;\n",
                    "The file is damaged at line 5: EndOfFile comes inside the defect list that begins at line 3."},
        DamagedCase{"TooFewFields", Head + "DefectList\n1 0 0 0\n2 0 0 0 0 0;\n" + Tail,
                    "The file is damaged at line 4: defect 1 has only 4 fields."},
        DamagedCase{"ImageCountNotANumber", Head + "DefectList\n1 0 0 0 0 x;\n" + Tail,
                    "The file is damaged at line 4: the IMAGELIST count \"x\" of defect 1 is not a whole number."},
        DamagedCase{"ListEndsBeforeImagePairs", Head + "DefectList\n1 0 0 0 0 2 1 0;\n" + Tail,
                    "The file is damaged at line 4: defect 1 ends before its IMAGELIST pairs."},
        DamagedCase{"ListBeforeAnySpec", "FileVersion 1 1;\nDefectList\n1 0 0 0 0;\n" + Tail,
                    "The file is damaged at line 3: a defect list comes before any DefectRecordSpec."},
        DamagedCase{"SpecWithoutIndexColumn",
                    "FileVersion 1 1;\nDefectRecordSpec 4 DEFECTID XREL YREL YINDEX;\nDefectList;\n" + Tail,
                    "The file is damaged at line 2: the DefectRecordSpec names no XINDEX column."},
        DamagedCase{"CentreWithOneNumber", "FileVersion 1 1;\nSampleCenterLocation 5000;\n" + Tail,
                    "The file is damaged at line 2: SampleCenterLocation needs two numbers."},
        DamagedCase{"PositionBeyondFloat", Head + "DefectList\n1 1e300 0 0 0 0;\n" + Tail,
                    "The file is damaged: defect 1 lies too far out to be a point."}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

// --- Wafers --------------------------------------------------------------------------------

TEST(KlaImport, AWaferNumberBeyondTheFileImportsNothing)
{
    const auto r = import(resultsFile("1 5000.0 5000.0 10 10 0 0 0 0;\r\n"), 1);
    EXPECT_EQ(r.result.status, ImportStatus::NoSuchWafer);
    EXPECT_EQ(r.result.message, "The file holds 1 wafer; there is no wafer 2.");
    EXPECT_EQ(r.profile->PointCount, 0);
}

TEST(KlaImport, ListingReadsEveryWaferWithoutImporting)
{
    const auto fixture = readBytes(std::filesystem::path(SOLVANE_TEST_DATA) / "kla" / "two_wafers.dat");
    const KlaImportResult list = listKlaWafers(fixture);
    ASSERT_EQ(list.status, ImportStatus::Ok) << list.message;
    ASSERT_EQ(list.wafers.size(), 2u);
    EXPECT_EQ(list.wafers[0].WaferID, "A1");
    EXPECT_EQ(list.wafers[0].Slot, "3");
    EXPECT_EQ(list.wafers[0].DefectCount, 2);
    EXPECT_EQ(list.wafers[1].WaferID, "B2");
    EXPECT_EQ(list.wafers[1].Slot, "4");
    EXPECT_EQ(list.wafers[1].DefectCount, 1);
}

// --- Our own fixtures: one quirk of real files each ----------------------------------------

struct FixtureCase {
    const char* file;
    std::size_t wafer;
    int count;
    float firstX, firstY, lastX, lastY;
    const char* waferId;
    const char* slot;
};

class KlaFixture : public testing::TestWithParam<FixtureCase> {};

TEST_P(KlaFixture, ImportsTheHandWorkedPositions)
{
    const FixtureCase& c = GetParam();
    const auto path = std::filesystem::path(SOLVANE_TEST_DATA) / "kla" / c.file;
    Imported r;
    r.result = importKlaFile(path.string(), *r.profile, *r.defects, c.wafer);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    ASSERT_EQ(r.profile->PointCount, c.count);
    expectPoint(*r.profile, 1, c.firstX, c.firstY);
    expectPoint(*r.profile, c.count, c.lastX, c.lastY);
    EXPECT_EQ(r.result.wafers[c.wafer].WaferID, c.waferId);
    EXPECT_EQ(r.result.wafers[c.wafer].Slot, c.slot);
}

INSTANTIATE_TEST_SUITE_P(
    Files, KlaFixture,
    testing::Values(
        // BOM, LF, no final line end: (20*2000)/1000 + 1 - 50 = -9, (10*4000)/1000 + .5 - 60 = -19.5;
        // 60 - .2505 - 50 = 9.7495, 60 + 0 - 60 = 0.
        FixtureCase{"bom_lf_noend.dat", 0, 2, -9.0f, -19.5f, 9.7495f, 0.0f, "W7", "07"},
        // CR LF, tabs, image pairs on the next line, four lists: 1 + .1, 2 + .2 ... 7 + .7, 8 + .8.
        FixtureCase{"crlf_imagelist_blocks.dat", 0, 4, 1.1f, 2.2f, 7.7f, 8.8f, "", ""},
        // Columns by name: 3*5 + .3 - 10 = 5.3, 2*5 + .4 - 20 = -9.6; -15 - 10 = -25, -10 - 20 = -30.
        FixtureCase{"columns_order.dat", 0, 2, 5.3f, -9.6f, -25.0f, -30.0f, "", ""},
        // Wafer A1: 1 + .1 - 5 = -3.9, 2 + .1 - 5 = -2.9; 2 + .2 - 5 = -2.8, 4 + .2 - 5 = -0.8.
        FixtureCase{"two_wafers.dat", 0, 2, -3.9f, -2.9f, -2.8f, -0.8f, "A1", "3"},
        // Wafer B2: 0 + .5 - 1 = -0.5, 2 + 0 - 3 = -1.
        FixtureCase{"two_wafers.dat", 1, 1, -0.5f, -1.0f, -0.5f, -1.0f, "B2", "4"}),
    [](const testing::TestParamInfo<FixtureCase>& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.')) + "_wafer" + std::to_string(info.param.wafer + 1);
        return name;
    });

TEST(KlaImport, TheNestedRecordLayoutIsTheWrongType)
{
    const auto fixture = readBytes(std::filesystem::path(SOLVANE_TEST_DATA) / "kla" / "record18.dat");
    ASSERT_FALSE(fixture.empty());
    const auto r = import(fixture);
    EXPECT_EQ(r.result.status, ImportStatus::InvalidFileType);
    EXPECT_NE(r.result.message.find("\"Record\" layout of version 1.8"), std::string::npos) << r.result.message;
    EXPECT_EQ(r.profile->PointCount, 0);
}

TEST(KlaImport, ImagePairsAndListsOfOneWaferAppend)
{
    const auto fixture = readBytes(std::filesystem::path(SOLVANE_TEST_DATA) / "kla" / "crlf_imagelist_blocks.dat");
    const auto r = import(fixture);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ((*r.defects)[static_cast<std::size_t>(i)].DefectID, i);
        expectPoint(*r.profile, i, 1.1f * static_cast<float>(2 * i - 1), 2.2f * static_cast<float>(i));
    }
}

// --- Files from real tools -----------------------------------------------------------------

struct SharedCase {
    const char* file;
    std::size_t wafer;
    int count;  // defects of that wafer
    int firstId;
    float firstX, firstY;
    int lastId;
    float lastX, lastY;
};

class KlaSharedFile : public testing::TestWithParam<SharedCase> {};

TEST_P(KlaSharedFile, ImportsTheHandWorkedPositions)
{
    const SharedCase& c = GetParam();
    const std::filesystem::path folder = std::filesystem::path(SOLVANE_SHARED_TESTDATA) / "klarf";
    if (!std::filesystem::is_directory(folder))
        GTEST_SKIP() << "the shared results files are not here (" << folder.string() << ")";
    Imported r;
    r.result = importKlaFile((folder / c.file).string(), *r.profile, *r.defects, c.wafer);
    ASSERT_EQ(r.result.status, ImportStatus::Ok) << r.result.message;
    ASSERT_EQ(r.profile->PointCount, c.count);
    if (c.count == 0) return;
    EXPECT_EQ((*r.defects)[1].DefectID, c.firstId);
    EXPECT_EQ((*r.defects)[static_cast<std::size_t>(c.count)].DefectID, c.lastId);
    expectPoint(*r.profile, 1, c.firstX, c.firstY);
    expectPoint(*r.profile, c.count, c.lastX, c.lastY);
}

// Positions: X = XINDEX * pitchX/1000 + XREL/1000 - centreX/1000, worked out from each file's
// DiePitch, SampleCenterLocation and first and last defect lines.
INSTANTIATE_TEST_SUITE_P(
    Files, KlaSharedFile,
    testing::Values(
        // centre 2394.8 2090.32, pitch 2489.96 2259.92; -87.1486 + .55264 - 2.3948; 79.67872 + 1.75312 - 2.3948.
        SharedCase{"klarfkit_CPS3TwithoutReview.001", 0, 16, 1, -88.99076f, -21.38652f, 16, 79.03704f, -21.92352f},
        // centre -20 2000, pitch 2500 2500, XREL after the absolute X and Y: 2.5 + 4.958616 + .02.
        SharedCase{"jklarfreader_klarf12DefectListExample.klarf", 0, 13, 1, 7.478616f, 29.483252f, 13, 7.059866f,
                   29.48572f},
        // centre 5765.4 2777.7, pitch 11234 2234.5: -11.234 + 5.5 - 5.7654; 11.234 + 8.1 - 5.7654.
        SharedCase{"jklarfreader_klarf12Example.klarf", 0, 2, 1, -11.4994f, -0.6122f, 2, 13.5686f, 3.5568f},
        // centre 75000 75000: 3.500123 - 75, 75.000123 - 75.
        SharedCase{"jklarfreader_simple12.klarf", 0, 1, 1, -71.499877f, 0.000123f, 1, -71.499877f, 0.000123f},
        // centre 6902 3568, pitch 2459.878 2659.947; wafer "02" first, wafer "01" last.
        SharedCase{"wafermap-clustering_QUU_NUU.000", 0, 56, 1, -24.276624f, -86.930504f, 56, -13.542234f, 79.958457f},
        SharedCase{"wafermap-clustering_QUU_NUU.000", 2, 95, 1, -24.350624f, -90.166551f, 95, 3.915312f, 84.848551f},
        SharedCase{"wafermap-clustering_klarf_no_defect.000", 0, 0, 0, 0, 0, 0, 0, 0},
        // centre 3963 0, pitch 3963 1669: 1.5647 - 3.963, -25.035 + .0806; -27.741 + 2.4322 - 3.963.
        SharedCase{"synthetic_bom_twoline.001", 0, 40, 1, -2.3983f, -24.9544f, 40, -29.2718f, -1.5516f},
        // centre 11155.190315 93489.81313, indices 0: 99.98706567 - 11.15519032, 7.25776871 - 93.48981313.
        SharedCase{"klarfio_testfile_v1.2.klarf", 0, 4, 0, 88.831875f, -86.232044f, 6, 17.575378f, -86.131837f}),
    [](const testing::TestParamInfo<SharedCase>& info) {
        std::string name = info.param.file;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name + "_wafer" + std::to_string(info.param.wafer + 1);
    });

TEST(KlaSharedFiles, WafersOfOneFileAreListedWithTheirCounts)
{
    const std::filesystem::path path =
        std::filesystem::path(SOLVANE_SHARED_TESTDATA) / "klarf" / "wafermap-clustering_QUU_NUU.000";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "the shared results files are not here (" << path.string() << ")";
    const KlaImportResult list = listKlaWafers(readBytes(path));
    ASSERT_EQ(list.status, ImportStatus::Ok) << list.message;
    ASSERT_EQ(list.wafers.size(), 3u);
    EXPECT_EQ(list.wafers[0].WaferID, "02");
    EXPECT_EQ(list.wafers[1].WaferID, "06");
    EXPECT_EQ(list.wafers[2].WaferID, "01");
    EXPECT_EQ(list.wafers[0].Slot, "1");
    EXPECT_EQ(list.wafers[2].Slot, "25");
    EXPECT_EQ(list.wafers[0].DefectCount, 56);
    EXPECT_EQ(list.wafers[1].DefectCount, 36);
    EXPECT_EQ(list.wafers[2].DefectCount, 95);
}

TEST(KlaSharedFiles, RefusedFilesSayWhy)
{
    const std::filesystem::path folder = std::filesystem::path(SOLVANE_SHARED_TESTDATA) / "klarf";
    if (!std::filesystem::is_directory(folder))
        GTEST_SKIP() << "the shared results files are not here (" << folder.string() << ")";
    Imported big;
    big.result =
        importKlaFile((folder / "wafermap-clustering_LAA_FAA_LAA-01.000").string(), *big.profile, *big.defects);
    EXPECT_EQ(big.result.status, ImportStatus::TooManyDefects);
    EXPECT_EQ(big.result.message, "The file holds 12263 defects; an import takes at most 1000.");
    EXPECT_EQ(big.profile->PointCount, 0);

    Imported nested;
    nested.result = importKlaFile((folder / "jklarfreader_simple18.klarf").string(), *nested.profile, *nested.defects);
    EXPECT_EQ(nested.result.status, ImportStatus::InvalidFileType);
}

TEST(KlaImportFile, AMissingFileIsAFileError)
{
    Imported r;
    r.result = importKlaFile("/nonexistent/folder/file.dat", *r.profile, *r.defects);
    EXPECT_EQ(r.result.status, ImportStatus::FileError);
    EXPECT_EQ(r.result.message, "cannot open \"/nonexistent/folder/file.dat\": No such file or directory");
    EXPECT_EQ(r.profile->PointCount, 0);
}
