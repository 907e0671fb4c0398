// Telling plain files from the other things a path can name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "files/filechecks.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

class FileChecks : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    std::string plainFile(const std::string& name, fs::perms mode) const
    {
        std::ofstream(path(name)) << "x";
        fs::permissions(path(name), mode);
        return path(name);
    }

    const fs::path dir_ = fs::temp_directory_path() / ("solvane-filechecks-" + std::to_string(std::random_device{}()));
};

// Only an existing plain file that may not be written is read-only; links are followed.
TEST_F(FileChecks, ReadOnlyMeansAPlainFileNobodyMayWrite)
{
    plainFile("locked", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    plainFile("open", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("locked", path("to-locked"));
    fs::create_symlink("missing", path("dangling"));
    fs::create_directory(path("folder"));
    for (const auto& [name, readOnly] : std::vector<std::pair<const char*, bool>>{{"locked", true},
                                                                                  {"to-locked", true},
                                                                                  {"open", false},
                                                                                  {"dangling", false},
                                                                                  {"folder", false},
                                                                                  {"missing", false}})
        EXPECT_EQ(isReadOnlyFile(path(name)), readOnly) << name;
}

}  // namespace
}  // namespace solvane
