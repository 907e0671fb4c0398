#include "command.h"

#include <cstdio>
#include <string>

#include "arguments.h"

namespace solvane::cli {

namespace {

void printLine(std::FILE* stream, std::string_view prefix, std::string_view message)
{
    std::fprintf(stream, "solvane-cli: %.*s%.*s\n", static_cast<int>(prefix.size()), prefix.data(),
                 static_cast<int>(message.size()), message.data());
}

}  // namespace

int usageError(const Command& command, std::string_view message)
{
    const std::string hint = std::string(message) + " (see: solvane-cli " + command.name + " --help)";
    printLine(stderr, "", hint);
    return ExitUsage;
}

int fileError(std::string_view message)
{
    printLine(stderr, "", message);
    return ExitFileError;
}

void warning(std::string_view message) { printLine(stderr, "warning: ", message); }

int printCommandHelp(const Command& command)
{
    std::printf("usage: solvane-cli %s\n\n%s\n", command.synopsis, command.summary);
    if (command.options[0] != '\0') std::printf("\n%s", command.options);
    return ExitSuccess;
}

std::optional<int> checkCommandLine(const Command& command, const CommandLine& line, std::string_view inputFault,
                                    std::string_view outputFault)
{
    if (line.helpAsked()) return printCommandHelp(command);
    if (!line.ok()) return usageError(command, line.error());
    if (line.positional().size() != 1) return usageError(command, inputFault);
    if (!outputFault.empty() && !line.given("-o")) return usageError(command, outputFault);
    return std::nullopt;
}

int finishWrite(const WriteResult& written, int status)
{
    if (!written.ok) return fileError(written.message);
    return status;
}

}  // namespace solvane::cli
