#pragma once

#include <vector>

#include "model/profile.h"
#include "render/wafersurface.h"

namespace solvane {

// Which picture of the surface shows every spot drawn in the spot colour and numbered (by the
// surface's generation), what those spots were drawn from, and the pixels under a highlight drawn
// over that picture since. Moving the table's current cell redraws every spot to take back the
// previous highlight; while the surface still shows this picture (or it with only a highlight drawn
// over it) and the spots would come out the same, putting back the pixels under the highlight is
// that redraw without drawing 2000 spots.
class SpotsPicture {
public:
    // Notes that the surface shows every spot of profile now.
    void keep(const WaferSurface& surface, const Profile& profile);
    // True when redrawing every spot of profile over what the surface shows would give the kept picture.
    bool isCurrent(const WaferSurface& surface, const Profile& profile) const;
    // Shows the kept picture again, taking back the highlight over it; only while isCurrent.
    void show(WaferSurface& surface);
    // Saves the pixels of area (device pixels) before a highlight is drawn there over the kept picture.
    void saveUnderHighlight(const WaferSurface& surface, const QRect& area);
    // Notes that a highlight was just drawn over the kept picture, and nothing else.
    void highlighted(const WaferSurface& surface) { highlightGeneration_ = surface.generation(); }

private:
    struct Spot {
        float R;
        float Theta;
    };

    bool kept_ = false;
    quint64 keptGeneration_ = 0;
    quint64 highlightGeneration_ = 0;
    WaferSurface::SavedArea underHighlight_;
    std::vector<Spot> spots_;
    Colour spotColour_ = 0;
    double beamDiameter_ = 0.0;
};

}  // namespace solvane
