#pragma once

#include <QString>

#include "model/profile.h"

class QDialog;
class QWidget;

namespace solvane {

class Platform;
class UndoHistory;
struct DocumentState;

// What the main window offers the parts it is made of (the table, the mouse editing, the command
// sets): the open profile, the refresh procedures of the drawing and the table, the status bar, the
// platform and the undo history. Parts reach the window and one another only through this.
class WindowServices {
public:
    virtual Profile& profile() = 0;
    virtual Platform& platform() = 0;
    virtual UndoHistory& undoHistory() = 0;
    // Shows a modal dialog parented to the window; tests answer it synchronously.
    virtual int showModal(QDialog& dialog) = 0;
    virtual QWidget* dialogParent() = 0;

    // The drawing.
    virtual void drawwafer() = 0;
    virtual void drawsnapgrid() = 0;
    virtual void redrawall() = 0;
    virtual void drawpoint(int i) = 0;
    virtual void drawspot(double R, float Theta, Colour fill, Colour outline) = 0;
    virtual void drawnumber(double R, float Theta, int n) = 0;
    // Every spot in SpotColor, then point row's spot in red (0: none), as a current-cell change shows it.
    virtual void highlightPoint(int row) = 0;
    virtual bool showsPath() const = 0;
    // The pointer over the drawing only: the crosshair over the usable area, the arrow elsewhere.
    virtual void showCrossOnDrawing(bool cross) = 0;
    virtual void setShowPath(bool show) = 0;
    // The scale of the drawing for a wafer diameter; the picture follows at the next redraw.
    virtual void setDrawingScale(double waferDiameter) = 0;

    // The point table.
    virtual void updategrid() = 0;
    virtual void updaterow(int row) = 0;
    virtual int currentRow() const = 0;
    virtual void setCurrentRow(int row) = 0;
    // Row's two value cells showing a position being dragged there, not yet the point's.
    virtual void showDraggedPosition(int row, const QString& first, const QString& second) = 0;
    // A point appended to the list: its row, and the entry row numbered below it.
    virtual void showAppendedPoint() = 0;
    // The point list emptied, and the table with it.
    virtual void emptyPointList() = 0;
    // Commits a value half typed into the table's edit box, as leaving the cell does.
    virtual void commitCellEdit() = 0;

    // Edit procedures other parts use: the current row's point deleted.
    virtual void deletepoint() = 0;

    // Status bar panel 1 (read-outs) and the path's length panel.
    virtual void setStatus(const QString& text) = 0;
    virtual void setPathStatus(const QString& text) = 0;
    // Menu states that follow the profile.
    virtual void setSnapChecked(bool on) = 0;
    virtual void setSortsEnabled(bool enabled) = 0;
    // Save's enabled state, the name in the status bar and the window title.
    virtual void showDocument(const DocumentState& state) = 0;
    virtual QString descriptionText() const = 0;
    virtual void setDescriptionText(const QString& text) = 0;

    // Refuses an addition beyond the store's capacity with a message; true when there is room.
    bool roomForOneMorePoint();

protected:
    ~WindowServices() = default;
};

}  // namespace solvane
