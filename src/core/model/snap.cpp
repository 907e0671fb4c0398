#include "model/snap.h"

#include <cmath>

#include "model/conversions.h"

namespace solvane {

void snappoint(const Profile& profile, float& mouseX, float& mouseY)
{
    const int rings = profile.SnapRadSteps;
    const int perRing = profile.SnapAngSteps;
    const double stepDeg = 360.0 / perRing;
    const float ringSpacing = static_cast<float>(usableRadiusMm(profile) / rings);

    double best = 30000.0;  // squared distance, mm^2
    double bestX = 0.0;
    double bestY = 0.0;
    for (int i = 1; i <= perRing; ++i) {
        const double a = (i * stepDeg + 90.0) * Pi / 180.0;
        for (int j = 0; j <= rings; ++j) {
            const double radius = j * static_cast<double>(ringSpacing);
            const double xn = radius * std::cos(a);
            const double yn = radius * std::sin(a);
            const double dy = mouseY - yn;
            const double dx = mouseX - xn;
            const double d = dy * dy + dx * dx;
            if (d < best) {
                best = d;
                bestX = xn;
                bestY = yn;
            }
        }
    }
    mouseX = static_cast<float>(bestX);
    mouseY = static_cast<float>(bestY);
}

}  // namespace solvane
