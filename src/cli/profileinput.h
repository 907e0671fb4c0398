#pragma once

#include <optional>
#include <string>

#include "model/profile.h"

namespace solvane::cli {

// Reads the whole of a profile file that a command will write back changed. Returns the exit
// status after reporting why it cannot be used (a file that reads only partly is refused: writing
// what it let through would pass the damage on silently), or nothing when it was read whole.
std::optional<int> readWholeProfile(Profile& profile, const std::string& input);

}  // namespace solvane::cli
