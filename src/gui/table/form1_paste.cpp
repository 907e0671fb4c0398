// The main window's Paste: points appended from the clipboard's text.
#include <QAction>
#include <QMenu>

#include "mainwindow/form1.h"
#include "model/pastedpoints.h"
#include "render/qttext.h"
#include "undo/undohistory.h"

namespace solvane {

void Form1::addPasteItem(QMenu* edit)
{
    Edit_Paste = addMenuItem(edit, "Edit_Paste", QStringLiteral("&Paste"), &Form1::Edit_Paste_Click);
    Edit_Paste->setShortcut(QKeySequence::Paste);
}

void Form1::Edit_Paste_Click()
{
    const UndoStep step(*undo_, QStringLiteral("Paste"));
    const PastedText pasted = parsePastedPoints(toBytes(platform_.clipboardText()), decimalSeparator());
    if (pasted.pairs.empty()) {
        setStatus(1, QStringLiteral("The clipboard holds no points (two numbers a line)."));
        return;
    }
    if (!roomForOneMorePoint()) return;

    const int appended = appendPastedPoints(profile_, pasted.pairs);
    redrawall();
    updategrid();
    QString summary = QStringLiteral("%1 point(s) pasted").arg(appended);
    if (pasted.skippedLines > 0) summary += QStringLiteral(", %1 line(s) skipped").arg(pasted.skippedLines);
    const auto leftOut = static_cast<int>(pasted.pairs.size()) - appended;
    if (leftOut > 0) summary += QStringLiteral(", %1 left out: the profile is full").arg(leftOut);
    setStatus(1, summary + QLatin1Char('.'));
    if (leftOut > 0) roomForOneMorePoint();
}

}  // namespace solvane
