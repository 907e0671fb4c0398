#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QStaticText>
#include <QTransform>
#include <memory>
#include <optional>
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

    // The pixels of part of the image, to be put back with restore.
    struct SavedArea {
        QPoint at;  // in device pixels
        QImage pixels;
    };
    // Saves the image's pixels inside area (device pixels, clipped to the image).
    SavedArea save(const QRect& area) const;
    // Puts saved pixels back where they were taken; nothing when the image has been resized since.
    void restore(const SavedArea& saved);
    // The device pixels that circle and number may change when drawn at the same arguments: put
    // back, they take such a drawing away again.
    QRect circleArea(double cx, double cy, double radius) const;
    QRect numberArea(double x, double y, int n);

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
    // A circle at each centre in turn, each followed by its number (1 for the first), every later
    // one drawn over the earlier: the same picture as circle and number in that order.
    void numberedCircles(const QPolygonF& centres, double radius, const QColor& outline, const QColor& fill,
                         const QColor& text);

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
    // A number drawn with its top-left corner at a pixel position.
    void numberAt(QPainter& p, QPointF at, int n);
    // The device pixels inside the image that a shape with these bounds (pixels) may change.
    QRect deviceArea(const QRectF& pixels) const;

    // A small circle drawn once into a transparent image, for stamping: thousands of spots and
    // dots are far quicker to copy than to fill one by one.
    struct Stamp {
        double radiusPx;
        QRgb outline;
        QRgb fill;
        QImage image;
    };
    // The stamp for a circle of this radius at the surface's scale, or null when the circle is drawn
    // as a shape (an ellipse, a large circle, or a vector device).
    const Stamp* stampFor(double radius, const QColor& outline, const QColor& fill);
    const Stamp& circleStamp(double radiusPx, const QColor& outline, const QColor& fill);
    // The device pixel of a stamp's top-left corner for a circle centred at a pixel position; false
    // when the centre is too far off to touch the image (or is not a number). No optional: one
    // passed back is read wide from the narrow stores that made it, which waits for them.
    bool stampCorner(QPointF centre, const Stamp& stamp, QPoint& corner) const;
    // A circle centred at a pixel position: the stamp given, else a shape.
    void circleAt(QPainter& p, QPointF centre, double radius, const QColor& outline, const QColor& fill,
                  const Stamp* stamp);

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
    std::vector<std::optional<QStaticText>> numberTexts_;  // laid out on first use, by number
    std::vector<Stamp> stamps_;
};

}  // namespace solvane
