#pragma once

namespace solvane {

class WindowServices;

// The commands of the Setup menu: the drawing's colours and the wafer parameters.
class SetupCommands {
public:
    explicit SetupCommands(WindowServices& window) : window_(window) {}

    void Setup_Color_Click();
    void Setup_Size_Click();

private:
    WindowServices& window_;
};

}  // namespace solvane
