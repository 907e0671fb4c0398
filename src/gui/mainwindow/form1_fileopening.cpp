// Files named from outside the file dialogs: the command line, a later start, a drop, the recent files.
#include <QLineEdit>
#include <QMenu>

#include "files/documentcommands.h"
#include "files/filedroptarget.h"
#include "files/fileopener.h"
#include "importers/importcommands.h"
#include "mainwindow/form1.h"

namespace solvane {

void Form1::buildFileOpening(QMenu* file, QAction* exit)
{
    opener_ = std::make_unique<FileOpener>(
        platform_, FileOpener::Commands{[this] { return documents_->mayDiscardChanges("    Clear anyway?"); },
                                        [this](const FileChoice& f) { documents_->openProfileFile(f); },
                                        [this](const FileChoice& f) { imports_->importKlaResultsFile(f, false); },
                                        [this](const FileChoice& f) { imports_->importCsvFile(f); }});
    documents_->addRecentFiles(*file, *exit, [this](const QString& path) { opener_->open(path); });
    // The description box would take a dropped file's address as text.
    auto* drops = new FileDropTarget([this](const QStringList& files) { openFiles(files); }, this);
    drops->watch(*this);
    drops->watch(*descript);
}

void Form1::openFiles(const QStringList& files) { opener_->openFirst(files); }

}  // namespace solvane
