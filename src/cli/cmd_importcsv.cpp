// solvane-cli import-csv: turns the defect rows of a CSV file into a profile file.

#include <array>
#include <optional>
#include <string>

#include "arguments.h"
#include "command.h"
#include "importers/csvimport.h"
#include "importers/pointcsv.h"
#include "profileinput.h"

namespace solvane::cli {

namespace {

struct ColumnsOption {
    std::optional<CsvColumns> columns;
    std::string fault;  // why there are none
};

// The six numbers of --columns, checked as the column dialog checks its boxes.
ColumnsOption parseColumns(const std::string& text)
{
    ColumnsOption result;
    std::array<std::string, 6> boxes;
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        if (count < boxes.size()) boxes[count] = text.substr(start, comma == std::string::npos ? comma : comma - start);
        ++count;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (count != boxes.size()) {
        result.fault = "--columns takes six column numbers: CENTRE,PITCH,XINDEX,YINDEX,XREL,YREL";
        return result;
    }
    const CsvColumnsCheck check = checkCsvColumnBoxes(boxes);
    if (!check.columns) {
        static const char* const names[] = {"CENTRE", "PITCH", "XINDEX", "YINDEX", "XREL", "YREL"};
        const auto box = static_cast<std::size_t>(check.box);
        result.fault = std::string("--columns: ") + names[box] + " must be a whole number from " +
                       (box >= 4 ? "1" : "0") + " to 32767" + (box >= 4 ? "" : " (0: not in the file)") + ", not \"" +
                       boxes[box] + "\"";
    }
    result.columns = check.columns;
    return result;
}

int runImportCsv(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--columns"}});
    if (const auto done = checkCommandLine(self, line, "give one CSV file to import",
                                           "give the profile file to write with -o FILE"))
        return *done;
    const std::string output = *line.text("-o");
    const auto columnsText = line.text("--columns");
    const ColumnsOption columns = columnsText ? parseColumns(*columnsText) : ColumnsOption{};
    if (columnsText && !columns.columns) return usageError(self, columns.fault);
    const std::string& input = line.positional()[0];

    const ImportFileBytes file = loadImportFile(input);
    if (!file.ok) return fileError(file.message);
    // The editor's own point export names its columns in its header line: nothing to ask.
    const bool pointCsv = isPointCsv(file.bytes);
    if (!pointCsv && !columns.columns)
        return usageError(self, "give the columns with --columns CENTRE,PITCH,XINDEX,YINDEX,XREL,YREL");

    // The profile as the editor starts, then the import as its menu command does it.
    Profile profile = startupProfile();
    DefectStore defects{};
    const CsvImportResult result = pointCsv ? importPointCsv(file.bytes, profile)
                                            : importCsvDefects(file.bytes, *columns.columns, profile, defects);
    if (result.status != ImportStatus::Ok) return fileError(input + ": " + result.message);

    return writeImported(profile, input, output, "no row holds a defect");
}

}  // namespace

extern const Command importCsvCommand;  // listed in main.cpp
const Command importCsvCommand{
    "import-csv",
    "import-csv IN -o OUT [--columns CENTRE,PITCH,XINDEX,YINDEX,XREL,YREL]",
    "Imports the defect rows of a CSV file (at most 1000), or a CSV of points from export-csv, into a profile file.",
    "  -o OUT      the profile file to write (rectangular points, the editor's start-up parameters)\n"
    "  --columns CENTRE,PITCH,XINDEX,YINDEX,XREL,YREL\n"
    "              the column of each quantity, counted from 1; 0 for one the file does not have\n"
    "              (XREL and YREL must be given); not needed for a file from export-csv. Rows whose XREL and YREL are "
    "not numbers are\n"
    "              skipped. CENTRE and PITCH hold one number (X and Y) or \"X Y\", in micrometres.\n",
    runImportCsv,
};

}  // namespace solvane::cli
