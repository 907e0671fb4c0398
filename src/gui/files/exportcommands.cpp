#include "files/exportcommands.h"

#include <QWidget>

#include "files/dialogfolder.h"
#include "files/safewrite.h"
#include "importers/pointcsv.h"
#include "render/qttext.h"
#include "render/waferimage.h"
#include "window/windowservices.h"

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

void ExportCommands::File_ExportCsv_Click()
{
    const std::optional<FileChoice> choice = askForFile(window_.platform(),
                                                        exportDialog("Export CSV", ".csv",
                                                                     "CSV File (*.csv)|*.csv|All Files (*.*)|*.*|"),
                                                        FolderKind::Exports, window_.profile().ProfileDir);
    if (!choice) return;

    window_.platform().setPointer(Pointer::Busy);
    const WriteResult written = writeFileSafely(toFileSystem(choice->path), formatPointCsv(window_.profile()));
    window_.platform().setPointer(Pointer::Default);
    if (!written.ok) showExportFailure(*choice, fromBytes(written.message));
}

void ExportCommands::File_ExportImage_Click()
{
    const std::optional<FileChoice> choice = askForFile(
        window_.platform(),
        exportDialog("Export Image", ".png", "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|All Files (*.*)|*.*|"),
        FolderKind::Exports, window_.profile().ProfileDir);
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
        const std::optional<int> asked = window_.platform().askWholeNumber(QStringLiteral("Export Image"), label,
                                                                           sidePx, 16, 8000);
        if (!asked) return;
        sidePx = exportImageSidePx_ = *asked;
    }

    window_.platform().setPointer(Pointer::Busy);
    const QByteArray image = waferImageBytes(window_.profile(), window_.dialogParent()->palette(), window_.showsPath(),
                                             *format, sidePx);
    const WriteResult written = image.isEmpty()
                                    ? WriteResult{false, "the drawing could not be encoded"}
                                    : writeFileSafely(toFileSystem(choice->path),
                                                      std::string_view(image.constData(),
                                                                       static_cast<std::size_t>(image.size())));
    window_.platform().setPointer(Pointer::Default);
    if (!written.ok) showExportFailure(*choice, fromBytes(written.message));
}

void ExportCommands::showExportFailure(const FileChoice& file, const QString& reason)
{
    window_.platform().messageBox(QStringLiteral("\"%1\" was not written:\r\n%2.").arg(file.path, reason),
                                  QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace solvane
