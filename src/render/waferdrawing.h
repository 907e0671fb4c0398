#pragma once

#include <QPalette>

#include "model/profile.h"
#include "render/wafersurface.h"

namespace solvane {

// The wafer drawing procedures over a surface: the disc with its flat, the snap-grid dots, and one
// spot per point with its number. The drawing shows the profile turned by 180 degrees: a point
// (X, Y) is drawn at (-X, -Y). System colours resolve through the palette.
class WaferDrawing {
public:
    WaferDrawing(WaferSurface& surface, const Profile& profile, const QPalette& palette)
        : surface_(surface), profile_(profile), palette_(palette)
    {}

    // Clears the surface, sets the scale for WaferDiameter and draws the disc with its flat. A
    // diameter that cannot span a scale (0, negative) keeps the previous scale and draws nothing.
    void drawwafer();
    void drawsnapgrid();
    // Wafer, snap grid when SnapOn, the visiting path when shown, then every spot with its number.
    void redrawall();
    // Whether redrawall draws the visiting path (off unless asked).
    void setShowPath(bool show) { showPath_ = show; }
    // Thin lines in GridColor joining the spots' centres in list order: the stage's path.
    void drawpath();
    void drawspot(double R, float Theta, Colour fill, Colour outline);
    void drawnumber(double R, float Theta, int n);
    // Every spot 1..PointCount in SpotColor with its number.
    void drawallspots();
    // The device pixels of the surface that drawspot and drawnumber of point n at (R, Theta) may change.
    QRect spotArea(double R, float Theta, int n);

    QColor colour(Colour colour) const;

private:
    // A diameter of 0 or less cannot span a scale: such a profile keeps the previous drawing.
    bool hasDrawableDiameter() const;
    // Where each point 1..PointCount is drawn, in user coordinates.
    QPolygonF drawnPositions() const;
    // A spot of the beam's size at a drawn position.
    void spotAt(QPointF at, const QColor& outline, const QColor& fill);

    WaferSurface& surface_;
    const Profile& profile_;
    QPalette palette_;
    bool showPath_ = false;
};

}  // namespace solvane
