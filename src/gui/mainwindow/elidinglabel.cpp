#include "mainwindow/elidinglabel.h"

#include <QResizeEvent>

namespace solvane {

void ElidingLabel::setFullText(const QString& text)
{
    fullText_ = text;
    setToolTip(text);
    updateGeometry();
    elide();
}

QSize ElidingLabel::sizeHint() const
{
    const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
    return {fontMetrics().horizontalAdvance(fullText_) + margins, QLabel::sizeHint().height()};
}

QSize ElidingLabel::minimumSizeHint() const { return {minimumWidth(), QLabel::minimumSizeHint().height()}; }

void ElidingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidingLabel::elide() { setText(fontMetrics().elidedText(fullText_, Qt::ElideMiddle, contentsRect().width())); }

}  // namespace solvane
