#pragma once

namespace solvane {

// Drops the offscreen platform's "This plugin does not support ..." warnings (size hints, raise),
// which every dialog with a layout raises there and which say nothing about the program. Other
// messages pass on to the handler installed before.
void quietOffscreenWarnings();

}  // namespace solvane
