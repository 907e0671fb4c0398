#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "platform/platform.h"
#include "settings/settingsstore.h"

namespace solvane {

// A Platform for tests: every prompt takes its answer from a queue the test fills beforehand, and
// every request is recorded. A prompt with no scripted answer is recorded as a failure, warned
// about, and answered with the safe choice (Cancel, No, no file, the preset colour, printer
// cancelled); check it with SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED at the end of the test.
// Nothing here runs timers or nested event loops.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
    };

    // --- Scripting: answers are used in the order they are queued.
    void answerMessage(MessageAnswer answer) { messageAnswers_.push_back(answer); }
    void chooseFile(const QString& path);
    void cancelFileDialog() { fileAnswers_.push_back(std::nullopt); }
    void chooseColourAnswer(std::uint32_t colour) { colourAnswers_.push_back(colour); }
    // The user closes the colour chooser without choosing: the preset comes back.
    void closeColourChooser() { colourAnswers_.push_back(std::nullopt); }
    void answerPrinterDialog(bool ok) { printerAnswers_.push_back(ok); }
    void setProgramDir(const QString& dir) { programDir_ = dir; }
    void setSearchPath(const QString& path) { searchPath_ = path; }

    // --- Records.
    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<std::uint32_t>& colourPresets() const { return colourPresets_; }
    int printerDialogCount() const { return printerDialogCount_; }
    const QString& clipboardText() const { return clipboardText_; }
    const QStringList& helpRequests() const { return helpRequests_; }
    const std::vector<Pointer>& pointerChanges() const { return pointerChanges_; }
    Pointer pointer() const { return pointerChanges_.empty() ? Pointer::Default : pointerChanges_.back(); }
    int doEventsCount() const { return doEventsCount_; }
    MemorySettingsStore& memoryStore() { return store_; }

    // Prompts nobody scripted, and scripted answers that did not fit their prompt.
    const QStringList& failures() const { return failures_; }
    // Scripted answers still waiting for their prompt.
    int unusedAnswers() const;
    // One line per failure and per unused answer; empty when every prompt went as scripted.
    QString scriptReport() const;
    // Forgets records and queues (between cases of one test).
    void clear();

    // --- Platform.
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    std::optional<FileChoice> fileDialog(const FileDialogRequest& request) override;
    std::uint32_t chooseColour(std::uint32_t preset) override;
    bool printerDialog(QPrinter& printer) override;
    void setClipboardText(const QString& text) override { clipboardText_ = text; }
    void showHelp(const QString& helpFilePath) override { helpRequests_.append(helpFilePath); }
    SettingsStore& settings() override { return store_; }
    void setPointer(Pointer pointer) override { pointerChanges_.push_back(pointer); }
    void doEvents() override { ++doEventsCount_; }
    QString programDir() const override { return programDir_; }
    QString searchPath() const override { return searchPath_; }

private:
    void fail(const QString& what);

    std::deque<MessageAnswer> messageAnswers_;
    std::deque<std::optional<FileChoice>> fileAnswers_;
    std::deque<std::optional<std::uint32_t>> colourAnswers_;
    std::deque<bool> printerAnswers_;

    std::vector<Message> messages_;
    std::vector<FileDialogRequest> fileRequests_;
    std::vector<std::uint32_t> colourPresets_;
    int printerDialogCount_ = 0;
    QString clipboardText_;
    QStringList helpRequests_;
    std::vector<Pointer> pointerChanges_;
    int doEventsCount_ = 0;
    QStringList failures_;

    MemorySettingsStore store_;
    QString programDir_ = QStringLiteral("/opt/solvane");
    QString searchPath_;
};

}  // namespace solvane

// Fails the calling test function when a prompt went unscripted or a scripted answer was not used.
#define SOLVANE_VERIFY_ALL_PROMPTS_SCRIPTED(platform) \
    QVERIFY2((platform).scriptReport().isEmpty(), qPrintable((platform).scriptReport()))
