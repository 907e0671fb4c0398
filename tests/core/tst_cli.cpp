// solvane-cli: every command run as the built program, in a scratch folder of its own.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string Kla = SOLVANE_TEST_DATA "/kla/two_wafers.dat";

struct ToolRun {
    int status = -1;
    std::string out, err;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the tool in the scratch folder on the offscreen platform (render and report paint); a hang ends
    // with status 124. Each blank-separated word goes in single quotes, so none may hold one.
    ToolRun run(const std::string& words) const
    {
        std::string command = "cd '" + dir_.string() + "' && QT_QPA_PLATFORM=offscreen timeout 60 '" SOLVANE_CLI "'";
        std::istringstream split(words);
        for (std::string word; split >> word;) command += " '" + word + "'";
        ToolRun result;
        std::FILE* pipe = popen((command + " 2>stderr.txt").c_str(), "r");
        char buffer[4096];
        for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
        const int status = pipe ? pclose(pipe) : -1;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = file("stderr.txt");
        return result;
    }
    std::string file(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    const fs::path dir_ = fs::temp_directory_path() / ("solvane-cli-" + std::to_string(std::random_device{}()));
};

TEST_F(Cli, ConvertWritesTheCurrentLayoutInTheAskedSystem)
{
    const std::string header = "\"Solvane 5.1\"\r\n\"Solvane 3.1 file opened\"\r\n150\r\n5\r\n8\r\n";
    write("old.waf", "\"any\"\r\n150\r\n5\r\n8\r\n255\r\n0\r\n2\r\n3,0,7,7\r\n2,90,0,0\r\n");
    ASSERT_EQ(run("convert old.waf -o new.waf --coord rectangular").status, 0);
    EXPECT_EQ(file("new.waf"), header + "\"Rectangular\"\r\n255\r\n0\r\n2\r\n3,0,#TRUE#,0\r\n0,2,#TRUE#,0\r\n");
}

// Exit status 1 for a file that cannot be used, 2 for a wrong command line, 3 for a partly read input;
// one line on stderr, and nothing written in place of x.*. The readers' own refusals: their tests.
TEST_F(Cli, FailuresGiveTheirStatusAndOneLine)
{
    write("cut.waf",
          "\"Solvane 5.1\"\r\n\"D\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n3\r\n50,90,#TRUE#,0\r\n30,x\r\n");
    const std::string theta = "line 11: expected a number for the Theta of point 2, found \"x\"";
    for (const auto& [command, status, message] : std::vector<std::tuple<std::string, int, std::string>>{
             {"draw", 2, "unknown command \"draw\" (see: solvane-cli --help)"},
             {"pattern 12 -o x.waf", 2,
              "unknown pattern kind \"12\"; use 5, 9, 17, polar, xy or rings (see: solvane-cli pattern --help)"},
             {"pattern rings -o x.waf --rings 11", 2,
              "--rings must lie between 1 and 10, not 11 (see: solvane-cli pattern --help)"},
             {"rotate cut.waf -o x.waf", 2, "give the angle with --degrees A (see: solvane-cli rotate --help)"},
             {"rotate cut.waf -o x.waf --degrees -360.5", 2,
              "--degrees must lie between -360 and 360 (see: solvane-cli rotate --help)"},
             {"optimise cut.waf -o x.waf", 1, "cut.waf reads only partly (" + theta + "): nothing was written"},
             {"render cut.waf -o x.png --path=yes", 2, "option --path takes no value (see: solvane-cli render --help)"},
             {"pattern 5 -o x.waf --diameter 200mm", 2,
              "--diameter needs a number, not \"200mm\" (see: solvane-cli pattern --help)"},
             {"dump cut.waf", 3, "warning: cut.waf reads only partly (" + theta + "): showing what was read"},
             {"import-csv rows.csv -o x.waf --columns 0,0,-1,0,1,2", 2,
              "--columns: XINDEX must be a whole number from 0 to 32767 (0: not in the file), not \"-1\" "
              "(see: solvane-cli import-csv --help)"},
             {"report cut.waf -o x.doc", 2,
              "the report is written as a PDF (.pdf) or as plain text (.txt) (see: solvane-cli report --help)"},
             {"report cut.waf -o cut.txt", 3,
              "warning: cut.waf reads only partly (" + theta + "): reporting what was read"},
             {"render cut.waf -o x.png --snap 0,4", 2,
              "--snap takes two counts from 1 to 30, rings then nodes per ring: --snap 2,8 (see: solvane-cli render "
              "--help)"}}) {
        const ToolRun result = run(command);
        EXPECT_EQ(std::pair(result.status, result.err), std::pair(status, "solvane-cli: " + message + "\n"));
        for (const char* name : {"x.waf", "x.doc", "x.txt", "x.png"}) EXPECT_FALSE(fs::exists(dir_ / name)) << name;
    }
    EXPECT_NE(file("cut.txt").find("        1       50.00        90.00\r\n"), std::string::npos);  // as far as it reads
}

// A FIFO in place of the output used to hang the report; the readers and the profile writer refuse one
// in the core (tst_filefaults).
TEST_F(Cli, ReportRefusesAFifoAtOnce)
{
    ASSERT_EQ(::mkfifo((dir_ / "pipe.pdf").c_str(), 0600), 0);
    ASSERT_EQ(run("pattern 5 -o p.waf").status, 0);
    const ToolRun result = run("report p.waf -o pipe.pdf");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("\"pipe.pdf\" is not a plain file"), std::string::npos) << result.err;
}

// The imports, an exported CSV file among them, write a profile in the rectangular system.
TEST_F(Cli, ImportsWriteAProfileInTheRectangularSystem)
{
    const std::string header =
        "\"Solvane 5.1\"\r\n\"No Description\"\r\n200\r\n5\r\n8\r\n\"Rectangular\"\r\n"
        "-2147483633\r\n-2147483632\r\n";
    const ToolRun first = run("import-kla " + Kla + " -o a.waf");
    EXPECT_EQ(first.err, "solvane-cli: warning: " + Kla +
                             " holds 2 wafers; imported wafer 1 (WaferID \"A1\"); choose another with --wafer N\n");
    EXPECT_EQ(file("a.waf"), header + "2\r\n-3.9,-2.9,#TRUE#,0\r\n-2.8,-.8,#TRUE#,0\r\n");
    EXPECT_EQ(run("import-csv " SOLVANE_TEST_DATA "/csv/defects.csv -o c.waf --columns 2,3,4,5,6,7").status, 0);
    EXPECT_EQ(file("c.waf"), header + "3\r\n5,-67.4995,#TRUE#,0\r\n-100,-100,#TRUE#,0\r\n-205,-69,#TRUE#,0\r\n");
    // The CSV export is read back without columns, to the same positions.
    ASSERT_EQ(run("pattern 5 -o p.waf").status + run("export-csv p.waf -o p.csv").status, 0);
    ASSERT_EQ(run("import-csv p.csv -o back.waf").status, 0);
    EXPECT_NE(file("back.waf").find(header.substr(36) + "5\r\n0,0,#TRUE#,0\r\n0,91,#TRUE#,0\r\n"), std::string::npos)
        << file("back.waf");
}

TEST_F(Cli, ReportWritesExactTextOrAPdf)
{
    write("two.waf",
          "\"Solvane 5.1\"\r\n\"Edge, notch side\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n2\r\n"
          "12.5,45,#TRUE#,0\r\n50,90,#TRUE#,0\r\n");
    ASSERT_EQ(run("report two.waf -o two.txt").status, 0);  // the lines themselves: tst_report
    EXPECT_EQ(file("two.txt").rfind("Filename: two.waf\r\nFile Description: Edge, notch side\r\n", 0), 0u);
    ASSERT_EQ(run("report two.waf -o two.TXT --coord rectangular").status, 0);
    EXPECT_NE(file("two.TXT").find("        1         8.84          8.84\r\n"), std::string::npos) << file("two.TXT");
    ASSERT_EQ(run("report two.waf -o two.pdf").status, 0);
    EXPECT_EQ(file("two.pdf").substr(0, 5), "%PDF-");
}

// Rings, dumped (the header, then the centre; the places: tst_patterns), then the shortest order from point 1
// with both lengths printed, then a turn.
TEST_F(Cli, RingsOptimiseAndRotateRewriteTheProfile)
{
    ASSERT_EQ(run("pattern rings -o r.waf --rings 3 --first-ring 8").status, 0);
    const ToolRun dump = run("dump r.waf");
    EXPECT_EQ(std::pair(dump.err, dump.out.substr(0, 165)),
              std::pair(std::string(), std::string("version: Solvane 5.1\ndescription: No Description\ndiameter: 200\n"
                                                   "edge: 5\nbeam: 8\ncoordsys: Polar\nwafercolor: -2147483633\n"
                                                   "spotcolor: -2147483632\ncount: 49\n1 0 0 0 0 -1\n")));
    ASSERT_EQ(run("pattern xy -o g.waf --angle-steps 30 --radius-steps 30").status, 0);
    const ToolRun optimised = run("optimise g.waf -o g.waf");
    EXPECT_EQ(std::pair(optimised.status, optimised.out),
              std::pair(0, std::string("Path 8231.4 mm \u2192 4330.4 mm\n")));
    ASSERT_EQ(run("rotate r.waf -o turned.waf --degrees=-90").status, 0);
    EXPECT_NE(file("turned.waf").find("\r\n30.33333,315,#TRUE#,0\r\n"), std::string::npos) << file("turned.waf");
}

TEST_F(Cli, RenderWritesASquarePngOfTheGivenSize)
{
    ASSERT_EQ(run("pattern 17 -o p.waf").status, 0);
    ASSERT_EQ(run("render p.waf -o p.png --size 300 --snap 2,8 --path").status, 0);
    // Width and height, 300 = 0x12c, in the PNG header chunk.
    EXPECT_EQ(file("p.png").substr(12, 12), std::string("IHDR\0\0\x01\x2c\0\0\x01\x2c", 12));
    ASSERT_EQ(run("render p.waf -o p.svg").status, 0);
    EXPECT_EQ(file("p.svg").rfind("<?xml", 0), 0u);
    EXPECT_NE(file("p.svg").find("</svg>"), std::string::npos);
}

}  // namespace
