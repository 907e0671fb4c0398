#pragma once

// What the window benchmarks share: the shown main window with a full store, and a main() that runs
// the benchmarks inside a QApplication.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "formharness.h"
#include "table/flexgrid.h"

namespace solvane {

// The real main window (1000 x 700, offscreen) over the scripted platform: a 200 mm wafer with edge
// exclusion 5 and beam 8, 2000 points scattered over the usable disc, column 1 current so that a
// current row shows its highlight.
class FullWindow : public FormHarness {
public:
    FullWindow() : FormHarness(QSize(1000, 700))
    {
        Profile& p = profile();
        p.WaferDiameter = 200.0;
        p.EdgeExclusion = 5.0f;
        p.BeamDiameter = 8.0;
        scatterPolarPoints(p, MaxPoints, 7);
        form().updategrid();
        form().redrawall();
        form().grid().setCol(1);
    }
};

// One window for every benchmark of a program, built on first use and closed before the
// application ends (a window outliving its QApplication crashes at exit).
inline std::unique_ptr<FullWindow>& fullWindowSlot()
{
    static std::unique_ptr<FullWindow> window;
    return window;
}

inline FullWindow& fullWindow()
{
    std::unique_ptr<FullWindow>& window = fullWindowSlot();
    if (!window) window = std::make_unique<FullWindow>();
    return *window;
}

// The body of main() for a window benchmark program; offscreen unless another platform is asked for.
inline int runWindowBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fullWindowSlot().reset();
    return 0;
}

}  // namespace solvane
