// Undo and Redo with a full store of 2000 points on the real main window (offscreen).
// Targets: an undo or a redo of a change of all 2000 points, with its refresh, under 10 ms; a history
// of 100 such steps in under 5 MB.
#include <QAction>
#include <QDialog>
#include <QDoubleSpinBox>
#include <malloc.h>

#include "benchsupport.h"

using namespace solvane;

namespace {

// Each run takes back or puts back a Sort Theta of the full store, alternately.
void BM_UndoRedoSortTheta2000(benchmark::State& state)
{
    FullWindow& window = fullWindow();
    scatterPolarPoints(window.profile(), MaxPoints, 3);
    window.form().edits().Edit_SortA_Click();
    bool undone = false;
    for (auto _ : state) {
        window.action(undone ? "Edit_Redo" : "Edit_Undo")->trigger();
        undone = !undone;
    }
}
BENCHMARK(BM_UndoRedoSortTheta2000)->Unit(benchmark::kMillisecond);

// 100 rotations of the full store, each a step; the heap the history holds, in MB, is the counter "megabytes".
void BM_History100Steps2000Points(benchmark::State& state)
{
    for (auto _ : state) {
        FullWindow window;
        window.form().runDialog = [](QDialog& dialog) {
            dialog.findChild<QDoubleSpinBox*>(QStringLiteral("txtAngle"))->setValue(1.0);
            dialog.accept();
            return dialog.result();
        };
        const std::size_t before = mallinfo2().uordblks;
        for (int step = 0; step < 100; ++step) window.form().edits().Edit_Rotate_Click();
        const double megabytes = static_cast<double>(mallinfo2().uordblks - before) / 1e6;
        if (!window.action("Edit_Undo")->isEnabled()) state.SkipWithError("no step was recorded");
        state.counters["megabytes"] = megabytes;
    }
}
BENCHMARK(BM_History100Steps2000Points)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
