#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/safewrite.h"

namespace solvane::cli {

// Exit statuses of the tool, the same for every command.
enum ExitStatus : int {
    ExitSuccess = 0,
    ExitFileError = 1,    // a file could not be read or written
    ExitUsage = 2,        // the command line is wrong
    ExitPartialRead = 3,  // a file read only partly; what was read has been used
};

// One command of the tool. Each lives in its own cmd_<name>.cpp and is listed once in main.cpp.
struct Command {
    const char* name;
    const char* synopsis;  // the command line after "solvane-cli ", for the usage text
    const char* summary;   // what the command does, one line
    const char* options;   // the option list shown by "solvane-cli NAME --help", lines ending in '\n'
    int (*run)(const Command& self, const std::vector<std::string>& words);  // words after the name
};

// Prints "solvane-cli: message" on stderr and returns ExitUsage.
int usageError(const Command& command, std::string_view message);

// Prints "solvane-cli: message" on stderr and returns ExitFileError.
int fileError(std::string_view message);

// Prints "solvane-cli: warning: message" on stderr.
void warning(std::string_view message);

// Prints the command's usage and option list on stdout and returns ExitSuccess.
int printCommandHelp(const Command& command);

class CommandLine;

// The checks every command makes first, in this order: help asked (printed), a faulty option, not
// exactly one positional word (reported as inputFault), and, when outputFault is given, no -o. The
// exit status when one of them ends the command, nothing when it goes on.
std::optional<int> checkCommandLine(const Command& command, const CommandLine& line, std::string_view inputFault,
                                    std::string_view outputFault = {});

// The end of a command that writes a file: status when the write went well, else ExitFileError
// after saying why.
int finishWrite(const WriteResult& written, int status = ExitSuccess);

}  // namespace solvane::cli
