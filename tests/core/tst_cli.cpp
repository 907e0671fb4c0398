#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& word)
{
    std::string result = "'";
    for (const char c : word) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

// Runs the built tool in a scratch folder of its own.
class CommandLineTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("solvane-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    ToolRun run(const std::vector<std::string>& words) const
    {
        std::string command = "cd " + quoted(folder_.string()) + " && " + quoted(SOLVANE_CLI);
        for (const std::string& word : words) command += " " + quoted(word);
        command += " 2>" + quoted((folder_ / "stderr.txt").string());
        ToolRun result;
        std::FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) return result;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
        const int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = contents(folder_ / "stderr.txt");
        return result;
    }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }

    fs::path folder_;
};

TEST_F(CommandLineTool, SeventeenPointPatternDumpsTheStandardRings)
{
    ASSERT_EQ(run({"pattern", "17", "-o", "p.waf"}).status, 0);
    const ToolRun dump = run({"dump", "p.waf"});
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.err, "");
    const auto out = lines(dump.out);
    ASSERT_EQ(out.size(), 9u + 17u);
    const std::vector<std::string> header(out.begin(), out.begin() + 9);
    EXPECT_EQ(header, (std::vector<std::string>{"version: Solvane 5.1", "description: No Description", "diameter: 200",
                                                "edge: 5", "beam: 8", "coordsys: Polar", "wafercolor: -2147483633",
                                                "spotcolor: -2147483632", "count: 17"}));
    EXPECT_EQ(out[9], "1 0 0 0 0 -1");
    for (int i = 2; i <= 17; ++i) {
        std::istringstream fields(out[static_cast<std::size_t>(8 + i)]);
        int n = 0, flag = 0;
        double r = 0, theta = 0, x = 0, y = 0;
        fields >> n >> r >> theta >> x >> y >> flag;
        SCOPED_TRACE(out[static_cast<std::size_t>(8 + i)]);
        EXPECT_EQ(n, i);
        EXPECT_EQ(r, i <= 9 ? 45.5 : 91.0);
        EXPECT_NEAR(theta, 45.0 * ((i - 2) % 8 + 1), 0.0001);
        EXPECT_NEAR(x, r * std::cos(theta * 3.14159265358979 / 180), 0.0001);
        EXPECT_NEAR(y, r * std::sin(theta * 3.14159265358979 / 180), 0.0001);
        EXPECT_EQ(flag, -1);
    }
}

TEST_F(CommandLineTool, GridPatternTakesItsOptions)
{
    const ToolRun made = run({"pattern", "xy", "-o", "g.waf", "--angle-steps", "2", "--radius-steps=2", "--coord",
                          "Rectangular", "--description", "two \"by\" two", "--diameter", "100", "--edge", "2",
                          "--beam", "4"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(contents(folder_ / "g.waf"),
              "\"Solvane 5.1\"\r\n\"two 'by' two\"\r\n100\r\n2\r\n4\r\n\"Rectangular\"\r\n-2147483633\r\n"
              "-2147483632\r\n5\r\n-46,0,#TRUE#,0\r\n0,-46,#TRUE#,0\r\n0,0,#TRUE#,0\r\n0,46,#TRUE#,0\r\n"
              "46,0,#TRUE#,0\r\n");
}

TEST_F(CommandLineTool, FixedPatternsIgnoreTheStepOptions)
{
    ASSERT_EQ(run({"pattern", "9", "-o", "n.waf", "--angle-steps", "99"}).status, 0);
    const auto out = lines(run({"dump", "n.waf"}).out);
    EXPECT_EQ(out.at(8), "count: 9");
}

TEST_F(CommandLineTool, ConvertsTheOldestLayoutToTheCurrentOne)
{
    write("old.waf", "\"any\"\r\n150\r\n5\r\n8\r\n255\r\n0\r\n1\r\n3,0,7,7\r\n");
    const ToolRun converted = run({"convert", "old.waf", "-o", "new.waf", "--coord", "rectangular"});
    ASSERT_EQ(converted.status, 0) << converted.err;
    EXPECT_EQ(contents(folder_ / "new.waf"),
              "\"Solvane 5.1\"\r\n\"Solvane 3.1 file opened\"\r\n150\r\n5\r\n8\r\n\"Rectangular\"\r\n255\r\n0\r\n"
              "1\r\n3,0,#TRUE#,0\r\n");
}

TEST_F(CommandLineTool, DumpsAPartlyReadableFileAsFarAsItGoes)
{
    write("cut.waf",
          "\"Solvane 5.1\"\r\n\"D\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n3\r\n50,90,#TRUE#,0\r\n30,x\r\n");
    const ToolRun dump = run({"dump", "cut.waf"});
    EXPECT_EQ(dump.status, 3);
    const auto out = lines(dump.out);
    ASSERT_EQ(out.size(), 10u);
    EXPECT_EQ(out[8], "count: 3");
    EXPECT_EQ(out[9].rfind("1 50 90 ", 0), 0u);
    EXPECT_EQ(dump.err,
              "solvane-cli: warning: cut.waf reads only partly: line 11: expected a number for the Theta of point 2, "
              "found \"x\"\n");

    write("header.waf", "\"Solvane 5.1\"\r\n\"D\"\r\nwide\r\n");
    const ToolRun header = run({"dump", "header.waf"});
    EXPECT_EQ(header.status, 3);
    EXPECT_EQ(lines(header.out), (std::vector<std::string>{"version: Solvane 5.1", "description: D"}));
}

struct FailureCase {
    const char* name;
    std::vector<std::string> words;
    int status;
    const char* message;  // expected stderr line, up to its end
};

class Failures : public CommandLineTool, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, GiveOneLineAndTheirStatus)
{
    const FailureCase c = GetParam();
    write("empty.waf", "");
    const ToolRun result = run(c.words);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, std::string("solvane-cli: ") + c.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, Failures,
    ::testing::Values(
        FailureCase{"UnknownCommand", {"draw"}, 2, "unknown command \"draw\" (see: solvane-cli --help)"},
        FailureCase{"UnknownKind", {"pattern", "12", "-o", "a.waf"}, 2,
                    "unknown pattern kind \"12\"; use 5, 9, 17, polar or xy (see: solvane-cli pattern --help)"},
        FailureCase{"NoOutput", {"pattern", "5"}, 2, "give the file to write with -o FILE (see: solvane-cli pattern --help)"},
        FailureCase{"BadNumber", {"pattern", "5", "-o", "a.waf", "--diameter", "200mm"}, 2,
                    "--diameter needs a number, not \"200mm\" (see: solvane-cli pattern --help)"},
        FailureCase{"StepsOutOfRange", {"pattern", "polar", "-o", "a.waf", "--angle-steps", "31"}, 2,
                    "--angle-steps must lie between 1 and 30, not 31 (see: solvane-cli pattern --help)"},
        FailureCase{"UnknownOption", {"dump", "--all", "a.waf"}, 2,
                    "unknown option \"--all\" (see: solvane-cli dump --help)"},
        FailureCase{"MissingFile", {"dump", "missing.waf"}, 1, "cannot open \"missing.waf\": No such file or directory"},
        FailureCase{"EmptyFile", {"dump", "empty.waf"}, 1, "empty.waf: line 1: the file ends before the version"},
        FailureCase{"WildcardOutput", {"pattern", "5", "-o", "*.waf"}, 1,
                    "\"*.waf\" is a file name pattern, not a file name: nothing was written"},
        FailureCase{"ConvertDamaged", {"convert", "empty.waf", "-o", "b.waf"}, 1,
                    "empty.waf reads only partly (line 1: the file ends before the version): nothing was written"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(CommandLineTool, HelpListsEveryCommand)
{
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"pattern KIND -o FILE", "dump FILE", "convert IN -o OUT"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    EXPECT_EQ(run({}).status, 2);
    const ToolRun commandHelp = run({"pattern", "--help"});
    EXPECT_EQ(commandHelp.status, 0);
    EXPECT_NE(commandHelp.out.find("--angle-steps N"), std::string::npos);
}

}  // namespace
