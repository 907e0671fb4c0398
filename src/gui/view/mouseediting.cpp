#include "view/mouseediting.h"

#include <QShortcut>
#include <QWidget>
#include <cmath>

#include "model/conversions.h"
#include "model/pointlist.h"
#include "model/snap.h"
#include "platform/platform.h"
#include "render/qttext.h"
#include "text/numtext.h"
#include "undo/undohistory.h"
#include "window/windowservices.h"

namespace solvane {

namespace {

// A position in the profile frame with its polar pair and the rectangular pair taken back from it.
struct PointerPosition {
    double r;
    float theta;
    double xAgain;
    double yAgain;
};

PointerPosition pointerPosition(float x, float y)
{
    const double r = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y);
    const float theta = xyarctan(x, y);
    const double a = static_cast<double>(theta) * Pi / 180.0;
    return {r, theta, r * std::cos(a), r * std::sin(a)};
}

// A read-out field: padded with blanks, then cut to its width, so a long number loses its tail.
QString field(const QString& text, int blanks, int kept)
{
    return (text + QString(blanks, QLatin1Char(' '))).left(kept);
}

QString readOut(const PointerPosition& at, char separator)
{
    return field(QStringLiteral("R ") + formatted(at.r, "##0.00", separator), 10, 10) +
           field(QStringLiteral("Theta ") + formatted(at.theta, "##0.0", separator), 8, 15) +
           field(QStringLiteral("X ") + formatted(at.xAgain, "##0.0", separator), 4, 10) +
           field(QStringLiteral("Y ") + formatted(at.yAgain, "##0.0", separator), 4, 7);
}

// Where point i lies in the profile frame, from its polar pair (the drawing places it the same way).
struct Position {
    double x;
    double y;
};

Position pointPosition(const PointRec& point)
{
    const double a = static_cast<double>(point.Theta) * Pi / 180.0;
    return {point.R * std::cos(a), point.R * std::sin(a)};
}

QString pointNumber(int n) { return QString::fromStdString(generalNumber(n)); }

}  // namespace

MouseEditing::MouseEditing(WindowServices& window)
    : window_(window),
      profile_(window.profile()),
      escape_(new QShortcut(QKeySequence(Qt::Key_Escape), window.dialogParent()))
{
    escape_->setEnabled(false);
    QObject::connect(escape_, &QShortcut::activated, escape_, [this] { putHeldSpotBack(); });
}

void MouseEditing::showPointer()
{
    window_.platform().setPointer(Pointer::Default);
    window_.showCrossOnDrawing(CursorMode == 2);
}

void MouseEditing::holdSpot(int i)
{
    Dragging = i != 0 ? True : False;
    DragPoint = static_cast<std::int16_t>(i);
    escape_->setEnabled(i != 0);
}

void MouseEditing::letGoOfHeldSpot() { holdSpot(0); }

void MouseEditing::putHeldSpotBack()
{
    if (DragPoint == 0) return;
    window_.updaterow(DragPoint);
    window_.setStatus(QString());
    holdSpot(0);
}

void MouseEditing::Picture1_MouseMove(float X, float Y)
{
    viewtoprofile(X, Y);
    MouseX = X;
    MouseY = Y;
    const PointerPosition at = pointerPosition(X, Y);
    const double h = profile_.BeamDiameter / 2.0;

    if (at.r <= profile_.WaferDiameter / 2.0 - profile_.EdgeExclusion) {
        CursorMode = 2;
        if (Dragging == False) {
            window_.setStatus(readOut(at, localeDecimalSeparator()));
        } else if (std::abs(MouseX + GrabDX - DragX) > h || std::abs(MouseY + GrabDY - DragY) > h) {
            window_.setStatus(QStringLiteral(" Point ") + pointNumber(DragPoint) +
                              QStringLiteral(" is being dragged, release mouse to reposition "));
            // The row follows the spot with one decimal; the point itself changes on release.
            const PointerPosition spot = pointerPosition(X + GrabDX, Y + GrabDY);
            const char separator = localeDecimalSeparator();
            if (profile_.PolarSys) {
                window_.showDraggedPosition(DragPoint, formatted(spot.r, "##0.0", separator),
                                            formatted(spot.theta, "##0.0", separator));
            } else if (profile_.RectSys) {
                window_.showDraggedPosition(DragPoint, formatted(spot.xAgain, "##0.0", separator),
                                            formatted(spot.yAgain, "##0.0", separator));
            }
        }
    } else {
        CursorMode = 0;
        if (Dragging != False)
            window_.setStatus(QStringLiteral("Release Mouse to Erase Point ") + pointNumber(DragPoint));
    }
    showPointer();
}

void MouseEditing::Picture1_MouseDown(float X, float Y)
{
    // A value half typed into the table is committed as its own step first: never into the new point.
    window_.commitCellEdit();
    const UndoStep step(window_.undoHistory(), QStringLiteral("Add Point %1").arg(profile_.PointCount + 1));
    viewtoprofile(X, Y);
    MouseX = X;
    MouseY = Y;
    holdSpot(0);
    const double h = profile_.BeamDiameter / 2.0;

    // Only a press after a move inside the usable area edits anything.
    if (CursorMode != 2) {
        showPointer();
        return;
    }

    window_.platform().setPointer(Pointer::Busy);
    // No early exit: where spots overlap, the highest-numbered one (drawn on top) is taken.
    int hit = 0;
    for (int i = 1; i <= profile_.PointCount; ++i) {
        const Position p = pointPosition(profile_.Points[static_cast<std::size_t>(i)]);
        if (std::abs(X - p.x) < h && std::abs(Y - p.y) < h) hit = i;
    }
    holdSpot(hit);

    if (Dragging != False) {
        window_.setCurrentRow(DragPoint);
        // Every spot again, the held one in red with its number.
        window_.highlightPoint(DragPoint);
        const Position start = pointPosition(profile_.Points[static_cast<std::size_t>(DragPoint)]);
        DragX = static_cast<float>(start.x);
        DragY = static_cast<float>(start.y);
        // The spot moves with the pointer from where it was grabbed, not centred on it.
        GrabDX = DragX - X;
        GrabDY = DragY - Y;
    } else {
        // A full store refuses the click and keeps everything as it was.
        if (!hasRoomForPoint(profile_)) {
            showPointer();
            window_.roomForOneMorePoint();
            return;
        }
        if (profile_.SnapOn) {
            snappoint(profile_, MouseX, MouseY);
            X = MouseX;
            Y = MouseY;
        }
        profile_.PointCount = static_cast<std::int16_t>(profile_.PointCount + 1);
        const int n = profile_.PointCount;
        placePoint(profile_.Points[static_cast<std::size_t>(n)], X, Y);
        window_.drawpoint(n);
        window_.showAppendedPoint();
        profile_.DataChanged = True;
        window_.setCurrentRow(n);
    }
    showPointer();
}

void MouseEditing::Picture1_MouseUp(float X, float Y)
{
    const UndoStep step(window_.undoHistory(),
                        QString::fromLatin1(CursorMode == 2 ? "Move Point %1" : "Delete Point %1").arg(DragPoint));
    viewtoprofile(X, Y);
    const double h = profile_.BeamDiameter / 2.0;
    const float spotX = X + GrabDX;
    const float spotY = Y + GrabDY;

    if (DragPoint != 0 && CursorMode == 2) {
        // A release within half a beam of the start was a plain click: it only selected the spot.
        if (std::abs(spotX - DragX) > h || std::abs(spotY - DragY) > h) {
            PointRec& point = profile_.Points[static_cast<std::size_t>(DragPoint)];
            window_.drawspot(point.R, point.Theta, profile_.WaferColor, profile_.WaferColor);
            placePoint(point, spotX, spotY);
            window_.drawspot(point.R, point.Theta, profile_.SpotColor, Black);
            window_.drawnumber(point.R, point.Theta, DragPoint);
            window_.updaterow(DragPoint);
            profile_.DataChanged = True;
            // Erasing the old spot cut into its neighbours, their numbers, the grid and the path.
            window_.redrawall();
            showPointer();
        }
    } else if (DragPoint != 0) {
        // Dropped off the usable area: the point goes, as with the Delete command, unasked.
        window_.setCurrentRow(DragPoint);
        window_.deletepoint();
    }
    holdSpot(0);
}

}  // namespace solvane
