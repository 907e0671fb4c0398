#pragma once

#include "model/profile.h"

namespace solvane {

// Centre point plus GridRadSteps rings of GridAngSteps points, the outer ring on the usable
// radius. Overwrites entries 1..n, sets PointCount and TableRows to n; Flag is not written.
void polarpattern(Profile& profile);

// Rectangular grid of GridAngSteps x GridRadSteps intervals over the usable square, keeping the
// nodes inside the usable disc, column by column. Sets PointCount; TableRows is left alone.
void xypattern(Profile& profile);

// Rings whose point count grows with the radius: ring k of `rings` lies at k / rings of the usable
// radius and holds firstRing x k points.
struct RingCounts {
    int rings;      // 1..10 in the dialog
    int firstRing;  // points on the innermost ring, 1..30 in the dialog
};
constexpr RingCounts DefaultRingCounts{3, 8};
constexpr int MaxRings = 10;
constexpr int MaxFirstRingPoints = 30;

// 1 + firstRing x (1 + 2 + ... + rings): 49 for 3 rings of 8, 16 and 24.
int ringPointCount(RingCounts counts);

// Replaces the points with the centre and the rings, inner ring first, each ring placed exactly as
// polarpattern places its rings (so one ring of N equals polarpattern with 1 ring of N). Resets the
// store first; sets PointCount and TableRows.
void ringpattern(Profile& profile, RingCounts counts);

// Step counts of the fixed Draw menu patterns.
struct PatternCounts {
    std::int16_t radSteps;
    std::int16_t angSteps;
};
constexpr PatternCounts FivePointCounts{1, 4};
constexpr PatternCounts NinePointCounts{2, 4};
constexpr PatternCounts SeventeenPointCounts{2, 8};

// A fixed pattern command's work on the model: reset, store the counts, generate.
void fixedpattern(Profile& profile, PatternCounts counts);

}  // namespace solvane
