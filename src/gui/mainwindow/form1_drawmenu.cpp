// The main window's Draw menu: the patterns and the snap grid.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::showGridStepsDialog(const QString& /*title*/, const QString& /*upperCaption*/,
                                const QString& /*lowerCaption*/)
{
}

void Form1::Draw_Snap_Click() {}

void Form1::Draw_Grid_Click() {}

void Form1::Draw_Five_Click() {}

void Form1::Draw_Nine_Click() {}

void Form1::Draw_Seventeen_Click() {}

void Form1::Draw_Polar_Click() {}

void Form1::Draw_XY_Click() {}

}  // namespace solvane
