#include "dialogs/dialogplacement.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>

namespace solvane {

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

char localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    const QChar first = point.isEmpty() ? QLatin1Char('.') : point.front();
    // The number formats are single-byte; a separator outside Latin-1 falls back to the point.
    return first.unicode() < 0x100 ? static_cast<char>(first.toLatin1()) : '.';
}

}  // namespace solvane
