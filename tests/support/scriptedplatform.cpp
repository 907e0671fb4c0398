#include "scriptedplatform.h"

#include <QPrinter>
#include <QtGlobal>

namespace solvane {

namespace {

const char* describe(MessageButtons buttons)
{
    return buttons == MessageButtons::Ok ? "OK" : buttons == MessageButtons::OkCancel ? "OK/Cancel" : "Yes/No";
}

// What a user who dismisses the box without deciding gets.
MessageAnswer safeAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::Ok         ? MessageAnswer::Ok
           : buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel
                                                 : MessageAnswer::No;
}

bool fits(MessageAnswer answer, MessageButtons buttons)
{
    if (buttons == MessageButtons::YesNo) return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    return answer == MessageAnswer::Ok || (buttons == MessageButtons::OkCancel && answer == MessageAnswer::Cancel);
}

// The next scripted answer, or none when the queue is empty.
template <typename T>
std::optional<T> take(std::deque<T>& queue)
{
    std::optional<T> answer;
    if (queue.empty()) return answer;
    answer.emplace(std::move(queue.front()));
    queue.pop_front();
    return answer;
}

}  // namespace

void ScriptedPlatform::fail(const QString& what)
{
    s_.failures.append(what);
    qWarning("ScriptedPlatform: %s", qPrintable(what));
}

MessageAnswer ScriptedPlatform::messageBox(const QString& text, const QString& title, MessageIcon icon,
                                           MessageButtons buttons)
{
    s_.messages.push_back(Message{text, title, icon, buttons});
    const std::optional<MessageAnswer> answer = take(s_.messageAnswers);
    if (!answer)
        fail(QStringLiteral("unscripted message box \"%1\" (title \"%2\", %3)").arg(text, title, describe(buttons)));
    else if (!fits(*answer, buttons))
        fail(QStringLiteral("scripted answer does not fit the %1 message box \"%2\"").arg(describe(buttons), text));
    else
        return *answer;
    return safeAnswer(buttons);
}

std::optional<FileChoice> ScriptedPlatform::fileDialog(const FileDialogRequest& request)
{
    s_.fileRequests.push_back(request);
    const auto answer = take(s_.fileAnswers);
    if (!answer) fail(QStringLiteral("unscripted file dialog \"%1\"").arg(request.title));
    return answer.value_or(std::nullopt);
}

std::uint32_t ScriptedPlatform::chooseColour(std::uint32_t preset)
{
    s_.colourPresets.push_back(preset);
    const auto answer = take(s_.colourAnswers);
    if (!answer) fail(QStringLiteral("unscripted colour chooser (preset 0x%1)").arg(preset, 8, 16, QLatin1Char('0')));
    return answer.value_or(preset);
}

bool ScriptedPlatform::printerDialog(QPrinter& printer)
{
    if (!pdfPath_.isEmpty()) printer.setOutputFileName(pdfPath_);
    const auto answer = take(s_.printerAnswers);
    if (!answer) fail(QStringLiteral("unscripted printer dialog"));
    return answer.value_or(false);
}

std::optional<int> ScriptedPlatform::askWholeNumber(const QString& title, const QString&, int, int, int)
{
    const auto answer = take(s_.numberAnswers);
    if (!answer) fail(QStringLiteral("unscripted number prompt \"%1\"").arg(title));
    return answer.value_or(std::nullopt);
}

QString ScriptedPlatform::boxes() const
{
    static const char* const icons[] = {"None", "Critical", "Question", "Exclamation", "Information"};
    static const char* const buttons[] = {"Ok", "OkCancel", "YesNo"};
    QStringList lines;
    for (const Message& m : s_.messages)
        lines << QStringLiteral("%1|%2|%3|%4")
                     .arg(m.title, QLatin1String(icons[static_cast<int>(m.icon)]),
                          QLatin1String(buttons[static_cast<int>(m.buttons)]), m.text);
    return lines.join(QLatin1Char('\n'));
}

QString ScriptedPlatform::scriptReport() const
{
    QStringList lines = s_.failures;
    const std::pair<std::size_t, const char*> unused[] = {{s_.messageAnswers.size(), "message answer(s)"},
                                                          {s_.fileAnswers.size(), "file choice(s)"},
                                                          {s_.colourAnswers.size(), "colour choice(s)"},
                                                          {s_.printerAnswers.size(), "printer answer(s)"},
                                                          {s_.numberAnswers.size(), "number answer(s)"}};
    for (const auto& [count, what] : unused)
        if (count) lines.append(QStringLiteral("%1 %2 not used").arg(count).arg(QLatin1String(what)));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace solvane
