#include "files/documentcommands.h"

#include <QFile>
#include <string>

#include "files/description.h"
#include "files/dialogfolder.h"
#include "files/filechecks.h"
#include "files/profilefile.h"
#include "files/recentfilesmenu.h"
#include "files/recoveryfile.h"
#include "files/recoverykeeper.h"
#include "model/pointlist.h"
#include "render/qttext.h"
#include "undo/undohistory.h"
#include "window/windowservices.h"

namespace solvane {

namespace {

QString unsavedChangesPrompt(const char* lastLine)
{
    return QStringLiteral("The data has changed\r\nsince your last save.\r\n") + QLatin1String(lastLine);
}

// The file dialog of Open and Save As, in the product flavour's extension and filter.
FileDialogRequest profileDialog(const Profile& profile, bool save)
{
    FileDialogRequest request;
    request.pattern = QStringLiteral("*.") + fromBytes(profile.ProfileExt);
    request.defaultExt = fromBytes(profile.ProfileExt);
    request.filter = fromBytes(profile.ProfileFilter);
    request.title = save ? QStringLiteral("Save File As") : QStringLiteral("Open File");
    request.save = save;
    return request;
}

// A read that stopped in the header gave no profile to show: the open document stays.
bool readAProfile(const ReadResult& read) { return read.ok || read.stoppedAt == ProfileField::Points; }

QString readFailureText(const QString& title, const ReadResult& read)
{
    const QString reason = fromBytes(read.message);
    if (!readAProfile(read)) return QStringLiteral("\"%1\" could not be opened:\r\n%2.").arg(title, reason);
    return QStringLiteral(
               "\"%1\" could not be read to the end:\r\n%2.\r\n"
               "The profile shows what was read before that.")
        .arg(title, reason);
}

}  // namespace

DocumentCommands::DocumentCommands(WindowServices& window, const QString& recoveryDir,
                                   std::function<std::optional<std::string>()> storeSettings, QObject* parent)
    : QObject(parent),
      window_(window),
      profile_(window.profile()),
      platform_(window.platform()),
      storeSettings_(std::move(storeSettings)),
      recovery_(std::make_unique<RecoveryKeeper>(profile_, recoveryDir))
{}

DocumentCommands::~DocumentCommands() = default;

void DocumentCommands::addRecentFiles(QMenu& file, QAction& before, std::function<void(const QString&)> open)
{
    recentFiles_ = new RecentFilesMenu(platform_, file, before, std::move(open), this);
}

void DocumentCommands::showDocumentState() { window_.showDocument(documentState(profile_, documentSource_)); }

bool DocumentCommands::mayDiscardChanges(const char* lastLine)
{
    if (!profile_.DataChanged) return true;
    return platform_.messageBox(unsavedChangesPrompt(lastLine), QStringLiteral("Data Not Saved"), MessageIcon::Question,
                                MessageButtons::YesNo) == MessageAnswer::Yes;
}

Profile DocumentCommands::emptiedCopy() const
{
    Profile copy = profile_;
    clearPoints(copy);
    return copy;
}

void DocumentCommands::showLoadedDocument(const Profile& loaded, const FileChoice& file, DocumentSource source)
{
    platform_.setPointer(Pointer::Busy);
    // No clearing of the old rows first: updategrid below writes every row the table keeps.
    profile_ = loaded;
    profile_.FileTitle = toFileSystem(file.title);
    profile_.FilePath = toFileSystem(file.path);
    documentSource_ = source;
    window_.setDescriptionText(fromBytes(profile_.Description));
    showDocumentState();
    window_.drawwafer();
    window_.redrawall();
    window_.updategrid();
    // A recovered document is unsaved work; anything else loaded is what its file holds.
    profile_.DataChanged = source == DocumentSource::Recovered ? True : False;
    if (source != DocumentSource::Recovered) {
        recovery_->discard();
        recentFiles_->add(file.path);
    }
    if (source != DocumentSource::Imported) window_.undoHistory().startEmpty(source == DocumentSource::Recovered);
    platform_.setPointer(Pointer::Default);
}

void DocumentCommands::File_New_Click()
{
    if (!mayDiscardChanges("    Clear anyway?")) return;
    platform_.setPointer(Pointer::Busy);
    profile_.SnapOn = False;
    window_.setSnapChecked(false);
    profile_.SpotColor = profile_.DefSpotColor;
    profile_.WaferColor = profile_.DefWaferColor;
    window_.emptyPointList();
    profile_.FileTitle.clear();
    documentSource_ = DocumentSource::ProfileFile;
    showDocumentState();
    window_.drawwafer();
    profile_.DataChanged = False;
    recovery_->discard();
    window_.undoHistory().startEmpty();
    platform_.setPointer(Pointer::Default);
}

void DocumentCommands::File_Open_Click()
{
    if (!mayDiscardChanges("    Clear anyway?")) return;
    const std::optional<FileChoice> choice = askForFile(platform_, profileDialog(profile_, false), FolderKind::Profiles,
                                                        profile_.ProfileDir);
    if (choice) openProfileFile(*choice);
}

void DocumentCommands::openProfileFile(const FileChoice& file)
{
    // The file is read beside the open document, which changes only when there is a profile to show.
    platform_.setPointer(Pointer::Busy);
    Profile loaded = emptiedCopy();
    const ReadResult read = readprofileFile(loaded, toFileSystem(file.path));
    platform_.setPointer(Pointer::Default);
    const auto warn = [this](const QString& text) {
        platform_.messageBox(text, QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
    };
    if (!readAProfile(read)) {
        warn(readFailureText(file.title, read));
        return;
    }
    // The box shows only what a save keeps unchanged; the user hears now what differs from the file.
    const std::u32string description = latin1CodePoints(loaded.Description);
    const std::string descriptionFault = descriptionFaults(description);
    loaded.Description = fittedDescription(description);
    showLoadedDocument(loaded, file, read.ok ? DocumentSource::ProfileFile : DocumentSource::PartlyRead);

    // What was read stays; the user learns that the rest is missing and why.
    if (!read.ok) warn(readFailureText(file.title, read));
    if (!descriptionFault.empty())
        warn(QStringLiteral("The description in \"%1\" %2.\r\nThe box shows it as a profile can hold it: at most "
                            "%3 characters, double quotes as apostrophes, other characters as \"?\". A save "
                            "writes it so.")
                 .arg(file.title, fromBytes(descriptionFault))
                 .arg(MaxDescriptionLength));
}

void DocumentCommands::File_Save_Click()
{
    if (profile_.PointCount <= 0) return;
    if (documentState(profile_, documentSource_).savesInPlace())
        writeProfileTo(FileChoice{fromFileSystem(profile_.FilePath), fromFileSystem(profile_.FileTitle)});
    else
        saveProfileAs();
}

void DocumentCommands::File_SaveAs_Click()
{
    if (profile_.PointCount <= 0) return;
    saveProfileAs();
}

void DocumentCommands::saveProfileAs()
{
    if (const std::optional<FileChoice> choice = askForFile(platform_, profileDialog(profile_, true),
                                                            FolderKind::Profiles, profile_.ProfileDir))
        writeProfileTo(*choice);
}

void DocumentCommands::writeProfileTo(const FileChoice& file)
{
    // Someone protected that file on purpose: replacing it is the user's call.
    if (isReadOnlyFile(toFileSystem(file.path)) &&
        platform_.messageBox(QStringLiteral("\"%1\" is read-only.\r\nReplace it anyway?").arg(file.title),
                             QStringLiteral("Solvane"), MessageIcon::Question,
                             MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    platform_.setPointer(Pointer::Busy);
    const WriteResult written = writeprofile(profile_, toFileSystem(file.path));
    platform_.setPointer(Pointer::Default);
    if (!written.ok) {
        // The document keeps its name and its unsaved state: the user must know the profile is not on disk.
        platform_.messageBox(
            QStringLiteral("The profile was not saved to \"%1\":\r\n%2.").arg(file.path, fromBytes(written.message)),
            QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    profile_.FileTitle = toFileSystem(file.title);
    profile_.FilePath = toFileSystem(file.path);
    documentSource_ = DocumentSource::ProfileFile;
    recentFiles_->add(file.path);
    profile_.DataChanged = False;
    showDocumentState();
    recovery_->discard();
    window_.undoHistory().markSaved();
}

bool DocumentCommands::Form_Unload()
{
    if (!mayDiscardChanges("    Quit anyway?")) return false;
    if (const std::optional<std::string> failure = storeSettings_())
        platform_.messageBox(QStringLiteral("The settings could not be saved:\r\n%1.").arg(fromBytes(*failure)),
                             QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
    recovery_->discard();
    return true;
}

void DocumentCommands::recoverUnsavedWork()
{
    if (const std::optional<RecoveryCopy> copy = recovery_->found()) {
        const QString path = fromFileSystem(copy->originalPath);
        const QString title = fromFileSystem(fileTitleOf(copy->originalPath));
        const MessageAnswer answer =
            platform_.messageBox(QStringLiteral("Solvane was closed with unsaved changes to %1. Restore them?")
                                     .arg(title.isEmpty() ? QStringLiteral("Untitled") : title),
                                 QStringLiteral("Solvane"), MessageIcon::Question, MessageButtons::YesNo);
        Profile restored = emptiedCopy();
        if (answer == MessageAnswer::Yes && readprofile(restored, copy->profileText).ok)
            showLoadedDocument(restored, FileChoice{path, title}, DocumentSource::Recovered);
        else
            recovery_->discard();
    }
    recovery_->start();
}

void DocumentCommands::keepUnsavedWork() { recovery_->keepNow(); }

}  // namespace solvane
