#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/platform.h"

namespace solvane {

// Opens a file named from outside the file dialogs (the command line, a later start, a drop, the
// recent list) with the command its contents and name call for: a profile is opened, a KLA results
// file or a CSV file imported. The unsaved-changes question comes first, as for the menu commands.
class FileOpener {
public:
    // The window's commands, each given the file to work on; mayDiscardChanges asks the question and
    // is true when the work may go.
    struct Commands {
        std::function<bool()> mayDiscardChanges;
        std::function<void(const FileChoice&)> openProfile;
        std::function<void(const FileChoice&)> importKlaResults;
        std::function<void(const FileChoice&)> importCsv;
    };

    FileOpener(Platform& platform, Commands commands);

    // Opens path (made absolute first). A file that is not there, cannot be read or is of no kind the
    // editor reads is refused with a message in plain words, and nothing changes.
    void open(const QString& path);
    // Opens the first of paths; the user hears that the others were left, as one file is edited at a time.
    void openFirst(const QStringList& paths);

private:
    void refuse(const QString& path, const QString& reason);

    Platform& platform_;
    Commands commands_;
};

}  // namespace solvane
