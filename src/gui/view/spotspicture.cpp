#include "view/spotspicture.h"

namespace solvane {

void SpotsPicture::keep(const WaferSurface& surface, const Profile& profile)
{
    kept_ = true;
    keptGeneration_ = surface.generation();
    highlightGeneration_ = keptGeneration_;
    underHighlight_ = {};
    spots_.clear();
    spots_.reserve(static_cast<std::size_t>(profile.PointCount));
    for (int i = 1; i <= profile.PointCount; ++i) {
        const PointRec& point = profile.Points[static_cast<std::size_t>(i)];
        spots_.push_back({point.R, point.Theta});
    }
    spotColour_ = profile.SpotColor;
    beamDiameter_ = profile.BeamDiameter;
}

bool SpotsPicture::isCurrent(const WaferSurface& surface, const Profile& profile) const
{
    if (!kept_) return false;
    const quint64 shown = surface.generation();
    if (shown != keptGeneration_ && shown != highlightGeneration_) return false;
    // Spots are drawn where their R and Theta put them, numbered by their place in the list.
    if (profile.SpotColor != spotColour_ || profile.BeamDiameter != beamDiameter_) return false;
    if (static_cast<std::size_t>(profile.PointCount) != spots_.size()) return false;
    for (std::size_t i = 0; i < spots_.size(); ++i) {
        const PointRec& point = profile.Points[i + 1];
        if (point.R != spots_[i].R || point.Theta != spots_[i].Theta) return false;
    }
    return true;
}

void SpotsPicture::show(WaferSurface& surface)
{
    if (surface.generation() != keptGeneration_) surface.restore(underHighlight_);
    keptGeneration_ = surface.generation();
    underHighlight_ = {};
}

void SpotsPicture::saveUnderHighlight(const WaferSurface& surface, const QRect& area)
{
    underHighlight_ = surface.save(area);
}

}  // namespace solvane
