// Speed of the wafer drawing alone, on an 800 x 800 surface: redrawall with 2000 numbered spots
// and a 30 x 30 snap grid (beside the same picture drawn straight, the floor), or with the visiting
// path, and with neither for comparison.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <random>

#include "floors.h"
#include "model/conversions.h"
#include "render/waferdrawing.h"
#include "render/wafersurface.h"

using namespace solvane;

namespace {

// 2000 points over the usable disc of a 200 mm wafer, in a random order.
Profile fullProfile(bool snapGrid)
{
    Profile profile;
    profile.WaferDiameter = 200.0;
    profile.BeamDiameter = 5.0;
    std::mt19937 random(11);
    std::uniform_real_distribution<float> radius(0.0f, 90.0f);
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    for (int i = 1; i <= MaxPoints; ++i) {
        const float r = radius(random);
        const float theta = angle(random);
        const XY xy = polarToRect(r, theta);
        profile.Points[static_cast<std::size_t>(i)] = PointRec{r, theta, True, xy.X, xy.Y};
    }
    profile.PointCount = MaxPoints;
    profile.SnapOn = snapGrid ? True : False;
    profile.SnapRadSteps = 30;
    profile.SnapAngSteps = 30;
    profile.GridColor = Cyan16;
    return profile;
}

void redrawAll(benchmark::State& state, bool snapGrid, bool path = false)
{
    const Profile profile = fullProfile(snapGrid);
    WaferSurface surface(QSize(800, 800));
    WaferDrawing drawing(surface, profile, QGuiApplication::palette());
    drawing.setShowPath(path);
    drawing.redrawall();  // first use builds the cached stamps and texts
    for (auto _ : state) {
        drawing.redrawall();
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void BM_RedrawAll2000Snap30x30(benchmark::State& state) { redrawAll(state, true); }
BENCHMARK(BM_RedrawAll2000Snap30x30)->Unit(benchmark::kMillisecond);

void BM_RedrawAll2000Snap30x30Floor(benchmark::State& state)
{
    const Profile profile = fullProfile(true);
    floors::Picture picture(profile);
    for (auto _ : state) benchmark::DoNotOptimize(picture.draw(profile).constBits());
}
BENCHMARK(BM_RedrawAll2000Snap30x30Floor)->Unit(benchmark::kMillisecond);

void BM_RedrawAll2000NoSnap(benchmark::State& state) { redrawAll(state, false); }
BENCHMARK(BM_RedrawAll2000NoSnap)->Unit(benchmark::kMillisecond);

// The points in random order: the path's 1999 lines cross the whole wafer, its worst case.
void BM_RedrawAll2000Path(benchmark::State& state) { redrawAll(state, false, true); }
BENCHMARK(BM_RedrawAll2000Path)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
