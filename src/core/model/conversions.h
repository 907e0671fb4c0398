#pragma once

namespace solvane {

// The one value of pi used by every conversion between degrees and radians.
constexpr double Pi = 3.1415926;
// A full turn written as 360 x Pi, as the pattern generators use it.
constexpr double FullTurnRad = 1130.973336;

// Angle of (x, y) in degrees, 0 up to 360; the positive X axis gives 0.
float arctan(double x, float y);

// Angle of (x, y) in degrees, (0, 360]; the positive X axis gives 360.
float xyarctan(double x, float y);

// The drawing shows the profile turned by 180 degrees: turns a drawing position into a
// profile position (and back).
void viewtoprofile(float& x, float& y);

// Polar to rectangular with Pi as above, rounded to floats.
struct XY {
    float X;
    float Y;
};
XY polarToRect(double rMm, double thetaDeg);

struct PointRec;

// A point given in one system gets the other pair from it: X and Y from R and Theta, or R and
// Theta (0 up to 360) from X and Y. Every reader and editor of points derives them this way.
void deriveRectangular(PointRec& point);
void derivePolar(PointRec& point);

}  // namespace solvane
