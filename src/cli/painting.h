#pragma once

#include <string>
#include <vector>

#include "command.h"

namespace solvane::cli {

// The commands that paint. solvane-cli-paint defines them (paint/), drawing with the render library;
// solvane-cli defines them as a hand-over to solvane-cli-paint (handover/), so that the commands that
// draw nothing start without loading Qt.
int runRender(const Command& self, const std::vector<std::string>& words);
int runReport(const Command& self, const std::vector<std::string>& words);

}  // namespace solvane::cli
