#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QStaticText>
#include <QTransform>
#include <memory>
#include <vector>

namespace solvane {

// The drawing surface of the wafer view: a persistent image with a user coordinate system in mm
// (set by the user coordinates of its top-left and bottom-right corners). Everything drawn stays in
// the image until the next clear, so covering and repainting the window loses nothing. It paints
// with no window too, which is how the command-line renderer draws.
// Pixels here are logical pixels, a window's: the image holds devicePixelRatio device pixels to each
// of them, so that on a screen of twice the density spots and numbers are drawn at its full density.
class WaferSurface {
public:
    explicit WaferSurface(QSize pixels = QSize(1, 1), qreal devicePixelRatio = 1.0);
    // A surface of the given size that paints straight onto a vector device (an SVG generator):
    // circles stay circles, and nothing is kept in the image. The device outlives the surface,
    // whose one painter ends, completing the device's output, when the surface is destroyed.
    WaferSurface(QPaintDevice& vectorDevice, QSize pixels);

    // New size in logical pixels; the image starts blank in the background colour.
    void resize(QSize pixels) { resize(pixels, devicePixelRatio_); }
    void resize(QSize pixels, qreal devicePixelRatio);
    QSize size() const { return size_; }
    qreal devicePixelRatio() const { return devicePixelRatio_; }
    // The image in device pixels, its device pixel ratio set.
    const QImage& image() const { return image_; }

    void clear(const QColor& background);

    // Changes whenever the picture does (drawn into, cleared, resized or restored): a caller that
    // kept a picture can tell whether the surface still shows it.
    quint64 generation() const { return generation_; }
    // Shows a picture taken earlier from image() again; it must have the surface's size and format.
    // Its pixels are copied into the surface's own image, which is never shared with the picture:
    // sharing would make the next drawing take a fresh copy of the whole image.
    void restore(const QImage& picture);
    void setScale(double left, double top, double right, double bottom);

    // Logical pixel position of a user position and back.
    QPointF toPixels(double x, double y) const;
    QPointF toUser(QPointF pixels) const;

    // Primitives in user coordinates; circles, boxes and lines are drawn without anti-aliasing.
    void circle(double cx, double cy, double radius, const QColor& outline, const QColor& fill);
    void box(double x1, double y1, double x2, double y2, const QColor& outline, const QColor& fill);
    void line(double x1, double y1, double x2, double y2, const QColor& colour);
    // One-pixel lines joining the user positions in turn (a path of thousands of lines draws far
    // quicker as one polyline than line by line).
    void polyline(const QPolygonF& userPoints, const QColor& colour);
    // A whole number (a spot's) with its top-left corner at (x, y).
    void number(double x, double y, int n, const QColor& colour);

    // Keeps one painter open over a batch of primitives (a full redraw draws thousands).
    class Batch {
    public:
        explicit Batch(WaferSurface& surface);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        WaferSurface& surface_;
        bool owner_;
    };

private:
    QPainter& painter();
    void endPainting();
    const QStaticText& numberText(int n);
    // A small circle drawn once into a transparent image, for stamping: thousands of spots and
    // dots are far quicker to copy than to fill one by one.
    const QImage& circleStamp(double radiusPx, const QColor& outline, const QColor& fill);

    struct Stamp {
        double radiusPx;
        QRgb outline;
        QRgb fill;
        QImage image;
    };

    QImage image_;
    QSize size_;
    qreal devicePixelRatio_ = 1.0;
    QPaintDevice* vectorDevice_ = nullptr;
    QTransform toPixels_;
    QTransform toUser_;
    std::unique_ptr<QPainter> painter_;
    int batchDepth_ = 0;
    quint64 generation_ = 0;
    QFont font_;
    std::vector<QStaticText> numberTexts_;  // laid out on first use, by number
    std::vector<Stamp> stamps_;
};

}  // namespace solvane
