// solvane-cli pattern: builds one of the Draw menu's patterns and saves it as a profile file.

#include <string>

#include "arguments.h"
#include "command.h"
#include "files/profilefile.h"
#include "model/patterns.h"
#include "text/numtext.h"

namespace solvane::cli {

namespace {

int runPattern(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"},
                             {"--diameter"},
                             {"--edge"},
                             {"--beam"},
                             {"--angle-steps"},
                             {"--radius-steps"},
                             {"--rings"},
                             {"--first-ring"},
                             {"--coord"},
                             {"--description"}});
    if (const auto done = checkCommandLine(self, line, "give one pattern kind: 5, 9, 17, polar, xy or rings",
                                           "give the file to write with -o FILE"))
        return *done;
    const std::string& kind = line.positional()[0];

    Profile profile;
    profile.WaferDiameter = line.number("--diameter", 200.0);
    const double edge = line.number("--edge", 5.0);
    profile.BeamDiameter = line.number("--beam", 8.0);
    profile.CoordSys = line.choice("--coord", "Polar", {"Polar", "Rectangular"});
    profile.Description = line.text("--description").value_or("");
    const bool grid = sameWord(kind, "polar") || sameWord(kind, "xy");
    const bool rings = sameWord(kind, "rings");
    if (!grid && !rings && kind != "5" && kind != "9" && kind != "17")
        return usageError(self, "unknown pattern kind \"" + kind + "\"; use 5, 9, 17, polar, xy or rings");
    // The fixed patterns have their own counts; the other kinds' count options are not even looked at.
    const int angleSteps = grid ? line.whole("--angle-steps", 4, 1, 30) : 0;
    const int radiusSteps = grid ? line.whole("--radius-steps", 1, 1, 30) : 0;
    const RingCounts ringCounts{rings ? line.whole("--rings", DefaultRingCounts.rings, 1, MaxRings) : 0,
                                rings ? line.whole("--first-ring", DefaultRingCounts.firstRing, 1, MaxFirstRingPoints)
                                      : 0};
    if (!line.ok()) return usageError(self, line.error());

    if (!(profile.WaferDiameter > 0.0 && profile.WaferDiameter <= 10000.0))
        return usageError(self, "--diameter must be above 0 and at most 10000 mm");
    if (!(edge >= 0.0 && edge <= 10000.0)) return usageError(self, "--edge must lie between 0 and 10000 mm");
    if (!(profile.BeamDiameter >= 0.0 && profile.BeamDiameter <= 10000.0))
        return usageError(self, "--beam must lie between 0 and 10000 mm");
    profile.EdgeExclusion = static_cast<float>(edge);
    if (!(usableRadiusMm(profile) > 0.0))
        return usageError(self, "the edge exclusion and half the beam leave no usable radius on a " +
                                    generalNumber(profile.WaferDiameter, 15) + " mm wafer");
    setCoordFlags(profile, profile.CoordSys);

    if (kind == "5") {
        fixedpattern(profile, FivePointCounts);
    } else if (kind == "9") {
        fixedpattern(profile, NinePointCounts);
    } else if (kind == "17") {
        fixedpattern(profile, SeventeenPointCounts);
    } else if (rings) {
        ringpattern(profile, ringCounts);
    } else {
        profile.GridAngSteps = static_cast<std::int16_t>(angleSteps);
        profile.GridRadSteps = static_cast<std::int16_t>(radiusSteps);
        if (sameWord(kind, "polar")) {
            polarpattern(profile);
        } else {
            xypattern(profile);
        }
    }

    if (profile.PointCount == 0) warning("the pattern has no points inside the usable radius");
    return finishWrite(writeprofile(profile, *line.text("-o")));
}

}  // namespace

extern const Command patternCommand;  // listed in main.cpp
const Command patternCommand{
    "pattern",
    "pattern KIND -o FILE [--diameter D] [--edge E] [--beam B] [--angle-steps N] [--radius-steps M] "
    "[--rings K] [--first-ring N] [--coord Polar|Rectangular] [--description TEXT]",
    "Builds a measurement pattern fitted inside the usable radius and saves it as a profile file.",
    "KIND is 5, 9 or 17 (fixed polar patterns: 1 ring of 4, 2 rings of 4, 2 rings of 8 points),\n"
    "polar (the centre and M rings of N points), xy (a grid of N x M steps clipped to the disc)\n"
    "or rings (the centre and K rings, ring k holding N x k points).\n"
    "  -o FILE                  the profile file to write\n"
    "  --diameter D             wafer diameter in mm (200)\n"
    "  --edge E                 edge exclusion in mm (5)\n"
    "  --beam B                 beam diameter in mm (8)\n"
    "  --angle-steps N          points per ring, or X steps, 1 to 30 (4); polar and xy only\n"
    "  --radius-steps M         rings, or Y steps, 1 to 30 (1); polar and xy only\n"
    "  --rings K                rings, 1 to 10 (3); rings only\n"
    "  --first-ring N           points on the innermost ring, 1 to 30 (8); rings only\n"
    "  --coord Polar|Rectangular  the pair the points are stored as (Polar)\n"
    "  --description TEXT       the profile's description\n",
    runPattern,
};

}  // namespace solvane::cli
