#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "files/filekind.h"

namespace solvane {
namespace {

// File name, first bytes -> kind. The contents decide for results files, the ending for the rest.
TEST(FileKind, ResultsByTheirFirstFieldOthersByEnding)
{
    for (const auto& [name, head, kind] : std::vector<std::tuple<std::string, std::string, FileKind>>{
             {"lot.001", "FileVersion 1 1;\r\n", FileKind::KlaResults},
             {"lot.csv", "  \r\nFileVersion 1 2;", FileKind::KlaResults},
             {"lot.klarf", "Record FileRecord \"1.8\"\n{", FileKind::KlaResults},
             {"lot.000", "FileTimestamp 1;", FileKind::Unknown},
             {"P.MAP", "junk", FileKind::Profile},
             {"profile", "\"Solvane 5.1\"\r\n", FileKind::Profile},
             {"profile.txt", "\xEF\xBB\xBF\"Solvane 5.0\"\r\n", FileKind::Profile},
             {"defects.CSV", "1,2,3", FileKind::Csv},
             {"defects.txt", "", FileKind::Csv},
             {"waf", "", FileKind::Unknown},
             {"p.waf.bak", "", FileKind::Unknown}})
        EXPECT_EQ(fileKindOf(name, head), kind) << name;
}

std::string headOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(FileKindProbeBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

// Every real results sample is taken for one, whatever it ends in (.000, .001, .klarf).
TEST(FileKind, RealResultsSamplesAreKnown)
{
    const std::filesystem::path folder = SOLVANE_SHARED_TESTDATA "/klarf";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no shared samples at " << folder;
    int samples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
        EXPECT_EQ(fileKindOf(name, headOf(entry.path())), FileKind::KlaResults) << name;
        ++samples;
    }
    EXPECT_GE(samples, 10);
}

}  // namespace
}  // namespace solvane
