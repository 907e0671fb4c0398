// The main window's mouse editing on the wafer drawing.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::Picture1_MouseDown(float /*X*/, float /*Y*/) {}

void Form1::Picture1_MouseMove(float /*X*/, float /*Y*/) {}

void Form1::Picture1_MouseUp(float /*X*/, float /*Y*/) {}

}  // namespace solvane
