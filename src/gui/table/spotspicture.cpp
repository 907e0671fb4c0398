#include "table/spotspicture.h"

#include "view/wafersurface.h"

namespace solvane {

void SpotsPicture::keep(const WaferSurface& surface, const Profile& profile)
{
    // A deep copy: a painter still open on the surface would otherwise draw into the kept picture too.
    picture_ = surface.image().copy();
    kept_ = true;
    keptGeneration_ = surface.generation();
    highlightGeneration_ = keptGeneration_;
    spots_.clear();
    spots_.reserve(static_cast<std::size_t>(profile.PointCount));
    for (int i = 1; i <= profile.PointCount; ++i) {
        const PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        spots_.push_back({point.R, point.Theta});
    }
    spotColour_ = profile.SpotColor;
    beamDiameter_ = profile.BeamDiameter;
}

void SpotsPicture::highlighted(const WaferSurface& surface) { highlightGeneration_ = surface.generation(); }

bool SpotsPicture::isCurrent(const WaferSurface& surface, const Profile& profile) const
{
    if (!kept_) return false;
    const quint64 shown = surface.generation();
    if (shown != keptGeneration_ && shown != highlightGeneration_) return false;
    if (picture_.size() != surface.size()) return false;
    // Spots are drawn where their R and Theta put them, numbered by their place in the list.
    if (profile.SpotColor != spotColour_ || profile.BeamDiameter != beamDiameter_) return false;
    if (static_cast<std::size_t>(profile.PointCount) != spots_.size()) return false;
    for (std::size_t i = 0; i < spots_.size(); ++i) {
        const PointRec& point = profile.Points[i + 1];
        if (point.R != spots_[i].R || point.Theta != spots_[i].Theta) return false;
    }
    return true;
}

}  // namespace solvane
