#pragma once

#include <QImage>
#include <vector>

#include "model/profile.h"

namespace solvane {

class WaferSurface;

// A kept copy of the wafer picture with every spot drawn in the spot colour and numbered, and what
// those spots were drawn from. Moving the table's current cell redraws every spot to take back the
// previous highlight; while the surface still shows this picture (or this picture with only a
// highlight drawn over it) and the spots would come out the same, showing the copy again is that
// redraw without drawing 2000 spots.
class SpotsPicture {
public:
    // Keeps what the surface shows now as the picture of profile's spots.
    void keep(const WaferSurface& surface, const Profile& profile);
    // Notes that a highlight was just drawn over the kept picture, and nothing else.
    void highlighted(const WaferSurface& surface);
    // True when redrawing every spot of profile over what the surface shows would give the kept picture.
    bool isCurrent(const WaferSurface& surface, const Profile& profile) const;
    // True when the surface shows the kept picture itself, nothing drawn over it since.
    bool isShown(const WaferSurface& surface) const;
    const QImage& picture() const { return picture_; }

private:
    struct Spot {
        float R;
        float Theta;
    };

    QImage picture_;
    bool kept_ = false;
    quint64 keptGeneration_ = 0;
    quint64 highlightGeneration_ = 0;
    std::vector<Spot> spots_;
    Colour spotColour_ = 0;
    double beamDiameter_ = 0.0;
};

}  // namespace solvane
