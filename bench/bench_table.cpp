// Point table speed with a full store of 2000 points on the real main window (offscreen).
// Targets: a change of the current cell (leave + enter, which redraws every spot) under 8 ms; a
// commit of a typed value (with its full redraw) under 10 ms; Sort Theta with its refresh under
// 30 ms; updategrid under 5 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>
#include <random>

#include "mainwindow/form1.h"
#include "model/conversions.h"
#include "scriptedplatform.h"
#include "table/flexgrid.h"

using namespace solvane;

namespace {

// One shown main window over the scripted platform, shared by every benchmark.
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
        p.BeamDiameter = 5.0;
        scatter(1);
        form->updategrid();
        form->redrawall();
    }

    // 2000 points spread over the usable disc in a random order.
    void scatter(unsigned seed)
    {
        Profile& p = form->profile();
        std::mt19937 random(seed);
        std::uniform_real_distribution<float> radius(0.0f, 90.0f);
        std::uniform_real_distribution<float> angle(0.0f, 360.0f);
        for (int i = 1; i <= MaxPoints; ++i) {
            const float r = radius(random);
            const float theta = angle(random);
            const XY xy = polarToRect(r, theta);
            p.Points[static_cast<std::size_t>(i)] = PointRec{r, theta, False, xy.X, xy.Y};
        }
        p.PointCount = MaxPoints;
    }

    QTemporaryDir helpDir;
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

void BM_ChangeCurrentCell(benchmark::State& state)
{
    Form1& form = *bench().form;
    FlexGrid& grid = form.grid();
    grid.setCol(1);
    grid.setRow(1000);
    int row = 1000;
    for (auto _ : state) {
        row = row == 1000 ? 1001 : 1000;
        grid.setRow(row);
    }
}
BENCHMARK(BM_ChangeCurrentCell)->Unit(benchmark::kMillisecond);

void BM_CommitTypedValue(benchmark::State& state)
{
    Form1& form = *bench().form;
    FlexGrid& grid = form.grid();
    grid.setCol(1);
    grid.setRow(1000);
    for (auto _ : state) {
        state.PauseTiming();
        form.grdData_KeyPress('5');
        form.editBox().setText(QStringLiteral("55.5"));
        state.ResumeTiming();
        form.txtedit_KeyDown(13);  // Enter: the table takes the focus and commits
    }
    if (!form.editBox().isHidden()) state.SkipWithError("the edit stayed open");
}
BENCHMARK(BM_CommitTypedValue)->Unit(benchmark::kMillisecond);

void BM_SortThetaWithRefresh(benchmark::State& state)
{
    Bench& b = bench();
    unsigned seed = 2;
    for (auto _ : state) {
        state.PauseTiming();
        b.scatter(seed++);
        state.ResumeTiming();
        b.form->Edit_SortA_Click();
    }
}
BENCHMARK(BM_SortThetaWithRefresh)->Unit(benchmark::kMillisecond);

void BM_UpdateGrid(benchmark::State& state)
{
    Form1& form = *bench().form;
    for (auto _ : state) form.updategrid();
}
BENCHMARK(BM_UpdateGrid)->Unit(benchmark::kMillisecond);

// For reference: the full redraw that a commit and the sorts end with.
void BM_RedrawAll(benchmark::State& state)
{
    Form1& form = *bench().form;
    for (auto _ : state) form.redrawall();
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMillisecond);

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
