#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <vector>

#include "platform/platform.h"
#include "settings/settingsstore.h"

namespace solvane {

// A Platform for tests: prompts take their answers from queues filled beforehand and every request is
// recorded. An unscripted prompt is a failure, answered with the safe choice (Cancel, No, no file, the
// preset colour, printer cancelled); check with SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED. No event loops.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text, title;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
    };

    // --- Scripting: answers are used in the order they are queued.
    void answerMessage(MessageAnswer answer) { s_.messageAnswers.push_back(answer); }
    void chooseFile(const QString& path) { s_.fileAnswers.push_back(FileChoice{path, QFileInfo(path).fileName()}); }
    void cancelFileDialog() { s_.fileAnswers.push_back(std::nullopt); }
    void chooseColourAnswer(std::uint32_t colour) { s_.colourAnswers.push_back(colour); }
    void answerPrinterDialog(bool ok) { s_.printerAnswers.push_back(ok); }
    // A printer dialog answered OK prints to this PDF file, as "Print to File" would.
    void printTo(const QString& pdfPath) { pdfPath_ = pdfPath; }
    // A whole number for the next askWholeNumber; nothing cancels it.
    void answerWholeNumber(std::optional<int> number) { s_.numberAnswers.push_back(number); }
    void setProgramDir(const QString& dir) { programDir_ = dir; }
    void setSearchPath(const QString& path) { searchPath_ = path; }
    // Every later save of the settings fails with reason.
    void failSettingsSave(const std::string& reason) { store_.failure = reason; }

    // --- Records.
    const std::vector<Message>& messages() const { return s_.messages; }
    const std::vector<FileDialogRequest>& fileRequests() const { return s_.fileRequests; }
    const std::vector<std::uint32_t>& colourPresets() const { return s_.colourPresets; }
    const QStringList& helpRequests() const { return s_.helpRequests; }
    const std::vector<Pointer>& pointerChanges() const { return s_.pointerChanges; }
    Pointer pointer() const { return s_.pointerChanges.empty() ? Pointer::Default : s_.pointerChanges.back(); }
    int doEventsCount() const { return s_.doEventsCount; }
    MemorySettingsStore& memoryStore() { return store_; }
    int settingsSaves() const { return store_.saves; }
    // Every message box shown so far, one a line: "title|icon|buttons|text" (icon and buttons by name).
    QString boxes() const;

    // One line per unscripted prompt, misfit answer and unused answer; empty when all went as scripted.
    QString scriptReport() const;
    // Forgets records and queues (between cases of one test).
    void clear() { s_ = Session{}; }

    // --- Platform.
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    std::optional<FileChoice> fileDialog(const FileDialogRequest& request) override;
    std::uint32_t chooseColour(std::uint32_t preset) override;
    bool printerDialog(QPrinter& printer) override;
    void setClipboardText(const QString& text) override { s_.clipboardText = text; }
    QString clipboardText() const override { return s_.clipboardText; }
    std::optional<int> askWholeNumber(const QString& title, const QString& label, int value, int minimum,
                                      int maximum) override;
    void showHelp(const QString& helpFilePath) override { s_.helpRequests.append(helpFilePath); }
    SettingsStore& settings() override { return store_; }
    void setPointer(Pointer pointer) override { s_.pointerChanges.push_back(pointer); }
    void doEvents() override { ++s_.doEventsCount; }
    // A folder of this platform's own, so that windows built on it share their recovery copy.
    QString recoveryDir() const override { return recoveryDir_.path(); }
    QString programDir() const override { return programDir_; }
    QString searchPath() const override { return searchPath_; }

private:
    void fail(const QString& what);

    // Queued answers and records; clear() starts them afresh.
    struct Session {
        std::deque<MessageAnswer> messageAnswers;
        std::deque<std::optional<FileChoice>> fileAnswers;
        std::deque<std::uint32_t> colourAnswers;
        std::deque<bool> printerAnswers;
        std::deque<std::optional<int>> numberAnswers;
        std::vector<Message> messages;
        std::vector<FileDialogRequest> fileRequests;
        std::vector<std::uint32_t> colourPresets;
        QString clipboardText;
        QStringList helpRequests;
        std::vector<Pointer> pointerChanges;
        int doEventsCount = 0;
        QStringList failures;
    } s_;

    // A memory store that counts its saves and fails them when told to.
    struct Store : MemorySettingsStore {
        std::optional<std::string> save() override
        {
            ++saves;
            return failure;
        }
        int saves = 0;
        std::optional<std::string> failure;
    } store_;
    QTemporaryDir recoveryDir_;
    QString programDir_ = QStringLiteral("/opt/solvane");
    QString searchPath_;
    QString pdfPath_;
};

}  // namespace solvane

// Fails the calling test function when a prompt went unscripted or a scripted answer was not used.
#define SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(platform) \
    QVERIFY2((platform).scriptReport().isEmpty(), qPrintable((platform).scriptReport()))
