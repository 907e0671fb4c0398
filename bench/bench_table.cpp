// Point table speed with a full store of 2000 points on the real main window (offscreen).
// Targets: a change of the current cell (leave + enter, which redraws every spot) under 8 ms; a
// commit of a typed value (with its full redraw) under 10 ms; Sort Theta with its refresh under
// 30 ms; updategrid beside its floor, a plain model under a plain view rewritten in one reset.
#include <QLineEdit>

#include "benchsupport.h"
#include "floors.h"

using namespace solvane;

namespace {

void BM_ChangeCurrentCell(benchmark::State& state)
{
    FlexGrid& grid = fullWindow().form().grid();
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
    Form1& form = fullWindow().form();
    FlexGrid& grid = form.grid();
    grid.setCol(1);
    grid.setRow(1000);
    for (auto _ : state) {
        state.PauseTiming();
        form.table().grdData_KeyPress('5');
        form.editBox().setText(QStringLiteral("55.5"));
        state.ResumeTiming();
        form.table().txtedit_KeyDown(13);  // Enter: the table takes the focus and commits
    }
    if (!form.editBox().isHidden()) state.SkipWithError("the edit stayed open");
}
BENCHMARK(BM_CommitTypedValue)->Unit(benchmark::kMillisecond);

// Each run sorts a fresh random order.
void BM_SortThetaWithRefresh(benchmark::State& state)
{
    Form1& form = fullWindow().form();
    unsigned seed = 2;
    for (auto _ : state) {
        state.PauseTiming();
        scatterPolarPoints(form.profile(), MaxPoints, seed++);
        state.ResumeTiming();
        form.edits().Edit_SortA_Click();
    }
}
BENCHMARK(BM_SortThetaWithRefresh)->Unit(benchmark::kMillisecond);

void BM_UpdateGrid(benchmark::State& state)
{
    Form1& form = fullWindow().form();
    for (auto _ : state) form.updategrid();
}
BENCHMARK(BM_UpdateGrid)->Unit(benchmark::kMillisecond);

void BM_UpdateGridFloor(benchmark::State& state)
{
    FullWindow& w = fullWindow();
    floors::Table table(w.form().grid().size());
    for (auto _ : state) table.rewrite(w.profile());
}
BENCHMARK(BM_UpdateGridFloor)->Unit(benchmark::kMillisecond);

// For reference: the full redraw that a commit and the sorts end with.
void BM_RedrawAll(benchmark::State& state)
{
    Form1& form = fullWindow().form();
    for (auto _ : state) form.redrawall();
}
BENCHMARK(BM_RedrawAll)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
