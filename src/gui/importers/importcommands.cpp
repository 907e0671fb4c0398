#include "importers/importcommands.h"

#include <QFile>
#include <memory>
#include <optional>
#include <string>

#include "files/dialogfolder.h"
#include "files/documentcommands.h"
#include "importers/frmcsvfields.h"
#include "importers/frmwaferchoice.h"
#include "importers/klaimport.h"
#include "importers/pointcsv.h"
#include "render/qttext.h"
#include "undo/undohistory.h"
#include "window/windowservices.h"

namespace solvane {

namespace {

FileDialogRequest importDialog(const char* pattern, const char* defaultExt, const char* filter)
{
    FileDialogRequest request;
    request.pattern = QLatin1String(pattern);
    request.defaultExt = QLatin1String(defaultExt);
    request.filter = QLatin1String(filter);
    request.title = QStringLiteral("Import File");
    request.save = false;
    return request;
}

QString importFailureText(const QString& title, const std::string& reason)
{
    return QStringLiteral("\"%1\" was not imported.\r\n%2").arg(title, fromBytes(reason));
}

}  // namespace

ImportCommands::ImportCommands(WindowServices& window, DocumentCommands& documents)
    : window_(window), platform_(window.platform()), documents_(documents)
{}

void ImportCommands::mnuFileImporter_Click()
{
    // A file of the wrong type sends the user back to the file dialog; cancelling the dialog or the wafer
    // choice keeps the profile that was open.
    if (!documents_.mayDiscardChanges("    Clear anyway?")) return;
    for (;;) {
        const std::optional<FileChoice> choice =
            askForFile(platform_,
                       importDialog("*.dat", ".dat",
                                    "KLA results files (*.dat *.000 *.001 *.klarf)|*.dat;*.000;*.001;*.klarf|"
                                    "KLA Resource File (*.dat)|*.dat|All Files (*.*)|*.*|"),
                       FolderKind::KlaResults, window_.profile().ProfileDir);
        if (!choice || importKlaResultsFile(*choice, true)) return;
    }
}

bool ImportCommands::importKlaResultsFile(const FileChoice& file, bool chosenInDialog)
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("KLA Import"), UndoStep::EndsSaved);
    // The file is looked at before the profile changes.
    platform_.setPointer(Pointer::Busy);
    const ImportFileBytes bytes = loadImportFile(toFileSystem(file.path));
    const KlaImportResult listing = bytes.ok ? listKlaWafers(bytes.bytes) : KlaImportResult{};
    platform_.setPointer(Pointer::Default);
    if (!bytes.ok) {
        platform_.messageBox(importFailureText(file.title, bytes.message), QStringLiteral("Solvane"),
                             MessageIcon::Exclamation, MessageButtons::Ok);
        return true;
    }
    if (listing.status == ImportStatus::InvalidFileType) {
        // From the dialog the user picks again; a file given by name is refused with the reason.
        if (chosenInDialog) {
            platform_.messageBox(QLatin1String(KlaFileTypeErrorText), QLatin1String(KlaFileTypeErrorTitle),
                                 MessageIcon::Critical, MessageButtons::Ok);
            return false;
        }
        platform_.messageBox(importFailureText(file.title, listing.message), QStringLiteral("Solvane"),
                             MessageIcon::Exclamation, MessageButtons::Ok);
        return true;
    }

    std::size_t wafer = 0;
    if (listing.status == ImportStatus::Ok && listing.wafers.size() > 1) {
        frmWaferChoice chooser(listing.wafers, window_.dialogParent());
        window_.showModal(chooser);
        if (!chooser.chosenWafer()) return true;
        wafer = *chooser.chosenWafer();
    }

    platform_.setPointer(Pointer::Busy);
    Profile imported = documents_.emptiedCopy();
    const auto defects = std::make_unique<DefectStore>();
    const KlaImportResult result = importKlaResults(bytes.bytes, imported, *defects, wafer);
    platform_.setPointer(Pointer::Default);
    finishImport(imported, file,
                 result.status == ImportStatus::Ok ? QString() : importFailureText(file.title, result.message));
    return true;
}

void ImportCommands::mnuCSVFileImporter_Click()
{
    if (!documents_.mayDiscardChanges("    Clear anyway?")) return;
    const std::optional<FileChoice> choice =
        askForFile(platform_, importDialog("*.csv", ".csv", "CSV File (*.csv *.txt)|*.csv;*.txt|All Files (*.*)|*.*|"),
                   FolderKind::Csv, window_.profile().ProfileDir);
    if (choice) importCsvFile(*choice);
}

void ImportCommands::importCsvFile(const FileChoice& choice)
{
    const UndoStep step(window_.undoHistory(), QStringLiteral("CSV Import"), UndoStep::EndsSaved);
    // A file that cannot be read ends the command before anything is asked or changed.
    platform_.setPointer(Pointer::Busy);
    const ImportFileBytes file = loadImportFile(toFileSystem(choice.path));
    platform_.setPointer(Pointer::Default);
    if (!file.ok) {
        platform_.messageBox(importFailureText(choice.title, file.message), QStringLiteral("Solvane"),
                             MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }

    // The editor's own point export names its columns in its header line: nothing to ask. For other files
    // the dialog opens empty every time; Cancel keeps the columns of the last OK and still imports.
    const bool pointCsv = isPointCsv(file.bytes);
    if (!pointCsv) {
        frmCSVfields fields(platform_, window_.dialogParent());
        window_.showModal(fields);
        if (const std::optional<CsvColumns> confirmed = fields.columns()) csvColumns_ = *confirmed;
    }

    platform_.setPointer(Pointer::Busy);
    Profile imported = documents_.emptiedCopy();
    const auto defects = std::make_unique<DefectStore>();
    const CsvImportResult result = pointCsv ? importPointCsv(file.bytes, imported)
                                            : importCsvDefects(file.bytes, csvColumns_, imported, *defects);
    platform_.setPointer(Pointer::Default);
    finishImport(imported, choice,
                 result.status == ImportStatus::Ok ? QString() : importFailureText(choice.title, result.message));
}

void ImportCommands::finishImport(const Profile& imported, const FileChoice& file, const QString& failure)
{
    // A refused or damaged file leaves the open document as it was.
    if (!failure.isEmpty()) {
        platform_.messageBox(failure, QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    documents_.showLoadedDocument(imported, file, DocumentSource::Imported);
}

}  // namespace solvane
