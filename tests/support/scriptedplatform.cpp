#include "scriptedplatform.h"

#include <QFileInfo>
#include <QtGlobal>

namespace solvane {

namespace {

QString describe(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QStringLiteral("OK");
    case MessageButtons::OkCancel: return QStringLiteral("OK/Cancel");
    case MessageButtons::YesNo: return QStringLiteral("Yes/No");
    }
    return {};
}

bool fits(MessageAnswer answer, MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel: return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo: return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    }
    return false;
}

// What a user who dismisses the box without deciding gets.
MessageAnswer safeAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::OkCancel: return MessageAnswer::Cancel;
    case MessageButtons::YesNo: return MessageAnswer::No;
    }
    return MessageAnswer::Cancel;
}

}  // namespace

void ScriptedPlatform::chooseFile(const QString& path)
{
    fileAnswers_.push_back(FileChoice{path, QFileInfo(path).fileName()});
}

void ScriptedPlatform::fail(const QString& what)
{
    failures_.append(what);
    qWarning("ScriptedPlatform: %s", qPrintable(what));
}

MessageAnswer ScriptedPlatform::messageBox(const QString& text, const QString& title, MessageIcon icon,
                                           MessageButtons buttons)
{
    messages_.push_back(Message{text, title, icon, buttons});
    if (messageAnswers_.empty()) {
        fail(QStringLiteral("unscripted message box \"%1\" (title \"%2\", %3)").arg(text, title, describe(buttons)));
        return safeAnswer(buttons);
    }
    const MessageAnswer answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    if (!fits(answer, buttons)) {
        fail(QStringLiteral("scripted answer does not fit the %1 message box \"%2\"").arg(describe(buttons), text));
        return safeAnswer(buttons);
    }
    return answer;
}

std::optional<FileChoice> ScriptedPlatform::fileDialog(const FileDialogRequest& request)
{
    fileRequests_.push_back(request);
    if (fileAnswers_.empty()) {
        fail(QStringLiteral("unscripted file dialog \"%1\"").arg(request.title));
        return std::nullopt;
    }
    const std::optional<FileChoice> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

std::uint32_t ScriptedPlatform::chooseColour(std::uint32_t preset)
{
    colourPresets_.push_back(preset);
    if (colourAnswers_.empty()) {
        fail(QStringLiteral("unscripted colour chooser (preset 0x%1)").arg(preset, 8, 16, QLatin1Char('0')));
        return preset;
    }
    const std::optional<std::uint32_t> answer = colourAnswers_.front();
    colourAnswers_.pop_front();
    return answer.value_or(preset);
}

bool ScriptedPlatform::printerDialog(QPrinter&)
{
    ++printerDialogCount_;
    if (printerAnswers_.empty()) {
        fail(QStringLiteral("unscripted printer dialog"));
        return false;
    }
    const bool ok = printerAnswers_.front();
    printerAnswers_.pop_front();
    return ok;
}

int ScriptedPlatform::unusedAnswers() const
{
    return static_cast<int>(messageAnswers_.size() + fileAnswers_.size() + colourAnswers_.size() +
                            printerAnswers_.size());
}

QString ScriptedPlatform::scriptReport() const
{
    QStringList lines = failures_;
    if (!messageAnswers_.empty())
        lines.append(QStringLiteral("%1 message answer(s) not used").arg(messageAnswers_.size()));
    if (!fileAnswers_.empty()) lines.append(QStringLiteral("%1 file choice(s) not used").arg(fileAnswers_.size()));
    if (!colourAnswers_.empty())
        lines.append(QStringLiteral("%1 colour choice(s) not used").arg(colourAnswers_.size()));
    if (!printerAnswers_.empty())
        lines.append(QStringLiteral("%1 printer answer(s) not used").arg(printerAnswers_.size()));
    return lines.join(QLatin1Char('\n'));
}

void ScriptedPlatform::clear()
{
    messageAnswers_.clear();
    fileAnswers_.clear();
    colourAnswers_.clear();
    printerAnswers_.clear();
    messages_.clear();
    fileRequests_.clear();
    colourPresets_.clear();
    printerDialogCount_ = 0;
    clipboardText_.clear();
    helpRequests_.clear();
    pointerChanges_.clear();
    doEventsCount_ = 0;
    failures_.clear();
}

}  // namespace solvane
