// solvane-cli's painting commands: handed over to solvane-cli-paint, the same tool linked with the
// render library, which runs them with the same words. Only these commands pay for loading Qt.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "painting.h"

namespace solvane::cli {

namespace {

constexpr const char* PaintingToolName = "solvane-cli-paint";

// The painting tool beside this program (in the build folder), else where the package installs it.
std::filesystem::path paintingTool()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::filesystem::path beside = folder / PaintingToolName;
    if (::access(beside.c_str(), X_OK) == 0) return beside;
    return folder / SOLVANE_PAINTING_TOOL_FOLDER / PaintingToolName;
}

int handOver(const Command& self, const std::vector<std::string>& words)
{
    const std::string tool = paintingTool().string();
    std::vector<std::string> arguments{"solvane-cli", self.name};
    arguments.insert(arguments.end(), words.begin(), words.end());
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::fflush(nullptr);
    ::execv(tool.c_str(), argv.data());
    return fileError("cannot run " + tool + ", which draws for the " + self.name + " command: " + std::strerror(errno));
}

}  // namespace

int runRender(const Command& self, const std::vector<std::string>& words) { return handOver(self, words); }

int runReport(const Command& self, const std::vector<std::string>& words) { return handOver(self, words); }

}  // namespace solvane::cli
