// The main window's export commands: the points as CSV and the drawing as a PNG or SVG image.
#include <QAction>
#include <QMenu>

#include "files/dialogfolder.h"
#include "files/safewrite.h"
#include "importers/pointcsv.h"
#include "mainwindow/form1.h"
#include "render/qttext.h"
#include "render/waferimage.h"

namespace solvane {

namespace {

FileDialogRequest exportDialog(const char* title, const char* defaultExt, const char* filter)
{
    FileDialogRequest request;
    request.pattern = QStringLiteral("*") + QLatin1String(defaultExt);
    request.defaultExt = QLatin1String(defaultExt);
    request.filter = QLatin1String(filter);
    request.title = QLatin1String(title);
    request.save = true;
    return request;
}

}  // namespace

void Form1::addExportItems(QMenu* file)
{
    File_ExportCsv = addMenuItem(file, "File_ExportCsv", QStringLiteral("Export &CSV..."),
                                 &Form1::File_ExportCsv_Click);
    File_ExportImage = addMenuItem(file, "File_ExportImage", QStringLiteral("Export &Image..."),
                                   &Form1::File_ExportImage_Click);
}

void Form1::File_ExportCsv_Click()
{
    const std::optional<FileChoice> choice = askForFile(platform_,
                                                        exportDialog("Export CSV", ".csv",
                                                                     "CSV File (*.csv)|*.csv|All Files (*.*)|*.*|"),
                                                        FolderKind::Exports, profile_.ProfileDir);
    if (!choice) return;

    setPointer(Pointer::Busy);
    const WriteResult written = writeFileSafely(toFileSystem(choice->path), formatPointCsv(profile_));
    setPointer(Pointer::Default);
    if (!written.ok) showExportFailure(*choice, fromBytes(written.message));
}

void Form1::File_ExportImage_Click()
{
    const std::optional<FileChoice> choice = askForFile(
        platform_,
        exportDialog("Export Image", ".png", "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|All Files (*.*)|*.*|"),
        FolderKind::Exports, profile_.ProfileDir);
    if (!choice) return;
    const std::optional<WaferImageFormat> format = waferImageFormatOf(choice->path);
    if (!format) {
        showExportFailure(*choice, QStringLiteral("an image is written as PNG (.png) or as SVG (.svg); "
                                                  "choose a name with one of these endings"));
        return;
    }
    int sidePx = exportImageSidePx_;
    if (*format == WaferImageFormat::Png) {
        const QString label = QStringLiteral("Width and height of the image, in pixels:");
        const std::optional<int> asked = platform_.askWholeNumber(QStringLiteral("Export Image"), label, sidePx, 16,
                                                                  8000);
        if (!asked) return;
        sidePx = exportImageSidePx_ = *asked;
    }

    setPointer(Pointer::Busy);
    const QByteArray image = waferImageBytes(profile_, palette(), showPath_, *format, sidePx);
    const WriteResult written = image.isEmpty()
                                    ? WriteResult{false, "the drawing could not be encoded"}
                                    : writeFileSafely(toFileSystem(choice->path),
                                                      std::string_view(image.constData(),
                                                                       static_cast<std::size_t>(image.size())));
    setPointer(Pointer::Default);
    if (!written.ok) showExportFailure(*choice, fromBytes(written.message));
}

void Form1::showExportFailure(const FileChoice& file, const QString& reason)
{
    platform_.messageBox(QStringLiteral("\"%1\" was not written:\r\n%2.").arg(file.path, reason),
                         QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace solvane
