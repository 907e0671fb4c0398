#pragma once

namespace solvane {

class WindowServices;

// File > Print: the point report on the printer the user picks (a PDF file included).
class PrintCommand {
public:
    explicit PrintCommand(WindowServices& window) : window_(window) {}

    void File_PrintData_Click();

private:
    WindowServices& window_;
};

}  // namespace solvane
