// What the description box may hold, and the recovery copy of unsaved work.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "files/description.h"
#include "files/recoveryfile.h"

namespace solvane {
namespace {

using namespace std::string_literals;

// Each fault is named, and the fitted text is what a save would then write unchanged.
TEST(Description, FaultsAndFittedText)
{
    const std::u32string longest(MaxDescriptionLength, U'x');
    for (const auto& [text, faults, fitted] : std::vector<std::tuple<std::u32string, std::string, std::string>>{
             {U"Wafer 7, \u00e9t\u00e9 \u00ff", "", "Wafer 7, \xe9t\xe9 \xff"},
             {U"say \"hi\"", "holds double quotes", "say 'hi'"},
             {U"\u20ac 5\t\u0085", "holds characters outside ISO-8859-1 (Latin-1) or control characters", "? 5??"},
             {longest + U"\"\u0100",
              "is longer than 1000 characters; holds double quotes; holds characters outside "
              "ISO-8859-1 (Latin-1) or control characters",
              std::string(MaxDescriptionLength, 'x')},
             {longest, "", std::string(MaxDescriptionLength, 'x')}}) {
        EXPECT_EQ(descriptionFaults(text), faults);
        EXPECT_EQ(fittedDescription(text), fitted);
        EXPECT_EQ(descriptionFaults(latin1CodePoints(fitted)), "");
    }
}

TEST(RecoveryCopy, RoundTripsAnyPathAndRefusesDamage)
{
    for (const std::string& path : {""s, "/home/u/a b.waf"s, "/tmp/odd\nname\r.waf"s}) {
        const RecoveryCopy copy{path, "\"Solvane 5.1\"\r\n\"x\"\r\n"};
        const std::optional<RecoveryCopy> back = parseRecoveryCopy(formatRecoveryCopy(copy));
        ASSERT_TRUE(back);
        EXPECT_EQ(std::tie(back->originalPath, back->profileText), std::tie(copy.originalPath, copy.profileText));
    }
    const std::string good = formatRecoveryCopy({"/a.waf", "text"});
    for (const std::string& damaged :
         {""s, good.substr(0, 30), "\"Solvane 5.1\"\r\n"s, "Solvane recovery copy 1\nx6\n/a.waf\ntext"s,
          "Solvane recovery copy 1\n7\n/a.waf\ntext"s})
        EXPECT_FALSE(parseRecoveryCopy(damaged)) << damaged;
}

TEST(RecoveryCopy, FolderFollowsTheStateHome)
{
    EXPECT_EQ(recoveryFolder("/x/state", "/home/u"), "/x/state/Solvane");
    EXPECT_EQ(recoveryFolder("relative", "/home/u"), "/home/u/.local/state/Solvane");
    EXPECT_EQ(recoveryFolder(nullptr, "/home/u"), "/home/u/.local/state/Solvane");
    EXPECT_EQ(recoveryFolder("", nullptr), "");
}

}  // namespace
}  // namespace solvane
