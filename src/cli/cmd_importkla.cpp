// solvane-cli import-kla: turns the defects of one wafer of a KLA results file into a profile file.

#include <string>

#include "arguments.h"
#include "command.h"
#include "importers/klaimport.h"
#include "profileinput.h"

namespace solvane::cli {

namespace {

int runImportKla(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--wafer"}});
    if (const auto done = checkCommandLine(self, line, "give one results file to import",
                                           "give the profile file to write with -o FILE"))
        return *done;
    const std::string output = *line.text("-o");
    const bool waferGiven = line.text("--wafer").has_value();
    const int wafer = line.whole("--wafer", 1, 1, 32767);
    if (!line.ok()) return usageError(self, line.error());
    const std::string& input = line.positional()[0];

    // The profile as the editor starts, then the import as its menu command does it.
    Profile profile = startupProfile();
    DefectStore defects{};
    const KlaImportResult result = importKlaFile(input, profile, defects, static_cast<std::size_t>(wafer - 1));
    switch (result.status) {
    case ImportStatus::Ok: break;
    case ImportStatus::NoSuchWafer: return usageError(self, input + ": " + result.message);
    case ImportStatus::FileError: return fileError(result.message);
    default: return fileError(input + ": " + result.message);
    }

    const KlaWafer& imported = result.wafers[result.wafer];
    if (!waferGiven && result.wafers.size() > 1)
        warning(input + " holds " + std::to_string(result.wafers.size()) + " wafers; imported wafer 1 (WaferID \"" +
                imported.WaferID + "\"); choose another with --wafer N");
    return writeImported(profile, input, output, "the wafer has no defects");
}

}  // namespace

extern const Command importKlaCommand;  // listed in main.cpp
const Command importKlaCommand{
    "import-kla",
    "import-kla IN -o OUT [--wafer N]",
    "Imports the defect positions of one wafer of a KLA results file (at most 1000) into a profile file.",
    "  -o OUT      the profile file to write (rectangular points, the editor's start-up parameters)\n"
    "  --wafer N   which wafer of the file, counted from 1 in file order (1)\n",
    runImportKla,
};

}  // namespace solvane::cli
