#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
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

const fs::path Data = fs::path(SOLVANE_TEST_DATA);

// The profile file header the editor's start-up parameters give, in the rectangular system.
const std::string Header =
    "\"Solvane 5.1\"\r\n\"No Description\"\r\n200\r\n5\r\n8\r\n\"Rectangular\"\r\n-2147483633\r\n-2147483632\r\n";

// Runs the built tool in a scratch folder of its own.
class ImportCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("solvane-cliimport-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    ToolRun run(const std::vector<std::string>& words) const
    {
        std::string command = "cd " + quoted(folder_.string()) + " && " + quoted(SOLVANE_CLI);
        for (const std::string& word : words) command += " " + quoted(word);
        command += " >/dev/null 2>" + quoted((folder_ / "stderr.txt").string());
        ToolRun result;
        const int status = std::system(command.c_str());
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

TEST_F(ImportCommands, ImportKlaWritesTheChosenWafer)
{
    const ToolRun made = run({"import-kla", (Data / "kla" / "two_wafers.dat").string(), "-o", "b.waf", "--wafer", "2"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.err, "");
    EXPECT_EQ(contents(folder_ / "b.waf"), Header + "1\r\n-.5,-1,#TRUE#,0\r\n");
}

TEST_F(ImportCommands, ImportKlaTakesTheFirstWaferAndSaysThereAreMore)
{
    const ToolRun made = run({"import-kla", (Data / "kla" / "two_wafers.dat").string(), "-o", "a.waf"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.err.find("warning:"), std::string::npos);
    EXPECT_NE(made.err.find("holds 2 wafers; imported wafer 1 (WaferID \"A1\")"), std::string::npos) << made.err;
    EXPECT_EQ(contents(folder_ / "a.waf"), Header + "2\r\n-3.9,-2.9,#TRUE#,0\r\n-2.8,-.8,#TRUE#,0\r\n");
}

TEST_F(ImportCommands, ImportKlaFailuresWriteNothing)
{
    write("damaged.dat", "FileVersion 1 1;\nDefectRecordSpec 5 DEFECTID XREL YREL XINDEX YINDEX;\nDefectList\n1 0 0");
    write("other.csv", "a,b\n1,2\n");
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"import-kla", "damaged.dat", "-o", "out.waf"}, 1, "damaged.dat: The file is damaged at line 4"},
        {{"import-kla", "other.csv", "-o", "out.waf"}, 1, "other.csv: The file is not a results file"},
        {{"import-kla", "missing.dat", "-o", "out.waf"}, 1, "cannot open \"missing.dat\""},
        {{"import-kla", (Data / "kla" / "two_wafers.dat").string(), "-o", "out.waf", "--wafer", "3"}, 2,
         "The file holds 2 wafers; there is no wafer 3."},
        {{"import-kla", "other.csv", "-o", "out.waf", "--wafer", "0"}, 2, "--wafer"},
        {{"import-kla", "other.csv"}, 2, "-o FILE"},
    };
    for (const Case& c : cases) {
        const ToolRun failed = run(c.words);
        SCOPED_TRACE(c.words[1]);
        EXPECT_EQ(failed.status, c.status);
        EXPECT_EQ(failed.err.rfind("solvane-cli: ", 0), 0u) << failed.err;
        EXPECT_NE(failed.err.find(c.message), std::string::npos) << failed.err;
        EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << failed.err;
        EXPECT_FALSE(fs::exists(folder_ / "out.waf"));
    }
}

TEST_F(ImportCommands, ImportCsvWritesOnePointPerDefectRow)
{
    const ToolRun made =
        run({"import-csv", (Data / "csv" / "defects.csv").string(), "-o", "c.waf", "--columns", "2,3,4,5,6,7"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(contents(folder_ / "c.waf"),
              Header + "3\r\n5,-67.4995,#TRUE#,0\r\n-100,-100,#TRUE#,0\r\n-205,-69,#TRUE#,0\r\n");
}

TEST_F(ImportCommands, ImportCsvChecksItsColumnsAndRows)
{
    write("rows.csv", "x,y\n1000,2000\n5,abc\n");
    struct Case {
        std::string columns;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"0,0,0,0,1,2", 1, "rows.csv: Row 3: the Y rel field, \"abc\", is not a number."},
        {"0,0,0,0,1", 2, "--columns takes six column numbers"},
        {"0,0,-1,0,1,2", 2,
         "--columns: XINDEX must be a whole number from 0 to 32767 (0: not in the file), not \"-1\""},
        {"0,0,0,0,1,0", 2, "--columns: YREL must be a whole number from 1 to 32767, not \"0\""},
    };
    for (const Case& c : cases) {
        const ToolRun failed = run({"import-csv", "rows.csv", "-o", "out.waf", "--columns", c.columns});
        SCOPED_TRACE(c.columns);
        EXPECT_EQ(failed.status, c.status);
        EXPECT_NE(failed.err.find(c.message), std::string::npos) << failed.err;
        EXPECT_FALSE(fs::exists(folder_ / "out.waf"));
    }
}

}  // namespace
