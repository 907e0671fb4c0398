// Whole-process start-up of solvane-cli: a command that draws nothing (pattern 17, which loads no
// Qt at all) beside its floor, the start of /bin/true, and a painting command (render), which hands
// over to solvane-cli-paint and so pays for loading Qt.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A scratch folder for the files the commands write, removed at exit.
const fs::path& scratch()
{
    static const struct Folder {
        fs::path path = fs::temp_directory_path() / ("solvane-bench-cli-" + std::to_string(::getpid()));
        Folder() { fs::create_directories(path); }
        ~Folder() { fs::remove_all(path); }
    } folder;
    return folder.path;
}

// Starts the program with the words and waits for it; false when it could not start or failed.
bool runToEnd(std::vector<std::string> words)
{
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void measure(benchmark::State& state, const std::vector<std::string>& words)
{
    for (auto _ : state) {
        if (!runToEnd(words)) {
            state.SkipWithError("the command failed");
            break;
        }
    }
}

void BM_CliPattern17(benchmark::State& state)
{
    measure(state, {SOLVANE_CLI, "pattern", "17", "-o", (scratch() / "p17.waf").string()});
}
BENCHMARK(BM_CliPattern17)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliPattern17Floor(benchmark::State& state) { measure(state, {"/bin/true"}); }
BENCHMARK(BM_CliPattern17Floor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliRenderPng(benchmark::State& state)
{
    const std::string profile = (scratch() / "render.waf").string();
    if (!runToEnd({SOLVANE_CLI, "pattern", "17", "-o", profile})) state.SkipWithError("no profile to render");
    measure(state, {SOLVANE_CLI, "render", profile, "-o", (scratch() / "p17.png").string(), "--size", "400"});
}
BENCHMARK(BM_CliRenderPng)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
