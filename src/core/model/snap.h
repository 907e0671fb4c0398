#pragma once

#include "model/profile.h"

namespace solvane {

// Moves (mouseX, mouseY), a position in profile coordinates, to the nearest node of the polar
// snap grid (SnapRadSteps rings of SnapAngSteps nodes plus the centre). Ties keep the node
// visited first: angle index outer, ring index inner.
void snappoint(const Profile& profile, float& mouseX, float& mouseY);

}  // namespace solvane
