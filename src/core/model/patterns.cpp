#include "model/patterns.h"

#include <cmath>

#include "model/conversions.h"

namespace solvane {

namespace {

// The centre point as entry 1; returns the number of entries written.
int placeCentre(Profile& profile)
{
    profile.Points[1] = PointRec{0.0f, 0.0f, profile.Points[1].Flag, 0.0f, 0.0f};
    return 1;
}

// One ring of perRing points at radius r after entry n, counter-clockwise from 360 / perRing up to
// 360 degrees; returns the new last entry.
int placeRing(Profile& profile, int n, double r, int perRing)
{
    // The angular step is kept in single precision: the stored angles show it in their last digits.
    const float step = static_cast<float>(FullTurnRad / (180.0 * perRing));
    for (int j = 1; j <= perRing; ++j) {
        const float theta = static_cast<float>(static_cast<double>(step) * j);
        ++n;
        PointRec& p = profile.Points[static_cast<std::size_t>(n)];
        p.R = static_cast<float>(r);
        p.Theta = static_cast<float>(static_cast<double>(static_cast<float>(180.0 * theta)) / Pi);
        p.X = static_cast<float>(std::cos(static_cast<double>(theta)) * r);
        p.Y = static_cast<float>(std::sin(static_cast<double>(theta)) * r);
    }
    return n;
}

void setGeneratedCount(Profile& profile, int n)
{
    profile.PointCount = static_cast<std::int16_t>(n);
    profile.TableRows = static_cast<std::int16_t>(n);
}

}  // namespace

void polarpattern(Profile& profile)
{
    const int rings = profile.GridRadSteps;
    const double ringSpacing = usableRadiusMm(profile) / rings;
    int n = placeCentre(profile);
    for (int i = 1; i <= rings; ++i) n = placeRing(profile, n, ringSpacing * i, profile.GridAngSteps);
    setGeneratedCount(profile, n);
}

int ringPointCount(RingCounts counts) { return 1 + counts.firstRing * counts.rings * (counts.rings + 1) / 2; }

void ringpattern(Profile& profile, RingCounts counts)
{
    resetPoints(profile);
    const double ringSpacing = usableRadiusMm(profile) / counts.rings;
    int n = placeCentre(profile);
    for (int k = 1; k <= counts.rings; ++k) n = placeRing(profile, n, ringSpacing * k, counts.firstRing * k);
    setGeneratedCount(profile, n);
}

void xypattern(Profile& profile)
{
    const int stepsX = profile.GridAngSteps;
    const int stepsY = profile.GridRadSteps;
    const double ru = usableRadiusMm(profile);
    const double dx = 2.0 * ru / stepsX;
    const double dy = 2.0 * ru / stepsY;

    int n = 0;
    for (int j = 0; j <= stepsX; ++j) {
        for (int k = 0; k <= stepsY; ++k) {
            const double x = j * dx - ru;
            const float y = static_cast<float>(k * dy - ru);
            const float ySquared = static_cast<float>(static_cast<double>(y) * y);
            // The 0.01 mm^2 tolerance keeps nodes that lie on the usable circle despite rounding.
            if (x * x + ySquared >= ru * ru + 0.01) continue;
            ++n;
            PointRec& p = profile.Points[n];
            p.R = static_cast<float>(std::sqrt(x * x + ySquared));
            p.Theta = xyarctan(x, y);
            p.X = static_cast<float>(x);
            p.Y = y;
        }
    }
    profile.PointCount = static_cast<std::int16_t>(n);
}

void fixedpattern(Profile& profile, PatternCounts counts)
{
    resetPoints(profile);
    profile.GridRadSteps = counts.radSteps;
    profile.GridAngSteps = counts.angSteps;
    polarpattern(profile);
}

}  // namespace solvane
