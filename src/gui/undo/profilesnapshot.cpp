#include "undo/profilesnapshot.h"

#include <algorithm>
#include <tuple>

namespace solvane {

namespace {

// The members besides the points, in one place for the comparison.
auto fieldsOf(const ProfileSnapshot& s)
{
    return std::tie(s.PointCount, s.TableRows, s.WaferDiameter, s.BeamDiameter, s.EdgeExclusion, s.CoordSys, s.PolarSys,
                    s.RectSys, s.Units, s.OffsetEnabled, s.ROffset, s.TOffset, s.Description, s.WaferColor,
                    s.SpotColor);
}

bool samePoint(const PointRec& a, const PointRec& b)
{
    return std::tie(a.R, a.Theta, a.Flag, a.X, a.Y) == std::tie(b.R, b.Theta, b.Flag, b.X, b.Y);
}

bool isBlank(const PointRec& p) { return samePoint(p, PointRec{}); }

}  // namespace

ProfileSnapshot takeSnapshot(const Profile& profile, int currentRow)
{
    ProfileSnapshot s;
    const auto first = profile.Points.begin() + 1;
    const auto lastUsed = std::find_if_not(profile.Points.rbegin(), profile.Points.rend() - 1, isBlank).base();
    s.points.assign(first, lastUsed);
    s.PointCount = profile.PointCount;
    s.TableRows = profile.TableRows;
    s.WaferDiameter = profile.WaferDiameter;
    s.BeamDiameter = profile.BeamDiameter;
    s.EdgeExclusion = profile.EdgeExclusion;
    s.CoordSys = profile.CoordSys;
    s.PolarSys = profile.PolarSys;
    s.RectSys = profile.RectSys;
    s.Units = profile.Units;
    s.OffsetEnabled = profile.OffsetEnabled;
    s.ROffset = profile.ROffset;
    s.TOffset = profile.TOffset;
    s.Description = profile.Description;
    s.WaferColor = profile.WaferColor;
    s.SpotColor = profile.SpotColor;
    s.currentRow = currentRow;
    return s;
}

void restoreSnapshot(Profile& profile, const ProfileSnapshot& s)
{
    std::fill(profile.Points.begin() + 1, profile.Points.end(), PointRec{});
    std::copy(s.points.begin(), s.points.end(), profile.Points.begin() + 1);
    profile.PointCount = s.PointCount;
    profile.TableRows = s.TableRows;
    profile.WaferDiameter = s.WaferDiameter;
    profile.BeamDiameter = s.BeamDiameter;
    profile.EdgeExclusion = s.EdgeExclusion;
    profile.CoordSys = s.CoordSys;
    profile.PolarSys = s.PolarSys;
    profile.RectSys = s.RectSys;
    profile.Units = s.Units;
    profile.OffsetEnabled = s.OffsetEnabled;
    profile.ROffset = s.ROffset;
    profile.TOffset = s.TOffset;
    profile.Description = s.Description;
    profile.WaferColor = s.WaferColor;
    profile.SpotColor = s.SpotColor;
}

bool sameContent(const ProfileSnapshot& a, const ProfileSnapshot& b)
{
    return fieldsOf(a) == fieldsOf(b) &&
           std::equal(a.points.begin(), a.points.end(), b.points.begin(), b.points.end(), samePoint);
}

bool sameWafer(const Profile& p, const ProfileSnapshot& s)
{
    return std::tie(p.WaferDiameter, p.BeamDiameter, p.EdgeExclusion, p.CoordSys, p.WaferColor, p.SpotColor) ==
           std::tie(s.WaferDiameter, s.BeamDiameter, s.EdgeExclusion, s.CoordSys, s.WaferColor, s.SpotColor);
}

}  // namespace solvane
