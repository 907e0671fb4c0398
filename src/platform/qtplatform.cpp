#include "platform/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <cstdlib>

#include "files/recoveryfile.h"
#include "platform/helpwindow.h"
#include "platform/qtsettingsstore.h"
#include "render/colours.h"
#include "render/qttext.h"

namespace solvane {

QStringList qtNameFilters(const QString& barSeparatedFilter)
{
    QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    // The list ends with a bar, which leaves one empty piece behind.
    if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();

    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        const QString pattern = i + 1 < parts.size() ? parts.at(i + 1).trimmed() : QStringLiteral("*");
        const QString qtPattern = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        // Qt reads the patterns from the parentheses at the end of the description, so the
        // description's own "(...)" is replaced by the pattern that really applies.
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open >= 0) description = description.left(open).trimmed();
        }
        if (description.isEmpty()) description = qtPattern;
        filters.append(description + QStringLiteral(" (") + qtPattern + QLatin1Char(')'));
    }
    return filters;
}

QString qtFileFilter(const QString& barSeparatedFilter)
{
    return qtNameFilters(barSeparatedFilter).join(QStringLiteral(";;"));
}

QtPlatform::QtPlatform() : store_(std::make_unique<QtSettingsStore>()) {}

QtPlatform::QtPlatform(std::unique_ptr<SettingsStore> store) : store_(std::move(store)) {}

QtPlatform::~QtPlatform() { delete helpWindow_.data(); }

MessageAnswer QtPlatform::messageBox(const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None: qtIcon = QMessageBox::NoIcon; break;
    case MessageIcon::Critical: qtIcon = QMessageBox::Critical; break;
    case MessageIcon::Question: qtIcon = QMessageBox::Question; break;
    case MessageIcon::Exclamation: qtIcon = QMessageBox::Warning; break;
    case MessageIcon::Information: qtIcon = QMessageBox::Information; break;
    }

    QMessageBox box(qtIcon, title, text, QMessageBox::NoButton, dialogParent_);
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    }

    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }
}

std::optional<FileChoice> QtPlatform::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent_, request.title, request.initialDir);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    QString suffix = request.defaultExt;
    if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (request.save) {
        // QFileDialog asks before replacing an existing file unless told not to.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }

    // A name typed without extension takes the one of the filter chosen, when that names one ("*.svg").
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        static const QRegularExpression singleExtension(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
        const QRegularExpressionMatch match = singleExtension.match(filter);
        if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    const QString path = QDir::toNativeSeparators(chosen.first());
    return FileChoice{path, QFileInfo(chosen.first()).fileName()};
}

std::uint32_t QtPlatform::chooseColour(std::uint32_t preset)
{
    const QPalette palette = dialogParent_ ? dialogParent_->palette() : QApplication::palette();
    const QColor chosen = QColorDialog::getColor(toQColor(preset, palette), dialogParent_);
    return chosen.isValid() ? fromQColor(chosen) : preset;
}

bool QtPlatform::printerDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, dialogParent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString QtPlatform::clipboardText() const { return QGuiApplication::clipboard()->text(); }

std::optional<int> QtPlatform::askWholeNumber(const QString& title, const QString& label, int value, int minimum,
                                              int maximum)
{
    bool ok = false;
    const int chosen = QInputDialog::getInt(dialogParent_, title, label, value, minimum, maximum, 1, &ok);
    if (!ok) return std::nullopt;
    return chosen;
}

void QtPlatform::showHelp(const QString& helpFilePath)
{
    if (!helpWindow_) {
        // A top-level window of its own, so the help stays open beside the main window.
        helpWindow_ = new HelpWindow(nullptr);
        helpWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    helpWindow_->showFile(helpFilePath);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void QtPlatform::setPointer(Pointer pointer)
{
    if (pointer == Pointer::Default) {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        return;
    }
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (pointer) {
    case Pointer::Default: shape = Qt::ArrowCursor; break;
    case Pointer::Cross: shape = Qt::CrossCursor; break;
    case Pointer::Text: shape = Qt::IBeamCursor; break;
    case Pointer::Busy: shape = Qt::WaitCursor; break;
    }
    // One override at most: the pointer is a setting, not a stack.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(shape));
    else
        QGuiApplication::setOverrideCursor(QCursor(shape));
}

void QtPlatform::doEvents() { QCoreApplication::processEvents(); }

QString QtPlatform::recoveryDir() const
{
    return fromFileSystem(recoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
}

QString QtPlatform::programDir() const { return QCoreApplication::applicationDirPath(); }

QString QtPlatform::searchPath() const { return QString::fromLocal8Bit(qgetenv("PATH")); }

}  // namespace solvane
