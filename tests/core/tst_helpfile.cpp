#include <gtest/gtest.h>

#include <string>

#include "help/helpfile.h"

namespace solvane {
namespace {

// Space-separated paths: the files that exist, and every path the search must ask about, in order.
struct PathCase {
    const char* programDir;
    const char* path;
    const char* files;
    bool found;
    const char* helpPath;
    const char* asked;
};

class FindHelpFileSearch : public ::testing::TestWithParam<PathCase> {};

// Program folder first, then each PATH entry in order; stops at the first hit, else keeps the last folder tried.
TEST_P(FindHelpFileSearch, TriesFoldersInOrderAndStopsAtTheFirstHit)
{
    const PathCase& c = GetParam();
    std::string asked;
    const auto exists = [&](const std::string& path) {
        asked += (asked.empty() ? "" : " ") + path;
        return (" " + std::string(c.files) + " ").find(" " + path + " ") != std::string::npos;
    };
    const bool posix = c.programDir[0] == '/';
    const HelpSearchResult r = FindHelpFile(c.programDir, c.path, exists, posix ? '/' : '\\', posix ? ':' : ';');
    EXPECT_EQ(r.found, c.found);
    EXPECT_EQ(r.HelpPath, c.helpPath);
    EXPECT_EQ(r.helpFile, c.found ? std::string(c.helpPath) + "qdx5.hlp" : std::string());
    EXPECT_EQ(asked, c.asked);
}

INSTANTIATE_TEST_SUITE_P(Cases, FindHelpFileSearch,
                         ::testing::Values(PathCase{"C:\\P", "C:\\T", "C:\\P\\qdx5.hlp C:\\T\\qdx5.hlp", true,
                                                    "C:\\P\\", "C:\\P\\qdx5.hlp"},
                                           PathCase{"C:\\P", "C:\\A;C:\\B", "", false, "C:\\B\\",
                                                    "C:\\P\\qdx5.hlp C:\\A\\qdx5.hlp C:\\B\\qdx5.hlp"},
                                           PathCase{"/opt/s/", "/usr/bin::/doc", "/doc/qdx5.hlp", true, "/doc/",
                                                    "/opt/s/qdx5.hlp /usr/bin/qdx5.hlp /qdx5.hlp /doc/qdx5.hlp"}));

}  // namespace
}  // namespace solvane
