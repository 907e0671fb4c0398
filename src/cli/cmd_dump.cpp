// solvane-cli dump: prints a profile file's header and points as the reader understood them.

#include <cstdint>
#include <cstdio>
#include <string>

#include "arguments.h"
#include "command.h"
#include "profileinput.h"

namespace solvane::cli {

namespace {

// Whether the reader got past field (always, after a whole read).
bool wasRead(const ReadResult& result, ProfileField field) { return result.ok || field < result.stoppedAt; }

void printHeader(const Profile& profile, const ReadResult& result)
{
    if (wasRead(result, ProfileField::Version)) std::printf("version: %s\n", profile.ProfileVersion.c_str());
    if (wasRead(result, ProfileField::Description)) std::printf("description: %s\n", profile.Description.c_str());
    if (wasRead(result, ProfileField::WaferDiameter)) std::printf("diameter: %.17g\n", profile.WaferDiameter);
    if (wasRead(result, ProfileField::EdgeExclusion))
        std::printf("edge: %.9g\n", static_cast<double>(profile.EdgeExclusion));
    if (wasRead(result, ProfileField::BeamDiameter)) std::printf("beam: %.17g\n", profile.BeamDiameter);
    if (wasRead(result, ProfileField::CoordSys)) std::printf("coordsys: %s\n", profile.CoordSys.c_str());
    if (wasRead(result, ProfileField::WaferColor))
        std::printf("wafercolor: %d\n", static_cast<int>(static_cast<std::int32_t>(profile.WaferColor)));
    if (wasRead(result, ProfileField::SpotColor))
        std::printf("spotcolor: %d\n", static_cast<int>(static_cast<std::int32_t>(profile.SpotColor)));
    if (wasRead(result, ProfileField::PointCount)) std::printf("count: %d\n", profile.PointCount);
}

int runDump(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {});
    if (const auto done = checkCommandLine(self, line, "give one profile file to dump")) return *done;

    Profile profile;
    const auto result = readShownProfile(profile, line.positional()[0], "showing what was read");
    if (!result) return ExitFileError;

    printHeader(profile, *result);
    for (int i = 1; i <= result->pointsRead; ++i) {
        const PointRec& p = profile.Points[static_cast<std::size_t>(i)];
        std::printf("%d %.9g %.9g %.9g %.9g %d\n", i, static_cast<double>(p.R), static_cast<double>(p.Theta),
                    static_cast<double>(p.X), static_cast<double>(p.Y), p.Flag);
    }
    return shownStatus(*result);
}

}  // namespace

extern const Command dumpCommand;  // listed in main.cpp
const Command dumpCommand{
    "dump",
    "dump FILE",
    "Prints a profile file's header and points, one per line, as the program reads them.",
    "Header lines: version, description, diameter, edge, beam, coordsys, wafercolor, spotcolor, count;\n"
    "then one line per point: number R Theta X Y Flag. A file that reads only partly is shown as far\n"
    "as it was read, with a warning, and the exit status is 3.\n",
    runDump,
};

}  // namespace solvane::cli
