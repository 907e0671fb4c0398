#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "files/documentstate.h"
#include "platform/platform.h"

class QAction;
class QMenu;

namespace solvane {

class RecentFilesMenu;
class RecoveryKeeper;
class WindowServices;

// The document commands of the File menu (New, Open, Save, Save As and the question before Exit)
// and the recovery copy of unsaved work: what document is open, named after which file, and
// whether Save may write back to it.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // recoveryDir: where the recovery copy lives; storeSettings: stores the settings and the window's
    // placement, giving the reason when the store could not be written.
    DocumentCommands(WindowServices& window, const QString& recoveryDir,
                     std::function<std::optional<std::string>()> storeSettings, QObject* parent = nullptr);
    ~DocumentCommands() override;

    // The recent files in the File menu above before; open is given the path of the item chosen.
    void addRecentFiles(QMenu& file, QAction& before, std::function<void(const QString&)> open);

    void File_New_Click();
    void File_Open_Click();
    // Open once its file is known (from the dialog, the command line, a drop, the recent list).
    void openProfileFile(const FileChoice& file);
    void File_Save_Click();
    void File_SaveAs_Click();
    // The check of every close: false when the user keeps the window open.
    bool Form_Unload();

    // Offers the unsaved work an earlier run left in its recovery copy, then starts keeping one of this
    // run's unsaved changes.
    void recoverUnsavedWork();
    // Keeps the unsaved changes in the recovery copy now (the session or a signal ends the program).
    void keepUnsavedWork();

    // The unsaved-change prompt with lastLine ("    Clear anyway?"); true when there are no unsaved
    // changes or the user answers Yes.
    bool mayDiscardChanges(const char* lastLine);
    // The profile with its points removed, for a read or an import that must not touch the open document.
    Profile emptiedCopy() const;
    // Makes loaded the open document, named after file: table, drawing, description and status bar
    // follow, and it counts as unchanged unless it was recovered.
    void showLoadedDocument(const Profile& loaded, const FileChoice& file, DocumentSource source);
    // Shows the document state where the window shows it.
    void showDocumentState();

private:
    void saveProfileAs();
    // Writes the profile to file and names the document after it, or says why it failed.
    void writeProfileTo(const FileChoice& file);

    WindowServices& window_;
    Profile& profile_;
    Platform& platform_;
    std::function<std::optional<std::string>()> storeSettings_;
    DocumentSource documentSource_ = DocumentSource::ProfileFile;
    std::unique_ptr<RecoveryKeeper> recovery_;
    RecentFilesMenu* recentFiles_ = nullptr;
};

}  // namespace solvane
