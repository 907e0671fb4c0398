#pragma once

namespace solvane {

// Sizes the main window's layout reads, in twips.
struct LayoutInput {
    double innerWidth;     // W
    double innerHeight;    // H
    double innerTop;       // T
    double descriptLeft;   // left edge of the description box
    double descriptWidth;  // its width now
    double descriptHeight;
    double gridWidth;        // the point table keeps its width
    double statusBarHeight;  // as set by the previous layout
};

// Where the panes go, in twips.
struct LayoutResult {
    double descriptWidth;
    double gridLeft, gridTop, gridHeight;
    double pictureLeft, pictureTop;
    long pictureSide;  // S: the largest square left of the table
};

// The resize rule: the table keeps its width and fills the height between the description and the
// status bar; the drawing is the largest square that fits left of the table, centred in that room.
// Rooms below 100 twips count as 100.
LayoutResult layoutPanes(const LayoutInput& in);

}  // namespace solvane
