// solvane-cli report, as solvane-cli-paint runs it: the editor's printed point report of a profile,
// as a PDF painted by the editor's own report layout, or as plain text.

#include <QDate>
#include <QGuiApplication>
#include <filesystem>
#include <string>

#include "arguments.h"
#include "files/safewrite.h"
#include "paint/offscreengui.h"
#include "painting.h"
#include "print/report.h"
#include "profileinput.h"
#include "render/reportprinter.h"

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

// The resolution of the editor's printer when it prints to a PDF file.
constexpr int PdfDotsPerInch = 1200;

// The report as the editor prints it: the date and the wafer drawing on its first page.
WriteResult writePdf(const std::string& path, const ReportLines& report, const Profile& profile)
{
    OffscreenGui gui;
    ReportPrinter printer(report);
    printer.setPrintDate(QDate::currentDate());
    printer.setDrawing(profile, QGuiApplication::palette());
    return printer.printPdfFile(ReportPrinter::defaultPageLayout(), PdfDotsPerInch, path);
}

}  // namespace

int runReport(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--coord"}});
    if (const auto done = checkCommandLine(self, line, "give one profile file to report",
                                           "give the report to write with -o OUT.pdf or -o OUT.txt"))
        return *done;
    const std::string output = *line.text("-o");
    const auto format = formatOf(output);
    if (!format) return usageError(self, "the report is written as a PDF (.pdf) or as plain text (.txt)");
    const auto coordSys = line.choiceIfGiven("--coord", {"Polar", "Rectangular"});
    if (!line.ok()) return usageError(self, line.error());
    const std::string& input = line.positional()[0];

    Profile profile;
    const auto read = readShownProfile(profile, input, "reporting what was read");
    if (!read) return ExitFileError;

    // The columns follow the system the table would show: the file's own unless one is asked for.
    setCoordFlags(profile, coordSys ? *coordSys : profile.CoordSys);
    // The report names the file as the editor does after opening it, by its name without folder.
    const std::string fileTitle = std::filesystem::path(input).filename().string();

    const WriteResult written = *format == ReportFormat::Text
                                    ? writeFileSafely(output, reportText(profile, fileTitle, profile.Description, '.'))
                                    : writePdf(output, reportLines(profile, fileTitle, profile.Description, '.'),
                                               profile);
    return finishWrite(written, shownStatus(*read));
}

}  // namespace solvane::cli
