#pragma once

#include <cstdint>

class QShortcut;

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
    // Lets go of a spot held by the mouse without moving it: its row shows the point again.
    void putHeldSpotBack();
    // Forgets the held spot, for a command (Delete) that takes it away.
    void letGoOfHeldSpot();

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
    // Where the held spot's centre lies from the pointer, kept through the drag.
    float GrabDX = 0.0f;
    float GrabDY = 0.0f;
    // Escape puts a held spot back; enabled only while one is held.
    QShortcut* escape_;

    void holdSpot(int i);
    // The arrow everywhere, the crosshair over the drawing's usable area.
    void showPointer();
};

}  // namespace solvane
