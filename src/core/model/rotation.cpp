#include "model/rotation.h"

#include <cmath>

#include "model/conversions.h"

namespace solvane {

void rotatepoints(Profile& profile, double angleDeg)
{
    // Recomputing X and Y would change their last bits: a full turn must give back the same file.
    if (std::fmod(angleDeg, 360.0) == 0.0) return;
    for (int i = 1; i <= profile.PointCount; ++i) {
        PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        double theta = std::fmod(static_cast<double>(point.Theta) + angleDeg, 360.0);
        if (theta <= 0.0) theta += 360.0;
        point.Theta = static_cast<float>(theta);
        deriveRectangular(point);
    }
}

}  // namespace solvane
