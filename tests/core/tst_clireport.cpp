// solvane-cli report: the text and PDF reports it writes, the system it reports in, its failures.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

int run(const std::string& arguments)
{
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen \"") + SOLVANE_CLI + "\" " + arguments +
                                " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

// The page count of a PDF file's page tree, -1 when it is no PDF.
int pdfPages(const fs::path& path)
{
    const std::string bytes = contents(path);
    if (bytes.rfind("%PDF-", 0) != 0) return -1;
    std::smatch match;
    static const std::regex count(R"(/Type\s*/Pages[^>]*?/Count\s+(\d+))");
    return std::regex_search(bytes, match, count) ? std::stoi(match[1]) : -1;
}

// A polar profile with two points, the second at a whole angle.
const std::string TwoPolarPoints = "\"Solvane 5.1\"\r\n\"Edge, notch side\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n"
                                   "-2147483633\r\n-2147483632\r\n2\r\n"
                                   "12.5,45,#TRUE#,0\r\n50,90,#TRUE#,0\r\n";

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("solvane-report-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        write(dir_ / "two.waf", TwoPolarPoints);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(ReportCommand, TextInTheFilesOwnSystem)
{
    ASSERT_EQ(run("report " + quoted(dir_ / "two.waf") + " -o " + quoted(dir_ / "two.txt")), 0);
    EXPECT_EQ(contents(dir_ / "two.txt"), "Filename: two.waf\r\n"
                                          "File Description: Edge, notch side\r\n"
                                          " \r\n"
                                          "point no.       R(mm)        Theta\r\n"
                                          "        1       12.50        45.00\r\n"
                                          "        2       50.00        90.00\r\n");
}

TEST_F(ReportCommand, AskedSystemChoosesTheColumns)
{
    ASSERT_EQ(run("report " + quoted(dir_ / "two.waf") + " -o " + quoted(dir_ / "two.TXT") + " --coord rectangular"),
              0);
    const std::string text = contents(dir_ / "two.TXT");
    EXPECT_NE(text.find("point no.       X (mm)        Y (mm)\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("        2         0.00         50.00\r\n"), std::string::npos) << text;
}

TEST_F(ReportCommand, PdfRunsOnToMorePagesForALongList)
{
    ASSERT_EQ(run("report " + quoted(dir_ / "two.waf") + " -o " + quoted(dir_ / "two.pdf")), 0);
    EXPECT_EQ(pdfPages(dir_ / "two.pdf"), 1);

    std::string full = "\"Solvane 5.1\"\r\n\"Full\"\r\n200\r\n5\r\n8\r\n\"Rectangular\"\r\n0\r\n255\r\n2000\r\n";
    for (int i = 1; i <= 2000; ++i) full += std::to_string(i % 90) + ",-" + std::to_string(i % 45) + ",#TRUE#,0\r\n";
    write(dir_ / "full.waf", full);
    ASSERT_EQ(run("report " + quoted(dir_ / "full.waf") + " -o " + quoted(dir_ / "full.pdf")), 0);
    EXPECT_GT(pdfPages(dir_ / "full.pdf"), 1);
}

TEST_F(ReportCommand, DamagedFileIsReportedAsFarAsItReads)
{
    write(dir_ / "cut.waf", TwoPolarPoints.substr(0, TwoPolarPoints.size() - 8));
    EXPECT_EQ(run("report " + quoted(dir_ / "cut.waf") + " -o " + quoted(dir_ / "cut.txt")), 3);
    const std::string text = contents(dir_ / "cut.txt");
    EXPECT_NE(text.find("        1       12.50        45.00\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("        2 "), std::string::npos) << text;
}

TEST_F(ReportCommand, RefusesBadCommandLinesAndUnusableFiles)
{
    const std::string two = quoted(dir_ / "two.waf");
    EXPECT_EQ(run("report " + two), 2);
    EXPECT_EQ(run("report " + two + " -o " + quoted(dir_ / "two.doc")), 2);
    EXPECT_EQ(run("report " + two + " -o " + quoted(dir_ / "x.txt") + " --coord Spherical"), 2);
    EXPECT_EQ(run("report -o " + quoted(dir_ / "x.txt")), 2);
    EXPECT_EQ(run("report " + quoted(dir_ / "missing.waf") + " -o " + quoted(dir_ / "x.txt")), 1);
    EXPECT_EQ(run("report " + two + " -o " + quoted(dir_ / "no folder" / "x.txt")), 1);
    EXPECT_EQ(run("report " + two + " -o " + quoted(dir_ / "no folder" / "x.pdf")), 1);
    EXPECT_FALSE(fs::exists(dir_ / "x.txt"));
    EXPECT_FALSE(fs::exists(dir_ / "two.doc"));
}

}  // namespace
