// The main window's import commands: KLA results files and CSV files.
#include "mainwindow/form1.h"

namespace solvane {

void Form1::mnuFileImporter_Click() {}

void Form1::mnuCSVFileImporter_Click() {}

}  // namespace solvane
