#pragma once

#include <string>

#include "model/profile.h"

namespace solvane {

// Operations on the profile's point list, Points[1..PointCount]. They change the list only; the
// caller refreshes what shows it.

// Ascending by angle or by radius; points with equal keys keep their order, records move whole.
void sortByAngle(Profile& profile);
void sortByRadius(Profile& profile);

// Removes point i (1..PointCount): the points after it move up one place. False when i names no point.
bool removePoint(Profile& profile, int i);

// An empty list: PointCount 0 and every entry zeros.
void clearPoints(Profile& profile);

// The list as Copy gives it: a heading line for the system the table shows, then one line a point,
// the two values separated by a tab, with the given decimal separator and CR LF line ends.
std::string pointListText(const Profile& profile, char decimalSeparator);

// A value typed into column 1 or 2 of the table, kept as a single and limited to what the column
// may hold: a radius from 0 to (WaferDiameter - BeamDiameter) / 2, an angle from 0 to 360, and X
// at most that radius. NaN counts as 0 and values beyond a single's range as its largest.
float limitedCellValue(const Profile& profile, int column, double typed);

// Sets column 1 or 2 of point i (R or Theta in the polar system, X or Y in the rectangular one) to
// the value, as a single, and derives the other pair from the pair it belongs to.
void setPointValue(Profile& profile, int i, int column, double value);

// Places the point at a position in the profile frame (mm): R and Theta from the position, X and Y
// from them. Flag is left as it was.
void placePoint(PointRec& point, float x, float y);

}  // namespace solvane
