// Import speed: a results file and a CSV file of 1000 defects each, held in memory (under 2 ms per
// import); the results file read from disk as the import command does, and a large real results
// file listed in full. Each hot case has a floor beside it, the least work over the same bytes: the
// file read and its lines found with memchr; the large file split into lines and words.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "floors.h"
#include "importers/csvimport.h"
#include "importers/klaimport.h"

using namespace solvane;

namespace {

// A results file as inspection tools write it: a long header, 17 columns with exponent numbers and
// an image list per defect.
std::string resultsFile(int defects)
{
    std::string text =
        "FileVersion 1 2;\r\nFileTimestamp 01-02-24 10:00:00;\r\nInspectionStationID \"A\" \"B\" \"C\";\r\n"
        "SampleType WAFER;\r\nLotID \"LOT1\";\r\nSampleSize 1 300;\r\nDiePitch 1.0000000000e+004 1.2000000000e+004;\r\n"
        "DieOrigin 0.0000000000e+000 0.0000000000e+000;\r\nWaferID \"01\";\r\nSlot 1;\r\n"
        "SampleCenterLocation 1.5000000000e+005 1.5000000000e+005;\r\nInspectionTest 1;\r\n"
        "DefectRecordSpec 17 DEFECTID XREL YREL XINDEX YINDEX XSIZE YSIZE DEFECTAREA DSIZE CLASSNUMBER TEST "
        "CLUSTERNUMBER ROUGHBINNUMBER FINEBINNUMBER REVIEWSAMPLE IMAGECOUNT IMAGELIST;\r\nDefectList\r\n";
    char line[256];
    for (int i = 1; i <= defects; ++i) {
        std::snprintf(line, sizeof line, " %d %.10e %.10e %d %d 1.250 2.500 3.125000 2.000 0 1 0 0 0 0 1 1 %d 0%s\r\n",
                      i, (i % 97) * 103.25, (i % 89) * 131.5, i % 29 - 14, i % 23 - 11, i, i == defects ? ";" : "");
        text += line;
    }
    text +=
        "SummarySpec 5\r\n  TESTNO NDEFECT DEFDENSITY NDIE NDEFDIE ;\r\nSummaryList\r\n  1 1000 0.1 500 300;\r\n"
        "EndOfFile;\r\n";
    return text;
}

std::string csvFile(int rows)
{
    std::string text = "Name,Centre,Pitch,XIndex,YIndex,XRel,YRel\r\n";
    char line[160];
    for (int i = 1; i <= rows; ++i) {
        std::snprintf(line, sizeof line, "d%d,150000 150000,10000 12000,%d,%d,%.3f,%.3f\r\n", i, i % 29 - 14,
                      i % 23 - 11, (i % 97) * 103.25, (i % 89) * 131.5);
        text += line;
    }
    return text;
}

void BM_ImportKla1000(benchmark::State& state)
{
    const std::string bytes = resultsFile(1000);
    auto profile = std::make_unique<Profile>();
    auto defects = std::make_unique<DefectStore>();
    for (auto _ : state) {
        const KlaImportResult result = importKlaResults(bytes, *profile, *defects);
        if (result.status != ImportStatus::Ok || profile->PointCount != 1000)
            state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(profile->Points[1000]);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ImportKla1000)->Unit(benchmark::kMicrosecond);

void BM_ImportCsv1000(benchmark::State& state)
{
    const std::string bytes = csvFile(1000);
    auto profile = std::make_unique<Profile>();
    auto defects = std::make_unique<DefectStore>();
    const CsvColumns columns{2, 3, 4, 5, 6, 7};
    for (auto _ : state) {
        const CsvImportResult result = importCsvDefects(bytes, columns, *profile, *defects);
        if (result.status != ImportStatus::Ok || profile->PointCount != 1000)
            state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(profile->Points[1000]);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ImportCsv1000)->Unit(benchmark::kMicrosecond);

namespace fs = std::filesystem;

// A results file of 1000 defects on disk, written once and removed at exit.
struct ResultsOnDisk {
    ResultsOnDisk() { std::ofstream(path, std::ios::binary) << resultsFile(1000); }
    ~ResultsOnDisk() { fs::remove(path); }
    const fs::path path = fs::temp_directory_path() /
                          ("solvane-bench-" + std::to_string(std::random_device{}()) + ".dat");
};

const std::string& resultsFilePath()
{
    static const ResultsOnDisk file;
    static const std::string path = file.path.string();
    return path;
}

void BM_ImportKlaFile1000(benchmark::State& state)
{
    const std::string& path = resultsFilePath();
    auto profile = std::make_unique<Profile>();
    auto defects = std::make_unique<DefectStore>();
    for (auto _ : state) {
        const KlaImportResult result = importKlaFile(path, *profile, *defects);
        if (result.status != ImportStatus::Ok || profile->PointCount != 1000)
            state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(profile->Points[1000]);
    }
}
BENCHMARK(BM_ImportKlaFile1000)->Unit(benchmark::kMicrosecond);

void BM_ImportKlaFile1000Floor(benchmark::State& state)
{
    const std::string& path = resultsFilePath();
    for (auto _ : state) {
        const std::string bytes = floors::readWhole(path);
        if (bytes.empty()) state.SkipWithError("the file could not be read");
        benchmark::DoNotOptimize(floors::countLines(bytes));
    }
}
BENCHMARK(BM_ImportKlaFile1000Floor)->Unit(benchmark::kMicrosecond);

// A real results file of 806 KB: 12 263 defects over many wafers, all listed.
std::string largeResultsFile(benchmark::State& state)
{
    const fs::path path = fs::path(SOLVANE_SHARED_TESTDATA) / "klarf" / "wafermap-clustering_LAA_FAA_LAA-01.000";
    std::string bytes = floors::readWhole(path.string());
    if (bytes.empty()) state.SkipWithError(("no shared test file " + path.string()).c_str());
    return bytes;
}

void BM_ListKlaWafersLarge(benchmark::State& state)
{
    const std::string bytes = largeResultsFile(state);
    for (auto _ : state) {
        const KlaImportResult result = listKlaWafers(bytes);
        if (result.status != ImportStatus::Ok) state.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(result.wafers.data());
    }
}
BENCHMARK(BM_ListKlaWafersLarge)->Unit(benchmark::kMillisecond);

void BM_ListKlaWafersLargeFloor(benchmark::State& state)
{
    const std::string bytes = largeResultsFile(state);
    for (auto _ : state) benchmark::DoNotOptimize(floors::countWords(bytes));
}
BENCHMARK(BM_ListKlaWafersLargeFloor)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
