// solvane-cli render: the command line and the image it writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// Width and height from a PNG file's header chunk.
std::pair<unsigned, unsigned> pngSize(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    const auto word = [&](int at) {
        return (unsigned(header[at]) << 24) | (unsigned(header[at + 1]) << 16) | (unsigned(header[at + 2]) << 8) |
               unsigned(header[at + 3]);
    };
    return {word(16), word(20)};
}

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("solvane-render-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        ASSERT_EQ(run("pattern 17 -o \"" + (dir_ / "p.waf").string() + "\""), 0);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(RenderCommand, WritesASquareImageOfTheGivenSize)
{
    const fs::path png = dir_ / "p.png";
    ASSERT_EQ(run("render \"" + (dir_ / "p.waf").string() + "\" -o \"" + png.string() + "\" --size 300 --snap 2,8"), 0);
    EXPECT_EQ(pngSize(png), std::make_pair(300u, 300u));

    ASSERT_EQ(run("render \"" + (dir_ / "p.waf").string() + "\" -o \"" + png.string() + "\""), 0);
    EXPECT_EQ(pngSize(png), std::make_pair(800u, 800u));
}

TEST_F(RenderCommand, RefusesBadArgumentsAndMissingFiles)
{
    const std::string out = " -o \"" + (dir_ / "x.png").string() + "\"";
    EXPECT_EQ(run("render \"" + (dir_ / "p.waf").string() + "\" --snap 0,4" + out), 2);
    EXPECT_EQ(run("render \"" + (dir_ / "p.waf").string() + "\" --snap 4" + out), 2);
    EXPECT_EQ(run("render \"" + (dir_ / "p.waf").string() + "\""), 2);
    EXPECT_EQ(run("render \"" + (dir_ / "missing.waf").string() + "\"" + out), 1);
    EXPECT_FALSE(fs::exists(dir_ / "x.png"));
}

}  // namespace
