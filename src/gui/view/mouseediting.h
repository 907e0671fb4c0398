#pragma once

#include <cstdint>

#include "model/profile.h"

namespace solvane {

class WindowServices;

// Mouse editing on the wafer drawing: a press picks up the spot under the pointer or appends a point
// there, a release moves the held spot or, outside the usable area, deletes it. Positions come in
// the drawing's user scale (mm) and are turned into the profile frame first: the drawing shows the
// profile turned by 180 degrees.
class MouseEditing {
public:
    explicit MouseEditing(WindowServices& window);

    void Picture1_MouseDown(float X, float Y);
    void Picture1_MouseMove(float X, float Y);
    void Picture1_MouseUp(float X, float Y);

    // Forgets a held spot and the pointer's place (start-up, a new document).
    void reset() { CursorMode = 0; }

private:
    WindowServices& window_;
    Profile& profile_;

    std::int16_t CursorMode = 0;
    std::int16_t Dragging = False;
    std::int16_t DragPoint = 0;
    float MouseX = 0.0f;
    float MouseY = 0.0f;
    float DragX = 0.0f;
    float DragY = 0.0f;
};

}  // namespace solvane
