#pragma once

#include "model/profile.h"

namespace solvane {

// Turns every point about the wafer centre by angleDeg, counter-clockwise: R stays, Theta becomes
// Theta + angleDeg brought into (0, 360], and X, Y follow from R and the new Theta as they do for
// a typed polar value. A whole number of turns (0 included) leaves every point as it is.
void rotatepoints(Profile& profile, double angleDeg);

}  // namespace solvane
