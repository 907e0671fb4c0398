// The main window's Print command.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::File_PrintData_Click() {}

}  // namespace solvane
