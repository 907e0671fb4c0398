// solvane-cli optimise: reorders a profile's points into a short stage path from point 1.

#include <cstdio>
#include <string>

#include "arguments.h"
#include "command.h"
#include "files/profilefile.h"
#include "model/visitorder.h"
#include "profileinput.h"

namespace solvane::cli {

namespace {

int runOptimise(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}});
    if (const auto done = checkCommandLine(self, line, "give one profile file to reorder",
                                           "give the file to write with -o FILE"))
        return *done;

    Profile profile;
    if (const auto failed = readWholeProfile(profile, line.positional()[0])) return *failed;
    const PathLengths lengths = optimiseorder(profile);
    const WriteResult written = writeprofile(profile, *line.text("-o"));
    if (!written.ok) return fileError(written.message);
    std::printf("%s\n", pathLengthsText(lengths).c_str());
    return ExitSuccess;
}

}  // namespace

extern const Command optimiseCommand;  // listed in main.cpp
const Command optimiseCommand{
    "optimise",
    "optimise IN -o OUT",
    "Reorders the points into a short path for the stage that starts at point 1; prints its length before "
    "and after.",
    "  -o OUT   the profile file to write (may be IN itself)\n",
    runOptimise,
};

}  // namespace solvane::cli
