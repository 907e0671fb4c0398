#include "model/profile.h"

namespace solvane {

void resetPoints(Profile& profile) { profile.Points.fill(PointRec{}); }

void setCoordFlags(Profile& profile, const std::string& coordSys)
{
    profile.PolarSys = coordSys == "Polar" ? True : False;
    profile.RectSys = coordSys == "Polar" ? False : True;
}

double usableRadiusMm(const Profile& profile)
{
    return (profile.WaferDiameter / 2.0 - profile.EdgeExclusion) - profile.BeamDiameter / 2.0;
}

}  // namespace solvane
