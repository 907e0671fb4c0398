#pragma once

#include <QWidget>

#include "render/wafersurface.h"

namespace solvane {

// The wafer drawing pane (Picture1): shows its persistent surface, at the screen's device pixel
// ratio, and reports mouse events in the surface's user coordinates (mm, y upwards, wafer centre at
// 0, 0).
class WaferView : public QWidget {
    Q_OBJECT
public:
    explicit WaferView(QWidget* parent = nullptr);

    WaferSurface& surface() { return surface_; }

    // Widget pixel position of a user position, for tests and the edit placement.
    QPoint toWidget(double x, double y) const;

signals:
    // The picture no longer fits the pane: the palette changed (system colours resolve anew) or the
    // window moved to a screen of another pixel density (the surface starts blank). The owner redraws.
    void redrawNeeded();
    void mouseDown(float x, float y);
    void mouseMove(float x, float y);
    void mouseUp(float x, float y);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF userPosition(QPointF widgetPosition) const;

    WaferSurface surface_;
};

}  // namespace solvane
