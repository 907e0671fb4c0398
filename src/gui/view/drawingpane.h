#pragma once

#include "model/profile.h"
#include "view/spotspicture.h"

class QLabel;
class QWidget;

namespace solvane {

class Platform;
class WaferDrawing;
class WaferView;

// The wafer drawing pane of the window (Picture1) and its drawing procedures, each with the busy
// pointer while it draws. Keeps whether the visiting path is shown (and its length in a status
// panel of its own), and which picture shows every spot, for the table's current-cell highlight.
class DrawingPane {
public:
    DrawingPane(Profile& profile, Platform& platform, QWidget* parent);

    WaferView& view() { return *Picture1; }
    // The status panel of the path's length while the path is shown, and of Optimise Order's result.
    QLabel& pathStatus() { return *statusPanelPath_; }

    void drawwafer();
    void drawsnapgrid();
    void redrawall();
    void drawpoint(int i);
    void drawspot(double R, float Theta, Colour fill, Colour outline);
    void drawnumber(double R, float Theta, int n);
    // Every spot in SpotColor with its number, then point row's spot in red when row is a point
    // (0: none). Cheap while the last such picture is still the one shown.
    void drawSpotsHighlighting(int row);

    bool showsPath() const { return showPath_; }
    void setShowPath(bool show) { showPath_ = show; }

private:
    // A WaferDrawing over Picture1's surface, the profile and the window's palette.
    WaferDrawing drawing();
    // Notes that the picture just drawn shows every spot in SpotColor, for drawSpotsHighlighting.
    void rememberSpotsPicture();
    // The path's length in its status panel while the path is shown; nothing otherwise.
    void showPathLength();

    Profile& profile_;
    Platform& platform_;
    WaferView* Picture1;
    QLabel* statusPanelPath_;
    SpotsPicture spotsPicture_;
    bool showPath_ = false;
};

}  // namespace solvane
