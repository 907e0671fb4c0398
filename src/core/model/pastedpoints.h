#pragma once

#include <string_view>
#include <vector>

#include "model/profile.h"

namespace solvane {

// Two numbers of one pasted line: R and Theta, or X and Y, in mm (and degrees).
struct PastedPair {
    double first = 0.0;
    double second = 0.0;
};

struct PastedText {
    std::vector<PastedPair> pairs;
    int skippedLines = 0;  // lines that are neither blank nor a pair (a first heading line is not counted)
};

// Reads pasted text: the editor's own Copy listing, or a two-column selection from a spreadsheet.
// Each line holds two numbers separated by a tab, a semicolon, a comma or blanks (the first of these
// found in the line separates; a comma only when it is not the decimal separator). Numbers use "." or
// the given decimal separator. Blank lines are ignored; a first line without a pair is a heading;
// any other line that is not exactly two numbers is skipped and counted.
PastedText parsePastedPoints(std::string_view text, char decimalSeparator);

// Appends the pairs as points in the profile's current system, each completed as a typed point is
// (the other pair worked out and rounded to single precision), until the store holds 2000 points.
// Returns how many were appended.
int appendPastedPoints(Profile& profile, const std::vector<PastedPair>& pairs);

}  // namespace solvane
