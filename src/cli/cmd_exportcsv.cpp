// solvane-cli export-csv: writes the points of a profile file as CSV for other tools.

#include <string>

#include "arguments.h"
#include "command.h"
#include "files/safewrite.h"
#include "importers/pointcsv.h"
#include "profileinput.h"

namespace solvane::cli {

namespace {

int runExportCsv(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}});
    if (const auto done = checkCommandLine(self, line, "give one profile file to export",
                                           "give the CSV file to write with -o OUT.csv"))
        return *done;

    Profile profile;
    if (const auto failed = readWholeProfile(profile, line.positional()[0])) return *failed;
    return finishWrite(writeFileSafely(*line.text("-o"), formatPointCsv(profile)));
}

}  // namespace

extern const Command exportCsvCommand;  // listed in main.cpp
const Command exportCsvCommand{
    "export-csv",
    "export-csv IN -o OUT",
    "Writes the points of a profile file as CSV: n,R_mm,Theta_deg,X_mm,Y_mm under a header line.",
    "  -o OUT      the CSV file to write (\".\" decimal point, four decimals; import-csv and the\n"
    "              editor's CSV import read it back without columns)\n",
    runExportCsv,
};

}  // namespace solvane::cli
