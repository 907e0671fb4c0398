#include "render/waferdrawing.h"

#include <cmath>

#include "model/conversions.h"
#include "render/colours.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define SOLVANE_X86_VECTOR_STATE 1
#endif

namespace solvane {

namespace {

// Qt's vectorised fills return with the upper halves of the AVX registers in use. Until something
// clears them, every call from this file's SSE code into the AVX build of sin and cos, and every
// return, costs the processor a state transition: for the positions of 2000 spots that took several
// times longer than the arithmetic. Nothing to do without AVX, or off x86.
#ifdef SOLVANE_X86_VECTOR_STATE
__attribute__((target("avx"))) void zeroUpperHalves() { _mm256_zeroupper(); }

void clearUpperVectorHalves()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) zeroUpperHalves();
}
#else
void clearUpperVectorHalves() {}
#endif

QPointF drawnPosition(double R, float Theta)
{
    const double a = (static_cast<double>(Theta) + 180.0) * Pi / 180.0;
    return {R * std::cos(a), R * std::sin(a)};
}

}  // namespace

QColor WaferDrawing::colour(Colour value) const { return toQColor(value, palette_); }

bool WaferDrawing::hasDrawableDiameter() const
{
    return profile_.WaferDiameter > 0.0 && std::isfinite(profile_.WaferDiameter);
}

void WaferDrawing::drawwafer()
{
    if (!hasDrawableDiameter()) return;
    const double d = profile_.WaferDiameter;
    const float flatDepth = static_cast<float>(d / 40.0);

    surface_.clear(colour(Light3DColour));
    surface_.setScale(-d / 2.0, d / 2.0, d / 2.0, -d / 2.0);
    WaferSurface::Batch batch(surface_);
    const double drawRadius = d / 2.05;
    surface_.circle(0.0, 0.0, static_cast<float>(drawRadius), colour(WindowTextColour), colour(profile_.WaferColor));

    // Paint the segment beyond the flat in the background colour, then draw the flat's edge.
    const double halfChord = std::sqrt(2.0 * drawRadius * flatDepth - static_cast<double>(flatDepth) * flatDepth);
    const QColor background = colour(Light3DColour);
    surface_.box(-halfChord, drawRadius - flatDepth, halfChord, drawRadius, background, background);
    surface_.line(-halfChord, drawRadius - flatDepth, halfChord, drawRadius - flatDepth, colour(Black));
}

void WaferDrawing::drawsnapgrid()
{
    const Profile& p = profile_;
    WaferSurface::Batch batch(surface_);
    const double ringSpacing = ((p.WaferDiameter / 2.0 - p.EdgeExclusion) - p.BeamDiameter / 2.0) / p.SnapRadSteps;
    const double step = FullTurnRad / (180.0 * p.SnapAngSteps);
    const double dotRadius = p.BeamDiameter / 10.0;
    const QColor outline = colour(WindowTextColour);
    const QColor fill = colour(p.GridColor);
    for (int i = 1; i <= p.SnapRadSteps; ++i) {
        for (int j = 1; j <= p.SnapAngSteps; ++j) {
            const double theta = step * j;
            const double r = ringSpacing * i;
            surface_.circle(r * std::cos(theta + Pi / 2.0), r * std::sin(theta + Pi / 2.0), dotRadius, outline, fill);
        }
    }
    surface_.circle(0.0, 0.0, dotRadius, outline, fill);
}

void WaferDrawing::redrawall()
{
    if (!hasDrawableDiameter()) return;
    drawwafer();
    WaferSurface::Batch batch(surface_);
    if (profile_.SnapOn) drawsnapgrid();
    if (showPath_) drawpath();
    drawallspots();
}

void WaferDrawing::drawallspots()
{
    surface_.numberedCircles(drawnPositions(), profile_.BeamDiameter / 2.0, colour(Black), colour(profile_.SpotColor),
                             colour(WindowTextColour));
}

QRect WaferDrawing::spotArea(double R, float Theta, int n)
{
    const QPointF at = drawnPosition(R, Theta);
    return surface_.circleArea(at.x(), at.y(), profile_.BeamDiameter / 2.0) | surface_.numberArea(at.x(), at.y(), n);
}

QPolygonF WaferDrawing::drawnPositions() const
{
    QPolygonF positions;
    positions.reserve(profile_.PointCount);
    clearUpperVectorHalves();
    for (int i = 1; i <= profile_.PointCount; ++i) {
        const PointRec& point = profile_.Points[static_cast<std::size_t>(i)];
        positions.append(drawnPosition(point.R, point.Theta));
    }
    return positions;
}

void WaferDrawing::spotAt(QPointF at, const QColor& outline, const QColor& fill)
{
    surface_.circle(at.x(), at.y(), profile_.BeamDiameter / 2.0, outline, fill);
}

void WaferDrawing::drawspot(double R, float Theta, Colour fill, Colour outline)
{
    spotAt(drawnPosition(R, Theta), colour(outline), colour(fill));
}

void WaferDrawing::drawnumber(double R, float Theta, int n)
{
    const QPointF at = drawnPosition(R, Theta);
    surface_.number(at.x(), at.y(), n, colour(WindowTextColour));
}

void WaferDrawing::drawpath() { surface_.polyline(drawnPositions(), colour(profile_.GridColor)); }

}  // namespace solvane
