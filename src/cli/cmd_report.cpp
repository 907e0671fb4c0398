// solvane-cli report: the editor's printed point report of a profile, as a PDF (painted by the
// editor's own report printer) or as plain text.

#include <QPrinter>
#include <filesystem>
#include <string>

#include "arguments.h"
#include "command.h"
#include "files/profilefile.h"
#include "files/safewrite.h"
#include "offscreengui.h"
#include "print/report.h"
#include "print/reportprinter.h"

namespace solvane::cli {

namespace {

enum class ReportFormat { Pdf, Text };

std::optional<ReportFormat> formatOf(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    if (sameWord(extension, ".pdf")) return ReportFormat::Pdf;
    if (sameWord(extension, ".txt")) return ReportFormat::Text;
    return std::nullopt;
}

WriteResult writePdf(const std::string& path, const ReportLines& report)
{
    OffscreenGui gui;
    QPrinter layout(QPrinter::HighResolution);  // the editor's default page, margins and resolution
    ReportPrinter::setReportMargins(layout);
    return ReportPrinter(report).printPdfFile(layout, path);
}

int runReport(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--coord"}});
    if (line.helpAsked()) return printCommandHelp(self);
    if (!line.ok()) return usageError(self, line.error());
    if (line.positional().size() != 1) return usageError(self, "give one profile file to report");
    const auto output = line.text("-o");
    if (!output) return usageError(self, "give the report to write with -o OUT.pdf or -o OUT.txt");
    const auto format = formatOf(*output);
    if (!format) return usageError(self, "the report is written as a PDF (.pdf) or as plain text (.txt)");
    const auto coordSys = line.text("--coord") ? std::optional(line.choice("--coord", "", {"Polar", "Rectangular"}))
                                               : std::nullopt;
    if (!line.ok()) return usageError(self, line.error());
    const std::string& input = line.positional()[0];

    Profile profile;
    resetPoints(profile);
    const ReadResult read = readprofileFile(profile, input);
    if (!read.opened) return fileError(read.message);
    // Not even the version line: there is no profile to report.
    if (!read.ok && read.stoppedAt == ProfileField::Version) return fileError(input + ": " + read.message);
    if (!read.ok) warning(input + " reads only partly (" + read.message + "): reporting what was read");

    // The columns follow the system the table would show: the file's own unless one is asked for.
    const std::string system = coordSys ? *coordSys : profile.CoordSys;
    setCoordFlags(profile, system);
    // The report names the file as the editor does after opening it, by its name without folder.
    const std::string fileTitle = std::filesystem::path(input).filename().string();

    const WriteResult written = *format == ReportFormat::Text
                                    ? writeFileSafely(*output, reportText(profile, fileTitle, profile.Description, '.'))
                                    : writePdf(*output, reportLines(profile, fileTitle, profile.Description, '.'));
    if (!written.ok) return fileError(written.message);
    return read.ok ? ExitSuccess : ExitPartialRead;
}

}  // namespace

extern const Command reportCommand;  // listed in main.cpp
const Command reportCommand{
    "report",
    "report FILE -o OUT.pdf|OUT.txt [--coord Polar|Rectangular]",
    "Writes the printed point report of a profile as a PDF or as plain text.",
    "  -o OUT.pdf|OUT.txt         the report to write; the extension chooses PDF or plain text (CR LF)\n"
    "  --coord Polar|Rectangular  the columns: R and Theta, or X and Y (default: the file's own system)\n"
    "Numbers are written with a decimal point. A file that reads only partly is reported as far as it\n"
    "was read, with a warning, and the exit status is 3.\n",
    runReport,
};

}  // namespace solvane::cli
