// Mouse editing speed with a full store of 2000 points on the real main window (offscreen).
// Target: a press that selects a spot (hit test over every point, the current-row change and the
// redraw of every spot with the red highlight) under 8 ms. The first press after the picture changed
// draws all 2000 spots once and is measured beside it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "mainwindow/form1.h"
#include "model/conversions.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"

using namespace solvane;

namespace {

// One shown main window over the scripted platform with 2000 points over the usable disc.
struct Bench {
    Bench()
    {
        QFile help(helpDir.filePath(QStringLiteral("qdx5.hlp")));
        if (help.open(QIODevice::WriteOnly)) help.write("<html></html>");
        platform.setProgramDir(helpDir.path());
        form = std::make_unique<Form1>(platform);
        form->resize(1000, 700);
        form->show();
        QCoreApplication::processEvents();
        Profile& p = form->profile();
        p.WaferDiameter = 200.0;
        p.EdgeExclusion = 5.0f;
        p.BeamDiameter = 8.0;
        std::mt19937 random(7);
        std::uniform_real_distribution<float> radius(0.0f, 91.0f);
        std::uniform_real_distribution<float> angle(0.0f, 360.0f);
        for (int i = 1; i <= MaxPoints; ++i) {
            const float r = radius(random);
            const float theta = angle(random);
            const XY xy = polarToRect(r, theta);
            p.Points[static_cast<std::size_t>(i)] = PointRec{r, theta, False, xy.X, xy.Y};
        }
        p.PointCount = MaxPoints;
        form->updategrid();
        form->redrawall();
        form->grid().setCol(1);
    }

    // Drawing position of point i (the drawing shows (X, Y) at (-X, -Y)).
    float viewX(int i) const { return -form->profile().Points[static_cast<std::size_t>(i)].X; }
    float viewY(int i) const { return -form->profile().Points[static_cast<std::size_t>(i)].Y; }

    QTemporaryDir helpDir;
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

// Alternates between two spots, so every press also moves the table's current row.
void BM_PressSelectsSpot(benchmark::State& state)
{
    Bench& b = bench();
    Form1& form = *b.form;
    const int spots[2] = {1000, 1500};
    int k = 0;
    for (auto _ : state) {
        const int i = spots[k];
        k ^= 1;
        state.PauseTiming();
        form.Picture1_MouseMove(b.viewX(i), b.viewY(i));
        state.ResumeTiming();
        form.Picture1_MouseDown(b.viewX(i), b.viewY(i));
        state.PauseTiming();
        form.Picture1_MouseUp(b.viewX(i), b.viewY(i));
        state.ResumeTiming();
    }
    if (form.profile().PointCount != MaxPoints) state.SkipWithError("a press changed the point count");
}
BENCHMARK(BM_PressSelectsSpot)->Unit(benchmark::kMillisecond);

// The first press after the picture changed (as after a spot was dragged elsewhere): nothing kept
// can stand in for the redraw, so every spot is drawn.
void BM_PressAfterPictureChanged(benchmark::State& state)
{
    Bench& b = bench();
    Form1& form = *b.form;
    const Profile& p = form.profile();
    const int spots[2] = {1000, 1500};
    int k = 0;
    for (auto _ : state) {
        const int i = spots[k];
        k ^= 1;
        state.PauseTiming();
        const PointRec& other = p.Points[1];
        form.drawspot(other.R, other.Theta, p.SpotColor, Black);
        form.Picture1_MouseMove(b.viewX(i), b.viewY(i));
        state.ResumeTiming();
        form.Picture1_MouseDown(b.viewX(i), b.viewY(i));
        state.PauseTiming();
        form.Picture1_MouseUp(b.viewX(i), b.viewY(i));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PressAfterPictureChanged)->Unit(benchmark::kMillisecond);

// For reference: a move over the drawing (read-out only).
void BM_MoveReadOut(benchmark::State& state)
{
    Form1& form = *bench().form;
    float x = 10.0f;
    for (auto _ : state) {
        x = x == 10.0f ? 20.0f : 10.0f;
        form.Picture1_MouseMove(x, 30.0f);
    }
}
BENCHMARK(BM_MoveReadOut)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
