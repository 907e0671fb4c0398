#include "render/wafersurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace solvane {

WaferSurface::WaferSurface(QSize pixels, qreal devicePixelRatio)
{
    font_.setFamily(QStringLiteral("DejaVu Sans"));
    font_.setPixelSize(11);
    resize(pixels, devicePixelRatio);
}

WaferSurface::WaferSurface(QPaintDevice& vectorDevice, QSize pixels) : WaferSurface(pixels)
{
    vectorDevice_ = &vectorDevice;
}

void WaferSurface::resize(QSize pixels, qreal devicePixelRatio)
{
    endPainting();
    size_ = pixels.expandedTo(QSize(1, 1));
    devicePixelRatio_ = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    image_ = QImage(size_ * devicePixelRatio_, QImage::Format_RGB32);
    // The painter then draws in logical pixels, each devicePixelRatio device pixels wide.
    image_.setDevicePixelRatio(devicePixelRatio_);
    image_.fill(Qt::white);
    stamps_.clear();
    ++generation_;
}

void WaferSurface::clear(const QColor& background)
{
    if (vectorDevice_) {
        painter().fillRect(QRect(QPoint(0, 0), size_), background);
        return;
    }
    endPainting();
    image_.fill(background);
    ++generation_;
}

WaferSurface::SavedArea WaferSurface::save(const QRect& area) const
{
    const QRect inside = area & image_.rect();
    if (inside.isEmpty()) return {};
    return {inside.topLeft(), image_.copy(inside)};
}

void WaferSurface::restore(const SavedArea& saved)
{
    const QRect area(saved.at, saved.pixels.size());
    if (saved.pixels.isNull() || !image_.rect().contains(area) || saved.pixels.format() != image_.format()) return;
    endPainting();
    const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    for (int y = 0; y < area.height(); ++y)
        std::memcpy(image_.scanLine(area.y() + y) + area.x() * sizeof(QRgb), saved.pixels.constScanLine(y), rowBytes);
    ++generation_;
}

void WaferSurface::setScale(double left, double top, double right, double bottom)
{
    const double sx = size_.width() / (right - left);
    const double sy = size_.height() / (bottom - top);
    toPixels_ = QTransform(sx, 0, 0, sy, -left * sx, -top * sy);
    toUser_ = toPixels_.inverted();
}

QPointF WaferSurface::toPixels(double x, double y) const { return toPixels_.map(QPointF(x, y)); }

QPointF WaferSurface::toUser(QPointF pixels) const { return toUser_.map(pixels); }

QPainter& WaferSurface::painter()
{
    // Every primitive asks for the painter: the picture is about to change.
    ++generation_;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(vectorDevice_ ? vectorDevice_ : &image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setFont(font_);
    }
    return *painter_;
}

void WaferSurface::endPainting()
{
    if (vectorDevice_) return;  // one painter for the device's whole output
    if (painter_) painter_->end();
    painter_.reset();
}

namespace {

// Circles up to this radius in pixels (spots, snap dots) are stamped; larger ones (the wafer) are drawn.
constexpr double LargestStampRadiusPx = 64.0;

// Numbers laid out once and kept: every spot number of a full store, with room to spare.
constexpr int LargestKeptNumber = 9999;

}  // namespace

const WaferSurface::Stamp& WaferSurface::circleStamp(double radiusPx, const QColor& outline, const QColor& fill)
{
    // A redraw asks for the same two or three stamps thousands of times: a short list, no keys built.
    for (const Stamp& stamp : stamps_)
        if (stamp.radiusPx == radiusPx && stamp.outline == outline.rgba() && stamp.fill == fill.rgba()) return stamp;
    if (stamps_.size() > 64) stamps_.clear();
    // Drawn in device pixels, centred on the middle of its middle pixel.
    const int side = 2 * static_cast<int>(std::ceil(radiusPx * devicePixelRatio_)) + 3;
    QImage stamp(side, side, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    stamp.setDevicePixelRatio(devicePixelRatio_);
    QPainter p(&stamp);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(outline);
    p.setBrush(fill);
    const double middle = side / 2.0 / devicePixelRatio_;
    p.drawEllipse(QPointF(middle, middle), radiusPx, radiusPx);
    p.end();
    stamps_.push_back({radiusPx, outline.rgba(), fill.rgba(), stamp});
    return stamps_.back();
}

const WaferSurface::Stamp* WaferSurface::stampFor(double radius, const QColor& outline, const QColor& fill)
{
    const double rx = std::abs(radius * toPixels_.m11());
    const double ry = std::abs(radius * toPixels_.m22());
    if (vectorDevice_ || !(std::abs(rx - ry) < 0.01 && rx <= LargestStampRadiusPx)) return nullptr;
    return &circleStamp(rx, outline, fill);
}

bool WaferSurface::stampCorner(QPointF centre, const Stamp& stamp, QPoint& corner) const
{
    // A centre this far out touches no image, and its whole-pixel position would overflow an int.
    constexpr double FarOffPx = 1e6;
    if (!(std::abs(centre.x()) < FarOffPx && std::abs(centre.y()) < FarOffPx)) return false;
    // Stamped at a whole device pixel: at most half a device pixel from the exact centre.
    const int half = stamp.image.width() / 2;
    const double dpr = devicePixelRatio_;
    corner = QPoint(static_cast<int>(std::floor(centre.x() * dpr)) - half,
                    static_cast<int>(std::floor(centre.y() * dpr)) - half);
    return true;
}

void WaferSurface::circleAt(QPainter& p, QPointF centre, double radius, const QColor& outline, const QColor& fill,
                            const Stamp* stamp)
{
    if (stamp) {
        QPoint corner;
        if (stampCorner(centre, *stamp, corner)) p.drawImage(QPointF(corner) / devicePixelRatio_, stamp->image);
    } else {
        p.setPen(outline);
        p.setBrush(fill);
        p.drawEllipse(centre, std::abs(radius * toPixels_.m11()), std::abs(radius * toPixels_.m22()));
    }
}

void WaferSurface::circle(double cx, double cy, double radius, const QColor& outline, const QColor& fill)
{
    circleAt(painter(), toPixels(cx, cy), radius, outline, fill, stampFor(radius, outline, fill));
    if (batchDepth_ == 0) endPainting();
}

QRect WaferSurface::deviceArea(const QRectF& pixels) const
{
    // Shapes, stamps and glyphs keep within a pixel or two of their bounds: a little more is taken.
    const double dpr = devicePixelRatio_;
    const double margin = 2.0 * dpr + 1.0;
    const QRectF device(pixels.topLeft() * dpr, pixels.bottomRight() * dpr);
    if (!(std::isfinite(device.left()) && std::isfinite(device.top()) && std::isfinite(device.right()) &&
          std::isfinite(device.bottom())))
        return image_.rect();
    const QRectF inside = device.normalized().adjusted(-margin, -margin, margin, margin) & QRectF(image_.rect());
    return inside.isEmpty() ? QRect() : inside.toAlignedRect() & image_.rect();
}

QRect WaferSurface::circleArea(double cx, double cy, double radius) const
{
    const QPointF centre = toPixels(cx, cy);
    const QPointF corner(std::abs(radius * toPixels_.m11()), std::abs(radius * toPixels_.m22()));
    return deviceArea(QRectF(centre - corner, centre + corner));
}

void WaferSurface::box(double x1, double y1, double x2, double y2, const QColor& outline, const QColor& fill)
{
    QPainter& p = painter();
    p.setPen(outline);
    p.setBrush(fill);
    p.drawRect(QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized());
    if (batchDepth_ == 0) endPainting();
}

void WaferSurface::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    QPainter& p = painter();
    p.setPen(colour);
    p.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    if (batchDepth_ == 0) endPainting();
}

namespace {

// Clips the segment a-b to [0, width - 1] x [0, height - 1] (Liang-Barsky); false when no part of it
// lies inside, or a position is not a finite number.
bool clipSegment(QPointF& a, QPointF& b, int width, int height)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y())) return false;
    const QPointF delta = b - a;
    const double p[4] = {-delta.x(), delta.x(), -delta.y(), delta.y()};
    const double q[4] = {a.x(), width - 1 - a.x(), a.y(), height - 1 - a.y()};
    double enter = 0.0;
    double leave = 1.0;
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0.0) {
            if (q[side] < 0.0) return false;
            continue;
        }
        const double t = q[side] / p[side];
        if (p[side] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave) return false;
    b = a + leave * delta;
    a = a + enter * delta;
    return true;
}

}  // namespace

void WaferSurface::polyline(const QPolygonF& userPoints, const QColor& colour)
{
    if (vectorDevice_) {  // a vector drawing keeps the path as one shape
        QPainter& p = painter();
        p.setPen(colour);
        p.drawPolyline(toPixels_.map(userPoints));
        return;
    }
    // Written straight into the image (RGB32, 32-bit pixels) with Bresenham's steps: thousands of
    // long lines across the wafer take the painter's stroker several milliseconds, this well under one.
    painter();  // counts as a change, and the painter's start has already detached a shared picture
    const QTransform toDevice = toPixels_ * QTransform::fromScale(devicePixelRatio_, devicePixelRatio_);
    const QRgb pixel = colour.rgb();
    const int width = image_.width();
    const int height = image_.height();
    uchar* const bits = image_.bits();
    const qsizetype bytesPerLine = image_.bytesPerLine();
    for (int i = 1; i < userPoints.size(); ++i) {
        QPointF from = toDevice.map(userPoints[i - 1]);
        QPointF to = toDevice.map(userPoints[i]);
        if (!clipSegment(from, to, width, height)) continue;
        int x = static_cast<int>(std::lround(from.x()));
        int y = static_cast<int>(std::lround(from.y()));
        const int endX = static_cast<int>(std::lround(to.x()));
        const int endY = static_cast<int>(std::lround(to.y()));
        const int dx = std::abs(endX - x);
        const int dy = -std::abs(endY - y);
        const int stepX = x < endX ? 1 : -1;
        const int stepY = y < endY ? 1 : -1;
        for (int error = dx + dy;;) {
            reinterpret_cast<QRgb*>(bits + y * bytesPerLine)[x] = pixel;
            if (x == endX && y == endY) break;
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x += stepX;
            }
            if (twice <= dx) {
                error += dx;
                y += stepY;
            }
        }
    }
    if (batchDepth_ == 0) endPainting();
}

const QStaticText& WaferSurface::numberText(int n)
{
    // Spot numbers repeat on every redraw: laying each out once keeps a full redraw quick.
    const auto at = static_cast<std::size_t>(n);
    if (at >= numberTexts_.size()) numberTexts_.resize(at + 1);
    // Told apart by the optional, not by the text: asking a QStaticText for it copies a string.
    std::optional<QStaticText>& laidOut = numberTexts_[at];
    if (!laidOut) {
        laidOut.emplace(QString::number(n));
        laidOut->setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut->prepare(QTransform(), font_);
    }
    return *laidOut;
}

QRect WaferSurface::numberArea(double x, double y, int n)
{
    const QSizeF size = n >= 0 && n <= LargestKeptNumber ? numberText(n).size()
                                                         : QFontMetricsF(font_).size(0, QString::number(n));
    return deviceArea(QRectF(toPixels(x, y), size));
}

void WaferSurface::numberAt(QPainter& p, QPointF at, int n)
{
    if (n >= 0 && n <= LargestKeptNumber)
        p.drawStaticText(at, numberText(n));
    else
        p.drawStaticText(at, QStaticText(QString::number(n)));  // never a spot's: not kept
}

void WaferSurface::number(double x, double y, int n, const QColor& colour)
{
    QPainter& p = painter();
    // Setting a pen builds one: skipped when the colour is already the painter's.
    if (p.pen().color() != colour) p.setPen(colour);
    numberAt(p, toPixels(x, y), n);
    if (batchDepth_ == 0) endPainting();
}

void WaferSurface::numberedCircles(const QPolygonF& centres, double radius, const QColor& outline, const QColor& fill,
                                   const QColor& text)
{
    // The stamp is looked up once for all of them.
    const Stamp* stamp = stampFor(radius, outline, fill);
    QPainter& p = painter();
    for (int i = 0; i < centres.size(); ++i) {
        const QPointF at = toPixels_.map(centres[i]);
        circleAt(p, at, radius, outline, fill, stamp);
        if (p.pen().color() != text) p.setPen(text);
        numberAt(p, at, i + 1);
    }
    if (batchDepth_ == 0) endPainting();
}

WaferSurface::Batch::Batch(WaferSurface& surface) : surface_(surface), owner_(surface.batchDepth_ == 0)
{
    ++surface_.batchDepth_;
}

WaferSurface::Batch::~Batch()
{
    --surface_.batchDepth_;
    if (owner_) surface_.endPainting();
}

}  // namespace solvane
