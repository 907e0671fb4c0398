// solvane-cli: the batch companion of the profile editor, built on the core library (and on the
// editor's drawing code for the commands that paint).

#include <cstdio>
#include <string>
#include <vector>

#include "command.h"

namespace solvane::cli {

// Every command of the tool, one line each; cmd_<name>.cpp defines the Command it names.
#define SOLVANE_CLI_COMMANDS(COMMAND) \
    COMMAND(patternCommand)           \
    COMMAND(dumpCommand)              \
    COMMAND(convertCommand)           \
    COMMAND(optimiseCommand)          \
    COMMAND(rotateCommand)            \
    COMMAND(importKlaCommand)         \
    COMMAND(importCsvCommand)         \
    COMMAND(exportCsvCommand)         \
    COMMAND(renderCommand)            \
    COMMAND(reportCommand)

#define SOLVANE_CLI_DECLARE(command) extern const Command command;
#define SOLVANE_CLI_ENTRY(command) &(command),
SOLVANE_CLI_COMMANDS(SOLVANE_CLI_DECLARE)
const Command* const Commands[] = {SOLVANE_CLI_COMMANDS(SOLVANE_CLI_ENTRY)};
#undef SOLVANE_CLI_ENTRY
#undef SOLVANE_CLI_DECLARE

namespace {

void printUsage(std::FILE* stream)
{
    std::fprintf(stream, "usage: solvane-cli COMMAND [ARGUMENTS]\n       solvane-cli COMMAND --help\n\ncommands:\n");
    for (const Command* command : Commands)
        std::fprintf(stream, "  %s\n      %s\n", command->synopsis, command->summary);
    std::fprintf(stream,
                 "\nexit status: 0 done, 1 a file could not be read or written, 2 wrong command line,\n"
                 "3 a file read only partly (dump, render, report)\n");
}

int run(const std::vector<std::string>& words)
{
    if (words.empty()) {
        printUsage(stderr);
        return ExitUsage;
    }
    const std::string& name = words[0];
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(stdout);
        return ExitSuccess;
    }
    for (const Command* command : Commands)
        if (name == command->name) return command->run(*command, {words.begin() + 1, words.end()});
    std::fprintf(stderr, "solvane-cli: unknown command \"%s\" (see: solvane-cli --help)\n", name.c_str());
    return ExitUsage;
}

}  // namespace

}  // namespace solvane::cli

int main(int argc, char** argv) { return solvane::cli::run(std::vector<std::string>(argv + 1, argv + argc)); }
