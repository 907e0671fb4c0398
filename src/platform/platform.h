#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QPrinter;
class QWidget;

namespace solvane {

class SettingsStore;

// Message box icons and button sets used by the program's fixed messages.
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Mouse pointer shapes of the main window: default, crosshair, text, busy.
enum class Pointer { Default, Cross, Text, Busy };

// What a caller fixes about an open or save file dialog. The filter is written in the
// "Description (*.ext)|*.ext|...|" form; the platform converts it to its own.
struct FileDialogRequest {
    QString pattern;     // e.g. "*.waf"
    QString defaultExt;  // with or without the leading dot
    QString filter;      // "Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|"
    QString initialDir;
    QString title;
    bool save = false;
};

struct FileChoice {
    QString path;   // full path
    QString title;  // file name without folder
};

// The one interface through which the GUI reaches the platform: message boxes, common
// dialogs, printer, clipboard, help viewer, settings store, pointer shape and event yield.
// The Qt implementation is QtPlatform; tests use a scripted double.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons) = 0;

    // Nothing when the user cancels.
    virtual std::optional<FileChoice> fileDialog(const FileDialogRequest& request) = 0;

    // Opens the colour chooser preset with the given colour (0x00BBGGRR or a system-colour
    // reference); returns the chosen colour, or the preset when the user closes it without choosing.
    virtual std::uint32_t chooseColour(std::uint32_t preset) = 0;

    // Shows the printer dialog for printer; false when the user cancels.
    virtual bool printerDialog(QPrinter& printer) = 0;

    virtual void setClipboardText(const QString& text) = 0;
    // The clipboard's plain text; empty when it holds none.
    virtual QString clipboardText() const = 0;

    // Asks for a whole number from minimum to maximum, preset with value; nothing when the user cancels.
    virtual std::optional<int> askWholeNumber(const QString& title, const QString& label, int value, int minimum,
                                              int maximum) = 0;

    // Opens the help file at its contents.
    virtual void showHelp(const QString& helpFilePath) = 0;

    virtual SettingsStore& settings() = 0;

    virtual void setPointer(Pointer pointer) = 0;

    // Lets pending window events run once.
    virtual void doEvents() = 0;

    // The user's folder for the recovery copy of unsaved work; empty when there is none.
    virtual QString recoveryDir() const = 0;

    // Folder of the program file and the PATH environment variable, for the help lookup.
    virtual QString programDir() const = 0;
    virtual QString searchPath() const = 0;
};

}  // namespace solvane
