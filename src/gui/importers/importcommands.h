#pragma once

#include <QString>

#include "importers/csvimport.h"
#include "platform/platform.h"

namespace solvane {

class DocumentCommands;
class WindowServices;

// The import commands of the File menu: a KLA results file or a CSV file becomes the open document.
// Keeps the CSV column numbers between imports.
class ImportCommands {
public:
    ImportCommands(WindowServices& window, DocumentCommands& documents);

    void mnuFileImporter_Click();
    void mnuCSVFileImporter_Click();
    // The imports once their file is known (from the dialog, the command line, a drop, the recent list).
    // The KLA import gives false for a file of the wrong type chosen in the dialog, so it is shown again.
    bool importKlaResultsFile(const FileChoice& file, bool chosenInDialog);
    void importCsvFile(const FileChoice& file);

private:
    // Shows the imported profile, or says why the file was not imported (failure not empty) and
    // keeps the open document.
    void finishImport(const Profile& imported, const FileChoice& file, const QString& failure);

    WindowServices& window_;
    Platform& platform_;
    DocumentCommands& documents_;
    // The columns of the last confirmed CSV dialog (dialog order).
    CsvColumns csvColumns_;
};

}  // namespace solvane
