#pragma once

namespace solvane {

// Drops the offscreen platform's "does not support propagateSizeHints()" warning, which every
// dialog with a layout raises there and which says nothing about the program. Other messages
// pass on to the handler installed before.
void quietOffscreenWarnings();

}  // namespace solvane
