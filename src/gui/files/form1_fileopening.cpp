// Files named from outside the file dialogs: the command line, a later start, a drop, the recent files.
#include <QLineEdit>
#include <QMenu>

#include "files/filedroptarget.h"
#include "files/fileopener.h"
#include "files/recentfilesmenu.h"
#include "mainwindow/form1.h"

namespace solvane {

void Form1::buildFileOpening(QMenu* file)
{
    opener_ = std::make_unique<FileOpener>(
        platform_, FileOpener::Commands{[this] { return mayDiscardChanges("    Clear anyway?"); },
                                        [this](const FileChoice& f) { openProfileFile(f); },
                                        [this](const FileChoice& f) { importKlaResultsFile(f, false); },
                                        [this](const FileChoice& f) { importCsvFile(f); }});
    recentFiles_ = new RecentFilesMenu(
        platform_, *file, *File_Exit, [this](const QString& path) { opener_->open(path); }, this);
    // The description box would take a dropped file's address as text.
    auto* drops = new FileDropTarget([this](const QStringList& files) { openFiles(files); }, this);
    drops->watch(*this);
    drops->watch(*descript);
}

void Form1::openFiles(const QStringList& files) { opener_->openFirst(files); }

}  // namespace solvane
