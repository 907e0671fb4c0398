#include "model/conversions.h"

#include <cmath>

#include "model/profile.h"

namespace solvane {

namespace {

// Ratio y/x as a float, limited from above only (a large negative ratio is not limited),
// then its arc tangent in degrees.
double ratioAngleDeg(double x, float y)
{
    float ratio = 30000.0f;
    if (x != 0.0) ratio = static_cast<float>(static_cast<double>(y) / x);
    if (ratio > 30000.0f) ratio = 30000.0f;
    return std::atan(static_cast<double>(ratio)) * 180.0 / Pi;
}

// The angles each quadrant adds, and those of the axes; they differ between the two routines.
struct QuadrantOffsets {
    double quadrants[3];  // the first; the second and third; the fourth
    float positiveY, negativeY, positiveX, negativeX;
};

float quadrantAngle(double x, float y, double a, const QuadrantOffsets& q)
{
    const bool left = x < 0;
    const bool right = x > 0;
    const bool down = y < 0;
    // Off both axes, as nearly every point is, the quadrant picks its offset by index: points lie
    // all round a wafer, and branches on their signs would be mispredicted half the time.
    if ((left | right) & (down | (y > 0)))
        return static_cast<float>(a + q.quadrants[static_cast<int>(left) + 2 * static_cast<int>(right & down)]);
    // On an axis; a NaN gives 0.
    if (x == 0) return y >= 0 ? q.positiveY : down ? q.negativeY : 0.0f;
    if (y == 0) return right ? q.positiveX : left ? q.negativeX : 0.0f;
    return 0.0f;
}

}  // namespace

float arctan(double x, float y)
{
    static constexpr QuadrantOffsets Offsets{{0.0, 180.0, 360.0}, 90.0f, 270.0f, 0.0f, 180.0f};
    return quadrantAngle(x, y, ratioAngleDeg(x, y), Offsets);
}

float xyarctan(double x, float y)
{
    // A quarter turn back, then forward again: on the positive X axis this gives 360, not 0.
    static constexpr QuadrantOffsets Offsets{{270.0, 90.0, 270.0}, 0.0f, 180.0f, 270.0f, 90.0f};
    float t = quadrantAngle(x, y, ratioAngleDeg(x, y), Offsets);
    t = static_cast<float>(static_cast<double>(t) + 90.0);
    if (t > 360.0f) t = static_cast<float>(static_cast<double>(t) - 360.0);
    return t;
}

void viewtoprofile(float& x, float& y)
{
    x = -x;
    y = -y;
}

XY polarToRect(double rMm, double thetaDeg)
{
    const double a = thetaDeg * Pi / 180.0;
    return {static_cast<float>(rMm * std::cos(a)), static_cast<float>(rMm * std::sin(a))};
}

void deriveRectangular(PointRec& point)
{
    const double angle = static_cast<double>(point.Theta) / (180.0 / Pi);
    point.X = static_cast<float>(static_cast<double>(point.R) * std::cos(angle));
    point.Y = static_cast<float>(static_cast<double>(point.R) * std::sin(angle));
}

void derivePolar(PointRec& point)
{
    const double x = point.X;
    const double y = point.Y;
    point.R = static_cast<float>(std::sqrt(x * x + y * y));
    point.Theta = arctan(x, point.Y);
}

}  // namespace solvane
