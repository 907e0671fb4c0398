// Telling plain files from the other things a path can name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "files/filechecks.h"
#include "files/profilefile.h"
#include "importers/csvimport.h"
#include "importers/klaimport.h"

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

// A FIFO with no writer used to hang every reader; devices and folders are no files to read either.
TEST_F(FileChecks, ReadersRefuseWhatIsNotAPlainFile)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    fs::create_directory(path("folder"));
    const auto profile = std::make_unique<Profile>();
    const auto defects = std::make_unique<DefectStore>();
    const auto readers = [&](const std::string& file) {
        return std::vector<std::string>{readprofileFile(*profile, file).message, loadImportFile(file).message,
                                        importKlaFile(file, *profile, *defects).message,
                                        importCsvFile(file, CsvColumns{0, 0, 0, 0, 1, 2}, *profile, *defects).message};
    };
    for (const auto& [file, message] :
         std::vector<std::pair<std::string, std::string>>{{path("pipe"),
                                                           "\"" + path("pipe") + "\" is not a plain file"},
                                                          {"/dev/zero", "\"/dev/zero\" is not a plain file"},
                                                          {path("folder"), "\"" + path("folder") + "\" is a folder"}})
        EXPECT_EQ(readers(file), std::vector<std::string>(4, message));
    EXPECT_EQ(plainFileProblem(path("pipe")), "\"" + path("pipe") + "\" is not a plain file");
    EXPECT_EQ(plainFileProblem(path("missing")), std::nullopt);  // nothing there is no fault: defaults apply
}

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
