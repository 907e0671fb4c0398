#include "model/profile.h"

namespace solvane {

void resetPoints(Profile& profile) { profile.Points.fill(PointRec{}); }

double usableRadiusMm(const Profile& profile)
{
    return (profile.WaferDiameter / 2.0 - profile.EdgeExclusion) - profile.BeamDiameter / 2.0;
}

}  // namespace solvane
