// The main window's in-place cell editing of the point table.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::MSFlexGridEdit(FlexGrid& /*MSflexgrid*/, QLineEdit& /*edt*/, int /*KeyAscii*/) {}

void Form1::EditKeyCode(FlexGrid& /*MSflexgrid*/, QLineEdit& /*edt*/, int /*KeyCode*/, int /*Shift*/) {}

void Form1::checkrange() {}

void Form1::grdData_KeyPress(int /*KeyAscii*/) {}

void Form1::grdData_DblClick() {}

void Form1::grdData_GotFocus() {}

void Form1::grdData_LeaveCell() {}

void Form1::grdData_EnterCell() {}

void Form1::grdData_KeyDown(int /*KeyCode*/) {}

void Form1::txtedit_KeyDown(int /*KeyCode*/) {}

int Form1::txtedit_KeyPress(int KeyAscii) { return KeyAscii; }

bool Form1::eventFilter(QObject* watched, QEvent* event) { return QMainWindow::eventFilter(watched, event); }

}  // namespace solvane
