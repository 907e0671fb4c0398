#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/profile.h"

namespace solvane {

// A stage position in mm (X, Y of the profile frame).
struct StagePosition {
    double x;
    double y;
};

// How hard the search tries. The amount of work is fixed by these counts, never by the clock, so
// the same input gives the same order on every machine.
struct PathSearchWork {
    int kicksPerPoint = 2;       // perturbations tried after the first local optimum, per point
    int minimumKicks = 300;      // ... but at least this many (small sets are cheap)
    std::uint32_t seed = 12345;  // of the perturbations' pseudo-random sequence
};

// Length in mm of the open path through the positions in the given order.
double openPathLengthMm(const std::vector<StagePosition>& positions, const std::vector<int>& order);

// A short open path through every position that starts at position 0 and ends anywhere: a
// permutation of 0..n-1 with 0 first. Nearest-neighbour start, then 2-opt and Or-opt over the ten
// nearest neighbours of each position, then localised double-bridge kicks that are kept when they
// lead to a shorter path. Never longer than the identity order.
std::vector<int> shortestOpenPath(const std::vector<StagePosition>& positions, const PathSearchWork& work = {});

// Length in mm of the stage's path through the profile's points in list order.
double pathLengthMm(const Profile& profile);

struct PathLengths {
    double beforeMm;
    double afterMm;
};

// "Path 4440.8 mm" and "Path 8231.4 mm → 4440.8 mm" (UTF-8 arrow): one decimal, "." in every locale.
std::string pathLengthText(double lengthMm);
std::string pathLengthsText(const PathLengths& lengths);

// Reorders points 1..PointCount (records move whole) into the shortest open path found that starts
// at point 1. Returns the path length before and after.
PathLengths optimiseorder(Profile& profile);

}  // namespace solvane
