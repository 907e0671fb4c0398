#include "model/patterns.h"

#include <cmath>

#include "model/conversions.h"

namespace solvane {

void polarpattern(Profile& profile)
{
    const int rings = profile.GridRadSteps;
    const int perRing = profile.GridAngSteps;
    const double ringSpacing = usableRadiusMm(profile) / rings;
    // The angular step is kept in single precision: the stored angles show it in their last digits.
    const float step = static_cast<float>(FullTurnRad / (180.0 * perRing));

    profile.Points[1].R = 0.0f;
    profile.Points[1].Theta = 0.0f;
    profile.Points[1].X = 0.0f;
    profile.Points[1].Y = 0.0f;
    int n = 1;
    for (int i = 1; i <= rings; ++i) {
        for (int j = 1; j <= perRing; ++j) {
            const float theta = static_cast<float>(static_cast<double>(step) * j);
            const double r = ringSpacing * i;
            ++n;
            PointRec& p = profile.Points[n];
            p.R = static_cast<float>(r);
            p.Theta = static_cast<float>(static_cast<double>(static_cast<float>(180.0 * theta)) / Pi);
            p.X = static_cast<float>(std::cos(static_cast<double>(theta)) * r);
            p.Y = static_cast<float>(std::sin(static_cast<double>(theta)) * r);
        }
    }
    profile.PointCount = static_cast<std::int16_t>(n);
    profile.TableRows = static_cast<std::int16_t>(n);
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
