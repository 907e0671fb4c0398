#include "print/printcommand.h"

#include <QDate>
#include <QPrinter>
#include <QWidget>

#include "platform/platform.h"
#include "print/report.h"
#include "render/qttext.h"
#include "render/reportprinter.h"
#include "window/windowservices.h"

namespace solvane {

namespace {

const QString PrinterErrorText = QStringLiteral(
    "An error has occured at the printer, but no other information was returned to the computer that sent "
    "the file.\r\n\r\n"
    "You must physically examine the printer. Make sure all connections between\r\n"
    "computer and printer are solid. Most printers provide a display for error information\r\n"
    "such as \"Out of Paper\",\"Offline\" and so on.");

// Prints the report on printer; false when painting or writing failed. A printer that prints to a PDF file
// goes through the report's own safe PDF writing: the printer's output says nothing of a full disk.
bool printReport(const ReportPrinter& report, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return report.printPdfFile(printer.pageLayout(), printer.resolution(), toFileSystem(printer.outputFileName()))
            .ok;
    return report.print(printer).ok && printer.printerState() != QPrinter::Error;
}

}  // namespace

void PrintCommand::File_PrintData_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinter::setReportMargins(printer);
    // Cancelling the printer dialog prints nothing and says nothing.
    if (!window_.platform().printerDialog(printer)) return;

    window_.platform().setPointer(Pointer::Busy);
    // The columns follow the table's system (PolarSys), the description the box as it reads now.
    const Profile& profile = window_.profile();
    const ReportLines report = reportLines(profile, profile.FileTitle, toBytes(window_.descriptionText()),
                                           localeDecimalSeparator());
    ReportPrinter layout(report);
    layout.setPrintDate(QDate::currentDate());
    layout.setDrawing(profile, window_.dialogParent()->palette());
    const bool printerError = !printReport(layout, printer);
    // A failed print goes straight to its message, without letting events run first.
    if (!printerError) window_.platform().doEvents();
    window_.platform().setPointer(Pointer::Default);

    if (printerError) {
        window_.platform().messageBox(PrinterErrorText, QStringLiteral("Printer Error"), MessageIcon::Exclamation,
                                      MessageButtons::Ok);
    }
}

}  // namespace solvane
