#pragma once

#include <string>

namespace solvane {

// True when path, after following symbolic links, is an existing plain file that the user may
// not write: its permissions refuse the user, or nobody at all may write it (mode 0444 counts
// even for the superuser, who could). The window asks before replacing such a file.
bool isReadOnlyFile(const std::string& path);

}  // namespace solvane
