// solvane-cli convert: reads a profile file of any layout and writes it in the current one.

#include <string>

#include "arguments.h"
#include "command.h"
#include "files/profilefile.h"
#include "profileinput.h"

namespace solvane::cli {

namespace {

int runConvert(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--coord"}});
    if (const auto done = checkCommandLine(self, line, "give one profile file to convert",
                                           "give the file to write with -o FILE"))
        return *done;
    const auto coordSys = line.choiceIfGiven("--coord", {"Polar", "Rectangular"});
    if (!line.ok()) return usageError(self, line.error());
    const std::string& input = line.positional()[0];

    Profile profile;
    if (const auto failed = readWholeProfile(profile, input)) return *failed;

    if (coordSys) {
        profile.CoordSys = *coordSys;
        setCoordFlags(profile, *coordSys);
    }
    return finishWrite(writeprofile(profile, *line.text("-o")));
}

}  // namespace

extern const Command convertCommand;  // listed in main.cpp
const Command convertCommand{
    "convert",
    "convert IN -o OUT [--coord Polar|Rectangular]",
    "Reads a profile file of any of the three layouts and writes it in the current layout.",
    "  -o OUT                     the profile file to write (may be IN itself)\n"
    "  --coord Polar|Rectangular  write the points in this system (default: the file's own)\n",
    runConvert,
};

}  // namespace solvane::cli
