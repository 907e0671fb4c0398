// The main window's import commands: KLA results files and CSV files.
#include <QFile>
#include <memory>
#include <optional>
#include <string>

#include "importers/csvimport.h"
#include "importers/frmcsvfields.h"
#include "importers/frmwaferchoice.h"
#include "importers/klaimport.h"
#include "importers/pointcsv.h"
#include "mainwindow/form1.h"
#include "render/qttext.h"
#include "undo/undohistory.h"

namespace solvane {

namespace {

FileDialogRequest importDialog(const Profile& profile, const char* pattern, const char* defaultExt, const char* filter)
{
    FileDialogRequest request;
    request.pattern = QLatin1String(pattern);
    request.defaultExt = QLatin1String(defaultExt);
    request.filter = QLatin1String(filter);
    request.initialDir = fromFileSystem(profile.ProfileDir);
    request.title = QStringLiteral("Import File");
    request.save = false;
    return request;
}

QString importFailureText(const QString& title, const std::string& reason)
{
    return QStringLiteral("\"%1\" was not imported.\r\n%2").arg(title, fromBytes(reason));
}

}  // namespace

void Form1::mnuFileImporter_Click()
{
    const UndoStep step(*undo_, QStringLiteral("KLA Import"), UndoStep::EndsSaved);
    // Each file is looked at before the profile changes: a file of the wrong type sends the user back to the file
    // dialog, and cancelling the dialog or the wafer choice keeps the profile that was open.
    if (!mayDiscardChanges("    Clear anyway?")) return;
    for (;;) {
        const std::optional<FileChoice> choice = platform_.fileDialog(
            importDialog(profile_, "*.dat", ".dat",
                         "KLA results files (*.dat *.000 *.001 *.klarf)|*.dat;*.000;*.001;*.klarf|"
                         "KLA Resource File (*.dat)|*.dat|All Files (*.*)|*.*|"));
        if (!choice) return;

        setPointer(Pointer::Busy);
        const ImportFileBytes file = loadImportFile(toFileSystem(choice->path));
        const KlaImportResult listing = file.ok ? listKlaWafers(file.bytes) : KlaImportResult{};
        setPointer(Pointer::Default);
        if (!file.ok) {
            platform_.messageBox(importFailureText(choice->title, file.message), QStringLiteral("Solvane"),
                                 MessageIcon::Exclamation, MessageButtons::Ok);
            return;
        }
        if (listing.status == ImportStatus::InvalidFileType) {
            platform_.messageBox(QLatin1String(KlaFileTypeErrorText), QLatin1String(KlaFileTypeErrorTitle),
                                 MessageIcon::Critical, MessageButtons::Ok);
            continue;
        }

        std::size_t wafer = 0;
        if (listing.status == ImportStatus::Ok && listing.wafers.size() > 1) {
            frmWaferChoice chooser(listing.wafers, this);
            runDialog(chooser);
            if (!chooser.chosenWafer()) return;
            wafer = *chooser.chosenWafer();
        }

        setPointer(Pointer::Busy);
        Profile imported = emptiedCopy();
        const auto defects = std::make_unique<DefectStore>();
        const KlaImportResult result = importKlaResults(file.bytes, imported, *defects, wafer);
        setPointer(Pointer::Default);
        finishImport(imported, *choice,
                     result.status == ImportStatus::Ok ? QString() : importFailureText(choice->title, result.message));
        return;
    }
}

void Form1::mnuCSVFileImporter_Click()
{
    const UndoStep step(*undo_, QStringLiteral("CSV Import"), UndoStep::EndsSaved);
    if (!mayDiscardChanges("    Clear anyway?")) return;
    const std::optional<FileChoice> choice = platform_.fileDialog(
        importDialog(profile_, "*.csv", ".csv", "CSV File (*.csv *.txt)|*.csv;*.txt|All Files (*.*)|*.*|"));
    if (!choice) return;

    // A file that cannot be read ends the command before anything is asked or changed.
    setPointer(Pointer::Busy);
    const ImportFileBytes file = loadImportFile(toFileSystem(choice->path));
    setPointer(Pointer::Default);
    if (!file.ok) {
        platform_.messageBox(importFailureText(choice->title, file.message), QStringLiteral("Solvane"),
                             MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }

    // The editor's own point export names its columns in its header line: nothing to ask. For other files
    // the dialog opens empty every time; Cancel keeps the columns of the last OK and still imports.
    const bool pointCsv = isPointCsv(file.bytes);
    if (!pointCsv) {
        frmCSVfields fields(platform_, this);
        runDialog(fields);
        if (const std::optional<CsvColumns> confirmed = fields.columns()) {
            CsvCenterLocCol = confirmed->CsvCenterLocCol;
            CsvDiePitchCol = confirmed->CsvDiePitchCol;
            CsvXRelCol = confirmed->CsvXRelCol;
            CsvYRelCol = confirmed->CsvYRelCol;
            CsvXIndexCol = confirmed->CsvXIndexCol;
            CsvYIndexCol = confirmed->CsvYIndexCol;
        }
    }
    const CsvColumns columns{CsvCenterLocCol, CsvDiePitchCol, CsvXIndexCol, CsvYIndexCol, CsvXRelCol, CsvYRelCol};

    setPointer(Pointer::Busy);
    Profile imported = emptiedCopy();
    const auto defects = std::make_unique<DefectStore>();
    const CsvImportResult result = pointCsv ? importPointCsv(file.bytes, imported)
                                            : importCsvDefects(file.bytes, columns, imported, *defects);
    setPointer(Pointer::Default);
    finishImport(imported, *choice,
                 result.status == ImportStatus::Ok ? QString() : importFailureText(choice->title, result.message));
}

void Form1::finishImport(const Profile& imported, const FileChoice& file, const QString& failure)
{
    // A refused or damaged file leaves the open document as it was.
    if (!failure.isEmpty()) {
        platform_.messageBox(failure, QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    showLoadedDocument(imported, file, DocumentSource::Imported);
}

}  // namespace solvane
