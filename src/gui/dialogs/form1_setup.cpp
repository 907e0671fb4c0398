// The main window's Setup menu: the colour and parameters dialogs.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::Setup_Color_Click() {}

void Form1::Setup_Size_Click() {}

}  // namespace solvane
