#pragma once

namespace solvane {

class WindowServices;
struct Profile;

// The commands of the Edit menu after Undo and Redo: delete, copy and paste, the two sorts, the
// shortest visiting order, rotation and Clear Points.
class EditCommands {
public:
    explicit EditCommands(WindowServices& window);

    // Deletes the current row's point (below the list: the last point).
    void deletepoint();
    void sorttheta();
    void sortradius();

    void Edit_Delete_Click();
    void Edit_Copy_Click();
    void Edit_Paste_Click();
    void Edit_SortA_Click();
    void Edit_SortR_Click();
    void Edit_Optimise_Click();
    void Edit_Rotate_Click();
    void Edit_Clear_Click();

private:
    WindowServices& window_;
    Profile& profile_;
    // The last rotation angle, kept for the session.
    double rotationDeg_ = 0.0;
};

}  // namespace solvane
