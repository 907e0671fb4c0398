#include "view/waferview.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace solvane {

WaferView::WaferView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.resize(size(), devicePixelRatioF());
}

QPoint WaferView::toWidget(double x, double y) const
{
    const QPointF pixels = surface_.toPixels(x, y);
    return {static_cast<int>(std::floor(pixels.x())), static_cast<int>(std::floor(pixels.y()))};
}

QPointF WaferView::userPosition(QPointF widgetPosition) const
{
    // The centre of the pixel under the pointer.
    return surface_.toUser(widgetPosition + QPointF(0.5, 0.5));
}

void WaferView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) emit redrawNeeded();
}

void WaferView::paintEvent(QPaintEvent*)
{
    // Moved to a screen of another density: the picture is drawn again at the new one first.
    if (surface_.devicePixelRatio() != devicePixelRatioF()) {
        surface_.resize(size(), devicePixelRatioF());
        emit redrawNeeded();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.image());
}

void WaferView::resizeEvent(QResizeEvent*)
{
    // The owner resizes the surface and redraws when it lays out; this covers any other resize.
    if (surface_.size() != size()) surface_.resize(size(), devicePixelRatioF());
}

void WaferView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = userPosition(event->position());
    emit mouseDown(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void WaferView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = userPosition(event->position());
    emit mouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void WaferView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = userPosition(event->position());
    emit mouseUp(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

}  // namespace solvane
