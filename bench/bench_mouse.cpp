// Mouse editing speed with a full store of 2000 points on the real main window (offscreen).
// Target: a press that selects a spot (hit test over every point, the current-row change and the
// redraw of every spot with the red highlight) under 8 ms. The first press after the picture changed
// draws all 2000 spots once and is measured beside it.
#include "benchsupport.h"

using namespace solvane;

namespace {

// Drawing position of point i (the drawing shows (X, Y) at (-X, -Y)).
float viewX(const Profile& p, int i) { return -p.Points[static_cast<std::size_t>(i)].X; }
float viewY(const Profile& p, int i) { return -p.Points[static_cast<std::size_t>(i)].Y; }

// Presses alternate between two spots, so every press also moves the table's current row. With
// pictureChanged, a spot is drawn before each press (as after a spot was dragged elsewhere): nothing
// kept can stand in for the redraw, so every spot is drawn.
void pressSpots(benchmark::State& state, bool pictureChanged)
{
    Form1& form = fullWindow().form();
    const Profile& p = form.profile();
    const int spots[2] = {1000, 1500};
    int k = 0;
    for (auto _ : state) {
        const int i = spots[k];
        k ^= 1;
        state.PauseTiming();
        if (pictureChanged) form.drawspot(p.Points[1].R, p.Points[1].Theta, p.SpotColor, Black);
        form.mouse().Picture1_MouseMove(viewX(p, i), viewY(p, i));
        state.ResumeTiming();
        form.mouse().Picture1_MouseDown(viewX(p, i), viewY(p, i));
        state.PauseTiming();
        form.mouse().Picture1_MouseUp(viewX(p, i), viewY(p, i));
        state.ResumeTiming();
    }
    if (p.PointCount != MaxPoints) state.SkipWithError("a press changed the point count");
}

void BM_PressSelectsSpot(benchmark::State& state) { pressSpots(state, false); }
BENCHMARK(BM_PressSelectsSpot)->Unit(benchmark::kMillisecond);

void BM_PressAfterPictureChanged(benchmark::State& state) { pressSpots(state, true); }
BENCHMARK(BM_PressAfterPictureChanged)->Unit(benchmark::kMillisecond);

// For reference: a move over the drawing (read-out only).
void BM_MoveReadOut(benchmark::State& state)
{
    Form1& form = fullWindow().form();
    float x = 10.0f;
    for (auto _ : state) {
        x = x == 10.0f ? 20.0f : 10.0f;
        form.mouse().Picture1_MouseMove(x, 30.0f);
    }
}
BENCHMARK(BM_MoveReadOut)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
