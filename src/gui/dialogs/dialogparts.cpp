#include "dialogs/dialogparts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
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

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QScrollBar* makeScrollBar(const char* name, int minimumWidth, QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setTracking(false);
    // A scroll bar inverts its keys so that Up moves a vertical bar toward its top (its minimum); on a
    // horizontal bar that also swaps Left and Right. These bars are values: Left and Down decrease,
    // Right and Up increase.
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setMinimumWidth(minimumWidth);
    return bar;
}

QHBoxLayout* makeOkCancelRow(QPushButton* ok, QPushButton* cancel, ButtonRowPlacement placement)
{
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    if (placement == ButtonRowPlacement::Centred) row->addStretch(1);
    return row;
}

}  // namespace solvane
