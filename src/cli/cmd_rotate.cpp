// solvane-cli rotate: turns every point of a profile about the wafer centre.

#include <string>

#include "arguments.h"
#include "command.h"
#include "files/profilefile.h"
#include "model/rotation.h"
#include "profileinput.h"

namespace solvane::cli {

namespace {

int runRotate(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--degrees"}});
    if (const auto done = checkCommandLine(self, line, "give one profile file to rotate",
                                           "give the file to write with -o FILE"))
        return *done;
    if (!line.given("--degrees")) return usageError(self, "give the angle with --degrees A");
    const double degrees = line.number("--degrees", 0.0);
    if (!line.ok()) return usageError(self, line.error());
    if (!(degrees >= -360.0 && degrees <= 360.0)) return usageError(self, "--degrees must lie between -360 and 360");

    Profile profile;
    if (const auto failed = readWholeProfile(profile, line.positional()[0])) return *failed;
    rotatepoints(profile, degrees);
    return finishWrite(writeprofile(profile, *line.text("-o")));
}

}  // namespace

extern const Command rotateCommand;  // listed in main.cpp
const Command rotateCommand{
    "rotate",
    "rotate IN -o OUT --degrees A",
    "Turns every point about the wafer centre by A degrees, counter-clockwise.",
    "  -o OUT        the profile file to write (may be IN itself)\n"
    "  --degrees A   the angle, -360 to 360 (negative: clockwise)\n",
    runRotate,
};

}  // namespace solvane::cli
