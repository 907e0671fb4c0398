#pragma once

#include "model/profile.h"

namespace solvane {

// Centre point plus GridRadSteps rings of GridAngSteps points, the outer ring on the usable
// radius. Overwrites entries 1..n, sets PointCount and TableRows to n; Flag is not written.
void polarpattern(Profile& profile);

// Rectangular grid of GridAngSteps x GridRadSteps intervals over the usable square, keeping the
// nodes inside the usable disc, column by column. Sets PointCount; TableRows is left alone.
void xypattern(Profile& profile);

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
