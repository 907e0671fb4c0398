// Faults from outside the program: saves the file system refuses, things that are not plain files, and
// files far larger than any real profile or results file. A failed save must leave what was on disk
// byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "files/filechecks.h"
#include "files/profilefile.h"
#include "importers/csvimport.h"
#include "importers/klaimport.h"

namespace solvane {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every file below a folder with its bytes (a link with its target), to show that a failed save
// changed nothing.
std::vector<std::pair<std::string, std::string>> snapshot(const fs::path& folder)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files.emplace_back(entry.path().lexically_relative(folder).string(),
                           entry.is_symlink()        ? "<link to " + fs::read_symlink(entry.path()).string() + ">"
                           : entry.is_regular_file() ? contents(entry.path())
                                                     : std::string("<folder>"));
    std::sort(files.begin(), files.end());
    return files;
}

class Folder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("solvane-faults-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void write(const fs::path& path, const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }

    fs::path folder_;
};

Profile threePoints()
{
    Profile profile;
    profile.Description = "new version";
    profile.PointCount = 3;
    profile.Points[1] = PointRec{50, 90, False, 0, 50};
    profile.Points[2] = PointRec{25, 180, False, -25, 0};
    profile.Points[3] = PointRec{10, 270, False, 0, -10};
    return profile;
}

// ---------------------------------------------------------------------------------------------
// Saves that cannot complete

const std::string OldBytes = "\"Solvane 5.1\"\r\n\"old version\"\r\n200\r\n5\r\n8\r\n\"Polar\"\r\n0\r\n0\r\n0\r\n";

struct SaveFault {
    const char* name;
    const char* target;   // relative to the test folder
    bool replaceFails;    // the injected replace step refuses
    const char* message;  // "@" stands for the test folder
};

void PrintTo(const SaveFault& c, std::ostream* out) { *out << c.name; }

class SaveFaults : public Folder, public ::testing::WithParamInterface<SaveFault> {};

// The reason names the step that failed, in one line; no temporary file is left behind, and nothing
// that was there changed. A FIFO in the file's place is refused at once.
TEST_P(SaveFaults, LeaveEveryFileAsItWasAndSayWhy)
{
    const SaveFault c = GetParam();
    write(folder_ / "wafer.waf", OldBytes);
    fs::create_directories(folder_ / "profiles");
    write(folder_ / "profiles" / "inside.waf", OldBytes);
    fs::create_symlink(folder_ / "wafer.waf", folder_ / "link.waf");
    ASSERT_EQ(::mkfifo((folder_ / "pipe.waf").c_str(), 0600), 0);
    const auto before = snapshot(folder_);

    bool replaceCalled = false;
    const ReplaceFileStep refuse = [&](const fs::path&, const fs::path&) {
        replaceCalled = true;
        return std::make_error_code(std::errc::no_space_on_device);
    };
    Profile profile = threePoints();
    const WriteResult result = writeprofile(profile, (folder_ / c.target).string(),
                                            c.replaceFails ? refuse : ReplaceFileStep{});

    std::string message = c.message;
    for (std::size_t at; (at = message.find('@')) != std::string::npos;) message.replace(at, 1, folder_.string());
    EXPECT_EQ(std::pair(result.ok, result.message), std::pair(false, message));
    EXPECT_EQ(replaceCalled, c.replaceFails);
    EXPECT_EQ(snapshot(folder_), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFaults,
    ::testing::Values(SaveFault{"FolderMissing", "no such folder/wafer.waf", false,
                                "cannot create a file in \"@/no such folder\": No such file or directory"},
                      SaveFault{"PathIsAFifo", "pipe.waf", false, "\"@/pipe.waf\" is not a plain file"},
                      SaveFault{"ReplaceFails", "wafer.waf", true,
                                "cannot replace \"@/wafer.waf\": No space left on device"},
                      SaveFault{"ReplaceFailsThroughALink", "link.waf", true,
                                "cannot replace \"@/wafer.waf\": No space left on device"}),
    [](const ::testing::TestParamInfo<SaveFault>& info) { return std::string(info.param.name); });

// A name without a folder is saved in the current one, and a failed replace there leaves the file and no
// temporary; a name that is a file name pattern is refused before anything is written or cleaned in the model.
TEST_F(Folder, BareNamesSaveInTheCurrentFolderAndPatternsAreRefused)
{
    const fs::path previous = fs::current_path();
    fs::current_path(folder_);
    Profile profile = threePoints();
    profile.CoordSys = "Rectangular";
    profile.Points[1].X = 0.0004f;
    EXPECT_EQ(writeprofile(profile, "*.waf").message,
              "\"*.waf\" is a file name pattern, not a file name: nothing was written");
    EXPECT_EQ(profile.Points[1].X, 0.0004f);
    ASSERT_TRUE(writeprofile(profile, "w.waf").ok);
    const auto before = snapshot(folder_);
    const ReplaceFileStep refuse = [](const fs::path&, const fs::path&) {
        return std::make_error_code(std::errc::permission_denied);
    };
    EXPECT_EQ(writeprofile(profile, "w.waf", refuse).message, "cannot replace \"w.waf\": Permission denied");
    EXPECT_EQ(snapshot(folder_), before);
    fs::current_path(previous);
}

// A save keeps the target's permissions (a new file gets 0666 less the umask), writes through a link
// to its file, even a dangling one, and leaves room for names up to the system's 255 bytes.
TEST_F(Folder, SavesKeepModesFollowLinksAndTakeLongNames)
{
    const auto modeOf = [](const fs::path& path) { return fs::status(path).permissions() & fs::perms::mask; };
    const auto save = [this](const std::string& name) {
        Profile profile = threePoints();
        return writeprofile(profile, (folder_ / name).string());
    };
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    write(folder_ / "shared.waf", OldBytes);
    fs::permissions(folder_ / "shared.waf", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    write(folder_ / "locked.waf", OldBytes);
    fs::permissions(folder_ / "locked.waf", readOnly);
    fs::create_symlink("made-by-save.waf", folder_ / "dangling.waf");
    const mode_t umaskBefore = ::umask(027);
    const std::string longest(255, 'n'), tooLong(256, 'n');
    for (const auto& [name, message] :
         std::vector<std::pair<std::string, std::string>>{{"new.waf", ""},
                                                          {"shared.waf", ""},
                                                          {"locked.waf", ""},
                                                          {"dangling.waf", ""},
                                                          {longest, ""},
                                                          {tooLong, "cannot replace \"" + (folder_ / tooLong).string() +
                                                                        "\": File name too long"}})
        EXPECT_EQ(save(name).message, message) << name.size();
    ::umask(umaskBefore);
    EXPECT_EQ(modeOf(folder_ / "new.waf"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(modeOf(folder_ / "shared.waf"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(modeOf(folder_ / "locked.waf"), readOnly);
    EXPECT_TRUE(fs::is_symlink(folder_ / "dangling.waf"));
    for (const char* name : {"locked.waf", "made-by-save.waf"})
        EXPECT_EQ(contents(folder_ / name).substr(15, 15), "\"new version\"\r\n") << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 6);  // no temporary left
}

// ---------------------------------------------------------------------------------------------
// Things that are not plain files

// A FIFO with no writer used to hang every reader; devices and folders are no files to read either.
TEST_F(Folder, ReadersRefuseWhatIsNotAPlainFile)
{
    const std::string pipe = (folder_ / "pipe").string(), folder = (folder_ / "folder").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder);
    const auto profile = std::make_unique<Profile>();
    const auto defects = std::make_unique<DefectStore>();
    const auto readers = [&](const std::string& file) {
        return std::vector<std::string>{readprofileFile(*profile, file).message, loadImportFile(file).message,
                                        importKlaFile(file, *profile, *defects).message,
                                        importCsvFile(file, CsvColumns{0, 0, 0, 0, 1, 2}, *profile, *defects).message};
    };
    for (const auto& [file, message] :
         std::vector<std::pair<std::string, std::string>>{{pipe, "\"" + pipe + "\" is not a plain file"},
                                                          {folder, "\"" + folder + "\" is a folder"}})
        EXPECT_EQ(readers(file), std::vector<std::string>(4, message));
    // Nothing there is no fault (defaults apply), but there is no profile to open either.
    EXPECT_EQ(plainFileProblem((folder_ / "missing").string()), std::nullopt);
    EXPECT_FALSE(readprofileFile(*profile, (folder_ / "missing").string()).opened);
}

// Only an existing plain file that may not be written is read-only; links are followed.
TEST_F(Folder, ReadOnlyMeansAPlainFileNobodyMayWrite)
{
    for (const char* name : {"locked", "open"}) write(folder_ / name, "x");
    fs::permissions(folder_ / "locked", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_symlink("locked", folder_ / "to-locked");
    fs::create_symlink("missing", folder_ / "dangling");
    fs::create_directory(folder_ / "folder");
    for (const auto& [name, readOnly] : std::vector<std::pair<const char*, bool>>{
             {"locked", true}, {"to-locked", true}, {"open", false}, {"dangling", false}, {"folder", false}})
        EXPECT_EQ(isReadOnlyFile((folder_ / name).string()), readOnly) << name;
}

// Each loader with its limit: one byte more is refused with its reason; a profile at the limit is read,
// and as it holds zero bytes it is then refused by the reader. The files are sparse: they take no room
// on disk.
TEST_F(Folder, FilesAboveTheLimitAreRefused)
{
    const auto profile = std::make_unique<Profile>();
    const auto defects = std::make_unique<DefectStore>();
    // file, size, the message after the quoted path ("" for a file that is read)
    for (const auto& [name, size, message] : std::vector<std::tuple<const char*, std::uintmax_t, std::string>>{
             {"huge.waf", MaxProfileFileBytes + 1, " is larger than 64 MB, too large for a profile"},
             {"limit.waf", MaxProfileFileBytes, ""},
             {"huge.dat", MaxImportFileBytes + 1, " is larger than 64 MB, too large to import"}}) {
        const fs::path path = folder_ / name;
        write(path, "");
        fs::resize_file(path, size);
        profile->PointCount = 5;
        std::string said;
        if (path.extension() == ".dat") {
            said = importKlaFile(path.string(), *profile, *defects).message;
        } else {
            const ReadResult r = readprofileFile(*profile, path.string());
            EXPECT_EQ(r.opened, r.stoppedAt == ProfileField::WaferDiameter) << name;
            said = r.opened ? std::string() : r.message;
        }
        EXPECT_EQ(said, message.empty() ? "" : "\"" + path.string() + "\"" + message) << name;
        EXPECT_EQ(profile->PointCount, 0) << name;
    }
}

}  // namespace
}  // namespace solvane
