#pragma once

#include <QPointer>
#include <memory>

#include "platform/platform.h"

namespace solvane {

class HelpWindow;

// "Wafer File (*.waf)|*.waf|All Files (*.*)|*.*|" -> {"Wafer File (*.waf)", "All Files (*.*)"}: one Qt name
// filter per description and pattern pair. Several patterns ("*.waf;*.map") become a space-separated list.
QStringList qtNameFilters(const QString& barSeparatedFilter);

// The same filters joined as QFileDialog takes them: "Wafer File (*.waf);;All Files (*.*)".
QString qtFileFilter(const QString& barSeparatedFilter);

// The Platform on Qt Widgets: QMessageBox, QFileDialog, QColorDialog, QPrintDialog, QInputDialog, the
// application clipboard and override cursor, an in-program help window and the QSettings store.
// Dialogs are parented to the dialog parent, which the main window sets once it exists.
class QtPlatform : public Platform {
public:
    // Uses the user's own settings store.
    QtPlatform();
    // Uses the given store (tests, a store on an explicit file).
    explicit QtPlatform(std::unique_ptr<SettingsStore> store);
    ~QtPlatform() override;

    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // The window over which dialogs and message boxes are shown.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    std::optional<FileChoice> fileDialog(const FileDialogRequest& request) override;
    std::uint32_t chooseColour(std::uint32_t preset) override;
    bool printerDialog(QPrinter& printer) override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() const override;
    std::optional<int> askWholeNumber(const QString& title, const QString& label, int value, int minimum,
                                      int maximum) override;
    void showHelp(const QString& helpFilePath) override;
    SettingsStore& settings() override { return *store_; }
    void setPointer(Pointer pointer) override;
    void doEvents() override;
    QString recoveryDir() const override;
    QString programDir() const override;
    QString searchPath() const override;

private:
    std::unique_ptr<SettingsStore> store_;
    QPointer<QWidget> dialogParent_;
    QPointer<HelpWindow> helpWindow_;
};

}  // namespace solvane
