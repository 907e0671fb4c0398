// The main window's document commands: New, Open, Save, Save As, Exit and the close check.
#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <string>

#include "files/profilefile.h"
#include "mainwindow/form1.h"
#include "platform/colours.h"
#include "platform/qttext.h"
#include "settings/settings.h"
#include "table/flexgrid.h"

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
    request.initialDir = fromFileSystem(profile.ProfileDir);
    request.title = save ? QStringLiteral("Save File As") : QStringLiteral("Open File");
    request.save = save;
    return request;
}

QString readFailureText(const QString& title, const ReadResult& read)
{
    const QString reason = fromBytes(read.message);
    if (!read.opened) return QStringLiteral("\"%1\" could not be opened:\r\n%2.").arg(title, reason);
    return QStringLiteral(
               "\"%1\" could not be read to the end:\r\n%2.\r\n"
               "The profile shows what was read before that.")
        .arg(title, reason);
}

}  // namespace

void Form1::File_New_Click()
{
    if (profile_.DataChanged) {
        const MessageAnswer answer = platform_.messageBox(unsavedChangesPrompt("    Clear anyway?"),
                                                          QStringLiteral("Data Not Saved"), MessageIcon::Question,
                                                          MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return;
    }
    setPointer(Pointer::Busy);
    profile_.SnapOn = False;
    Draw_Snap->setChecked(false);
    profile_.SpotColor = profile_.DefSpotColor;
    profile_.WaferColor = profile_.DefWaferColor;
    for (int i = 1; i <= profile_.PointCount; ++i) clearrow(i);
    profile_.PointCount = 0;
    resetPoints(profile_);
    profile_.FileTitle.clear();
    documentIsImport_ = false;
    setStatus(2, QStringLiteral("Untitled"));
    File_Save->setEnabled(false);
    drawwafer();
    profile_.DataChanged = False;
    grdData->setRows(2);
    setPointer(Pointer::Default);
}

void Form1::File_Open_Click()
{
    const std::optional<FileChoice> choice = platform_.fileDialog(profileDialog(profile_, false));
    if (!choice) return;

    setPointer(Pointer::Busy);
    profile_.FileTitle = toFileSystem(choice->title);
    profile_.FilePath = toFileSystem(choice->path);
    documentIsImport_ = false;
    for (int i = 1; i <= profile_.PointCount; ++i) clearrow(i);
    // A read that stops before the point count leaves no point rather than one at the centre.
    resetPoints(profile_);
    profile_.PointCount = 0;
    const ReadResult read = readprofileFile(profile_, profile_.FilePath);
    descript->setText(fromBytes(profile_.Description));

    setStatus(2, choice->title);
    drawwafer();
    redrawall();
    updategrid();
    profile_.DataChanged = False;
    setPointer(Pointer::Default);

    // What was read stays; the user learns that the rest is missing and why.
    if (!read.ok)
        platform_.messageBox(readFailureText(choice->title, read), QStringLiteral("Solvane"), MessageIcon::Exclamation,
                             MessageButtons::Ok);
}

void Form1::File_Save_Click()
{
    if (profile_.PointCount <= 0) return;
    if (profile_.FileTitle.empty()) {
        saveProfileAs();
        return;
    }
    // The document names the file it was imported from: never write a profile over it.
    if (documentIsImport_) {
        File_SaveAs_Click();
        return;
    }
    if (writeProfileTo(FileChoice{fromFileSystem(profile_.FilePath), fromFileSystem(profile_.FileTitle)}))
        File_Save->setEnabled(true);
}

void Form1::File_SaveAs_Click()
{
    if (profile_.PointCount <= 0) return;
    if (saveProfileAs()) File_Save->setEnabled(true);
}

bool Form1::saveProfileAs()
{
    const std::optional<FileChoice> choice = platform_.fileDialog(profileDialog(profile_, true));
    if (!choice) return false;
    return writeProfileTo(*choice);
}

bool Form1::writeProfileTo(const FileChoice& file)
{
    setPointer(Pointer::Busy);
    const WriteResult written = writeprofile(profile_, toFileSystem(file.path));
    setPointer(Pointer::Default);
    if (!written.ok) {
        // The document keeps its name and its unsaved state: the user must know the profile is not on disk.
        platform_.messageBox(
            QStringLiteral("The profile was not saved to \"%1\":\r\n%2.").arg(file.path, fromBytes(written.message)),
            QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    profile_.FileTitle = toFileSystem(file.title);
    profile_.FilePath = toFileSystem(file.path);
    documentIsImport_ = false;
    setStatus(2, file.title);
    profile_.DataChanged = False;
    return true;
}

void Form1::File_Exit_Click() { close(); }

bool Form1::Form_Unload()
{
    if (profile_.DataChanged) {
        const MessageAnswer answer = platform_.messageBox(unsavedChangesPrompt("    Quit anyway?"),
                                                          QStringLiteral("Data Not Saved"), MessageIcon::Question,
                                                          MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return false;
    }
    // Start-up places the window relative to the screen's work area: store it the same way, so that
    // it comes back where it was.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint(0, 0);
    const QRect frame = geometry();
    const WindowPlacement current{pxToTwips(frame.left() - origin.x()), pxToTwips(frame.top() - origin.y()),
                                  pxToTwips(frame.width()), pxToTwips(frame.height())};
    savesettings(profile_, platform_.settings(), current);
    return true;
}

}  // namespace solvane
