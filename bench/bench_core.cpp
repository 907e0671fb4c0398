// Speed of the profile file, the pattern generators and the visiting order: a full 2000-point
// profile written and read back (the read beside its floor: the file read and its numbers taken with
// from_chars), the largest grids and rings (each under 0.2 ms), and the shortest visiting order of
// 2000 points (under 100 ms).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "files/profilefile.h"
#include "floors.h"
#include "model/conversions.h"
#include "model/patterns.h"
#include "model/visitorder.h"

namespace {

namespace fs = std::filesystem;
using solvane::Profile;

// A full store of points spread over a 200 mm wafer; state.range(0) picks the system (1 polar).
Profile fullProfile(bool polar)
{
    Profile profile;
    profile.CoordSys = polar ? "Polar" : "Rectangular";
    profile.Description = "benchmark profile";
    std::mt19937 random(7);
    std::uniform_real_distribution<float> radius(0.0f, 95.0f);
    std::uniform_real_distribution<float> angle(0.0f, 360.0f);
    for (int i = 1; i <= solvane::MaxPoints; ++i) {
        auto& point = profile.Points[static_cast<std::size_t>(i)];
        point.R = radius(random);
        point.Theta = angle(random);
        const solvane::XY xy = solvane::polarToRect(point.R, point.Theta);
        point.X = xy.X;
        point.Y = xy.Y;
    }
    profile.PointCount = solvane::MaxPoints;
    return profile;
}

std::string systemLabel(const benchmark::State& state) { return state.range(0) == 1 ? "polar" : "rectangular"; }

void BM_FormatProfile2000(benchmark::State& state)
{
    Profile profile = fullProfile(state.range(0) == 1);
    for (auto _ : state) benchmark::DoNotOptimize(solvane::formatprofile(profile));
    state.SetLabel(systemLabel(state));
}
BENCHMARK(BM_FormatProfile2000)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_WriteProfile2000(benchmark::State& state)
{
    Profile profile = fullProfile(state.range(0) == 1);
    const fs::path path = fs::temp_directory_path() /
                          ("solvane-bench-" + std::to_string(std::random_device{}()) + ".waf");
    for (auto _ : state) {
        const auto result = solvane::writeprofile(profile, path.string());
        if (!result.ok) state.SkipWithError(result.message.c_str());
    }
    fs::remove(path);
    state.SetLabel(systemLabel(state));
}
BENCHMARK(BM_WriteProfile2000)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ReadProfile2000(benchmark::State& state)
{
    Profile source = fullProfile(state.range(0) == 1);
    const std::string bytes = solvane::formatprofile(source);
    Profile profile;
    for (auto _ : state) {
        const auto result = solvane::readprofile(profile, bytes);
        if (!result.ok) state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(profile.Points.data());
    }
    state.SetLabel(systemLabel(state));
}
BENCHMARK(BM_ReadProfile2000)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ReadProfileFile2000(benchmark::State& state)
{
    Profile source = fullProfile(state.range(0) == 1);
    const fs::path path = fs::temp_directory_path() /
                          ("solvane-bench-" + std::to_string(std::random_device{}()) + ".waf");
    solvane::writeprofile(source, path.string());
    Profile profile;
    for (auto _ : state) {
        const auto result = solvane::readprofileFile(profile, path.string());
        if (!result.ok) state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(profile.Points.data());
    }
    fs::remove(path);
    state.SetLabel(systemLabel(state));
}
BENCHMARK(BM_ReadProfileFile2000)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ReadProfileFile2000Floor(benchmark::State& state)
{
    Profile source = fullProfile(state.range(0) == 1);
    const fs::path path = fs::temp_directory_path() /
                          ("solvane-bench-" + std::to_string(std::random_device{}()) + ".waf");
    solvane::writeprofile(source, path.string());
    for (auto _ : state) {
        const std::vector<float> numbers = solvane::floors::readNumbers(solvane::floors::readWhole(path.string()));
        if (numbers.size() < 2 * solvane::MaxPoints) state.SkipWithError("the file was not read whole");
    }
    fs::remove(path);
    state.SetLabel(systemLabel(state));
}
BENCHMARK(BM_ReadProfileFile2000Floor)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_PolarPattern30x30(benchmark::State& state)
{
    Profile profile;
    profile.GridRadSteps = 30;
    profile.GridAngSteps = 30;
    for (auto _ : state) {
        solvane::polarpattern(profile);
        benchmark::DoNotOptimize(profile.Points.data());
    }
}
BENCHMARK(BM_PolarPattern30x30)->Unit(benchmark::kMicrosecond);

void BM_XyPattern30x30(benchmark::State& state)
{
    Profile profile;
    profile.GridRadSteps = 30;
    profile.GridAngSteps = 30;
    for (auto _ : state) {
        solvane::xypattern(profile);
        benchmark::DoNotOptimize(profile.Points.data());
    }
}
BENCHMARK(BM_XyPattern30x30)->Unit(benchmark::kMicrosecond);

void BM_RingPattern10x30(benchmark::State& state)
{
    Profile profile;
    for (auto _ : state) {
        solvane::ringpattern(profile, {solvane::MaxRings, solvane::MaxFirstRingPoints});
        benchmark::DoNotOptimize(profile.Points.data());
    }
}
BENCHMARK(BM_RingPattern10x30)->Unit(benchmark::kMicrosecond);

void BM_OptimiseOrder2000(benchmark::State& state)
{
    const Profile random = fullProfile(true);
    Profile profile;
    for (auto _ : state) {
        profile = random;
        benchmark::DoNotOptimize(solvane::optimiseorder(profile));
    }
}
BENCHMARK(BM_OptimiseOrder2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
