// The main window's About command.
#include "help/frmabout.h"
#include "mainwindow/form1.h"

namespace solvane {

void Form1::showAboutBox()
{
    frmAbout about(profile_, platform_, this);
    runDialog(about);
}

}  // namespace solvane
