// The main window's About command.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::showAboutBox() {}

}  // namespace solvane
