#include "view/spotspicture.h"

#include <cstring>

#include "render/wafersurface.h"

namespace solvane {

void SpotsPicture::keep(const WaferSurface& surface, const Profile& profile)
{
    // A copy of the pixels, never a shared image: a painter still open on the surface would draw into
    // a shared one, and un-sharing it costs a fresh copy. The kept image is reused while it fits.
    const QImage& shown = surface.image();
    if (picture_.size() == shown.size() && picture_.format() == shown.format())
        std::memcpy(picture_.bits(), shown.constBits(), static_cast<std::size_t>(shown.sizeInBytes()));
    else
        picture_ = shown.copy();
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

bool SpotsPicture::isShown(const WaferSurface& surface) const
{
    return kept_ && surface.generation() == keptGeneration_;
}

bool SpotsPicture::isCurrent(const WaferSurface& surface, const Profile& profile) const
{
    if (!kept_) return false;
    const quint64 shown = surface.generation();
    if (shown != keptGeneration_ && shown != highlightGeneration_) return false;
    if (picture_.size() != surface.image().size()) return false;
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
