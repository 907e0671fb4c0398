#pragma once

#include <QIcon>

namespace solvane {

// The program's icon (a wafer with its flat and measurement spots) in every size it ships in,
// read from the resources compiled into the GUI library.
QIcon applicationIcon();

}  // namespace solvane
