#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "help/helpfile.h"

namespace solvane {
namespace {

// A file system of the given files that also records every path asked about, in order.
struct FakeFiles {
    std::set<std::string> files;
    std::vector<std::string> asked;

    std::function<bool(const std::string&)> predicate()
    {
        return [this](const std::string& path) {
            asked.push_back(path);
            return files.count(path) > 0;
        };
    }
};

TEST(FindHelpFile, BesideTheProgramDoesNotReadThePath)
{
    FakeFiles fs{{"C:\\Solvane\\qdx5.hlp", "C:\\Tools\\qdx5.hlp"}, {}};
    const HelpSearchResult r = FindHelpFile("C:\\Solvane", "C:\\Tools;D:\\", fs.predicate(), '\\', ';');
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.HelpPath, "C:\\Solvane\\");
    EXPECT_EQ(r.helpFile, "C:\\Solvane\\qdx5.hlp");
    EXPECT_EQ(fs.asked, std::vector<std::string>{"C:\\Solvane\\qdx5.hlp"});
}

TEST(FindHelpFile, RootProgramFolderGetsNoSecondSeparator)
{
    FakeFiles fs{{"C:\\qdx5.hlp"}, {}};
    const HelpSearchResult r = FindHelpFile("C:\\", "", fs.predicate(), '\\', ';');
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.helpFile, "C:\\qdx5.hlp");
}

struct PathCase {
    const char* name;
    const char* programDir;
    const char* path;
    std::set<std::string> files;
    char folderSep;
    char listSep;
    bool found;
    const char* helpPath;
    std::vector<std::string> asked;
};

class PathSearch : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathSearch, TriesFoldersInOrderAndStopsAtTheFirstHit)
{
    const PathCase& c = GetParam();
    FakeFiles fs{c.files, {}};
    const HelpSearchResult r = FindHelpFile(c.programDir, c.path, fs.predicate(), c.folderSep, c.listSep);
    EXPECT_EQ(r.found, c.found);
    EXPECT_EQ(r.HelpPath, c.helpPath);
    EXPECT_EQ(r.helpFile, c.found ? std::string(c.helpPath) + "qdx5.hlp" : std::string());
    EXPECT_EQ(fs.asked, c.asked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathSearch,
    ::testing::Values(
        // The last entry is tried although PATH does not end in the list separator.
        PathCase{"LastEntryWithoutTrailingSeparator",
                 "C:\\Prog",
                 "C:\\A;C:\\B",
                 {"C:\\B\\qdx5.hlp"},
                 '\\',
                 ';',
                 true,
                 "C:\\B\\",
                 {"C:\\Prog\\qdx5.hlp", "C:\\A\\qdx5.hlp", "C:\\B\\qdx5.hlp"}},
        PathCase{"StopsAtFirstHit",
                 "C:\\Prog",
                 "C:\\A\\;C:\\B;",
                 {"C:\\A\\qdx5.hlp", "C:\\B\\qdx5.hlp"},
                 '\\',
                 ';',
                 true,
                 "C:\\A\\",
                 {"C:\\Prog\\qdx5.hlp", "C:\\A\\qdx5.hlp"}},
        PathCase{"EmptyEntryIsTheRoot",
                 "C:\\Prog",
                 "C:\\A;;C:\\B",
                 {"\\qdx5.hlp"},
                 '\\',
                 ';',
                 true,
                 "\\",
                 {"C:\\Prog\\qdx5.hlp", "C:\\A\\qdx5.hlp", "\\qdx5.hlp"}},
        PathCase{"NotFoundLeavesLastFolderTried",
                 "C:\\Prog",
                 "C:\\A;C:\\B;",
                 {},
                 '\\',
                 ';',
                 false,
                 "C:\\B\\",
                 {"C:\\Prog\\qdx5.hlp", "C:\\A\\qdx5.hlp", "C:\\B\\qdx5.hlp"}},
        PathCase{
            "EmptyPathLeavesProgramFolder", "C:\\Prog", "", {}, '\\', ';', false, "C:\\Prog\\", {"C:\\Prog\\qdx5.hlp"}},
        PathCase{"OnlySeparatorTriesTheRootOnce",
                 "/opt/solvane",
                 ":",
                 {},
                 '/',
                 ':',
                 false,
                 "/",
                 {"/opt/solvane/qdx5.hlp", "/qdx5.hlp"}},
        PathCase{"PosixSeparators",
                 "/opt/solvane/",
                 "/usr/bin::/usr/share/doc/solvane",
                 {"/usr/share/doc/solvane/qdx5.hlp"},
                 '/',
                 ':',
                 true,
                 "/usr/share/doc/solvane/",
                 {"/opt/solvane/qdx5.hlp", "/usr/bin/qdx5.hlp", "/qdx5.hlp", "/usr/share/doc/solvane/qdx5.hlp"}}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solvane
