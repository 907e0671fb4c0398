// The main window's Edit menu.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::deletepoint() {}

void Form1::sorttheta() {}

void Form1::sortradius() {}

void Form1::Edit_Delete_Click() {}

void Form1::Edit_Copy_Click() {}

void Form1::Edit_SortA_Click() {}

void Form1::Edit_SortR_Click() {}

void Form1::Edit_Clear_Click() {}

}  // namespace solvane
