// The main window's in-place cell editing of the point table: one edit box laid over the current
// cell, committed into the point list when the table takes the focus back or the current cell moves.
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <cmath>

#include "mainwindow/form1.h"
#include "model/pointlist.h"
#include "render/qttext.h"
#include "render/waferdrawing.h"
#include "table/flexgrid.h"
#include "text/numtext.h"
#include "undo/undohistory.h"
#include "view/waferview.h"

namespace solvane {

namespace {

constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
constexpr int KeyUp = 38;
constexpr int KeyDown = 40;
constexpr int AsciiBackspace = 8;
constexpr int AsciiMinus = 45;
constexpr int AsciiPoint = 46;

bool isDigit(int ascii) { return ascii >= '0' && ascii <= '9'; }

// The box is open exactly while it is shown (also before the window itself is shown).
bool isOpen(const QLineEdit& box) { return !box.isHidden(); }

// The row below the last point, where a typed value becomes a new point.
int entryRow(const Profile& profile) { return profile.PointCount + 1; }

// Edits open on a value cell of a point row or of the entry row: the fixed cells and the blank
// rows kept below the entry row name no slot of the list.
bool isEditableCell(const FlexGrid& grid, const Profile& profile)
{
    return grid.Col() >= 1 && grid.Col() <= 2 && grid.Row() >= 1 && grid.Row() <= entryRow(profile);
}

// Counts the entry row's slot as a new point and writes its row, which also numbers the new entry
// row below. The caller has made sure the store has room.
void appendEntryRowPoint(Form1& form)
{
    Profile& profile = form.profile();
    ++profile.PointCount;
    profile.DataChanged = True;
    FlexGrid& grid = form.grid();
    if (grid.Rows() < profile.PointCount + 2) grid.setRows(profile.PointCount + 2);
    form.updaterow(profile.PointCount);
}

// The undo step of a commit in the current row: a new point on the entry row, an edit above it.
QString cellStepText(const FlexGrid& grid, const Profile& profile)
{
    return QString::fromLatin1(grid.Row() == entryRow(profile) ? "Add Point %1" : "Edit Point %1").arg(grid.Row());
}

// A cell's text as written with the user's decimal separator.
double cellNumber(const QString& text, char separator)
{
    std::string bytes = toBytes(text);
    for (char& c : bytes)
        if (c == separator) c = '.';
    return leadingNumber(bytes);
}

// Key codes the box's key-down handling acts on; 0 for every other key.
int editKeyCode(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyEnter;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Down: return KeyDown;
    default: return 0;
    }
}

// The character a key types into the box, or -1 for keys that type none (caret moves, Delete).
int typedCharacter(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Backspace) return AsciiBackspace;
    // Tab moves the focus on and Delete removes text: neither types a character (some platforms
    // still attach one to them).
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete) return -1;
    // A paste would bring in characters the filter never lets through one at a time.
    if (key.matches(QKeySequence::Paste)) return 22;
    const QString text = key.text();
    if (text.size() != 1) return -1;
    return text.at(0).unicode();
}

}  // namespace

void Form1::MSFlexGridEdit(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyAscii)
{
    if (!isEditableCell(MSflexgrid, profile_)) return;
    if (KeyAscii == AsciiMinus || isDigit(KeyAscii)) {
        edt.setText(QString(QChar(KeyAscii)));
        edt.setCursorPosition(1);
    } else {
        edt.setText(MSflexgrid.Text());
        edt.setCursorPosition(edt.text().size());
    }
    const QRect cell = MSflexgrid.currentCellRect();
    QWidget* host = edt.parentWidget();
    const QPoint topLeft = host ? host->mapFromGlobal(MSflexgrid.mapToGlobal(cell.topLeft())) : cell.topLeft();
    edt.setGeometry(QRect(topLeft, cell.size()));
    edt.show();
    edt.raise();
    edt.setFocus();
}

void Form1::EditKeyCode(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyCode, int /*Shift*/)
{
    const UndoStep step(*undo_, cellStepText(MSflexgrid, profile_));
    // The table's focus handler commits. Focus events may come later (an inactive window) or not at
    // all (the table had the focus): then commit here, once; the hidden box stops a second run.
    const auto focusTable = [&] {
        MSflexgrid.setFocus();
        if (isOpen(edt)) grdData_GotFocus();
    };
    switch (KeyCode) {
    case KeyEnter: focusTable(); break;
    case KeyEscape:
        edt.hide();
        focusTable();
        break;
    case KeyUp:
        focusTable();
        platform_.doEvents();
        if (MSflexgrid.Row() > MSflexgrid.FixedRows()) MSflexgrid.setRow(MSflexgrid.Row() - 1);
        break;
    case KeyDown:
        focusTable();
        platform_.doEvents();
        // The commit has already appended a value typed on the entry row; still on it means the
        // store was full and the commit said so.
        if (MSflexgrid.Row() == entryRow(profile_) && hasRoomForPoint(profile_)) {
            appendEntryRowPoint(*this);
            redrawall();
        }
        MSflexgrid.setRow(MSflexgrid.Row() + 1);
        break;
    default: break;
    }
}

void Form1::checkrange()
{
    const float v = limitedCellValue(profile_, grdData->Col(), leadingNumber(toBytes(txtedit->text())));
    txtedit->setText(formatted(v, "##0.00", decimalSeparator()));
}

void Form1::grdData_KeyPress(int KeyAscii)
{
    if (!isEditableCell(*grdData, profile_)) return;
    setPointer(Pointer::Text);
    MSFlexGridEdit(*grdData, *txtedit, KeyAscii);
}

void Form1::grdData_DblClick() { MSFlexGridEdit(*grdData, *txtedit, ' '); }

void Form1::grdData_GotFocus()
{
    if (!isOpen(*txtedit)) return;
    grdData_LeaveCell();
    setPointer(Pointer::Default);
}

void Form1::grdData_LeaveCell()
{
    if (!isOpen(*txtedit)) return;
    const UndoStep step(*undo_, cellStepText(*grdData, profile_));
    const int row = grdData->Row();
    const int col = grdData->Col();
    // A command that shortened the list can leave the box over a row that names no slot any more.
    if (row < 1 || row > entryRow(profile_) || col < 1 || col > 2) {
        txtedit->hide();
        return;
    }
    const bool appends = row == entryRow(profile_);
    if (appends && !hasRoomForPoint(profile_)) {
        txtedit->hide();
        roomForOneMorePoint();
        return;
    }

    checkrange();
    grdData->setText(txtedit->text());
    setPointValue(profile_, row, col, cellNumber(grdData->Text(), decimalSeparator()));
    profile_.DataChanged = True;
    txtedit->hide();
    if (appends) appendEntryRowPoint(*this);
    redrawall();
}

void Form1::grdData_EnterCell()
{
    const int row = grdData->Row();
    const bool pointRow = row >= 1 && row <= profile_.PointCount;
    drawSpotsHighlighting(pointRow && grdData->Col() != 0 ? row : 0);

    if (!pointRow) {
        setStatus(1, QString());
        return;
    }
    const char separator = decimalSeparator();
    const PointRec& point = profile_.Points[static_cast<std::size_t>(row)];
    const std::string readOut = "R " + formatNumber(point.R, "##0.00", separator) + " Theta " +
                                formatNumber(point.Theta, "##0.0", separator) + "  X  " +
                                formatNumber(point.X, "##0.00", separator) + " Y " +
                                formatNumber(point.Y, "##0.00", separator);
    setStatus(1, fromBytes(readOut));
}

void Form1::drawSpotsHighlighting(int row)
{
    WaferSurface& surface = Picture1->surface();
    if (spotsPicture_.isCurrent(surface, profile_)) {
        // Redrawing every spot over this picture gives the kept one: show that instead, unless
        // nothing was drawn since it was kept (as right after a full redraw).
        if (!spotsPicture_.isShown(surface)) surface.restore(spotsPicture_.picture());
    } else {
        drawing().drawallspots();
        rememberSpotsPicture();
    }
    if (row >= 1 && row <= profile_.PointCount) {
        const PointRec& point = profile_.Points[static_cast<std::size_t>(row)];
        WaferDrawing painter = drawing();
        WaferSurface::Batch batch(surface);
        painter.drawspot(point.R, point.Theta, Red, Black);
        painter.drawnumber(point.R, point.Theta, row);
    }
    spotsPicture_.highlighted(surface);
    Picture1->update();
}

void Form1::rememberSpotsPicture()
{
    // A diameter that spans no scale draws nothing: there is no picture to keep.
    if (!(profile_.WaferDiameter > 0.0 && std::isfinite(profile_.WaferDiameter))) return;
    spotsPicture_.keep(Picture1->surface(), profile_);
}

void Form1::grdData_KeyDown(int KeyCode)
{
    if (KeyCode != KeyDown) return;
    const UndoStep step(*undo_, cellStepText(*grdData, profile_));
    if (grdData->Row() == entryRow(profile_)) {
        if (!roomForOneMorePoint()) return;
        appendEntryRowPoint(*this);
        redrawall();
    }
    grdData->setRow(grdData->Row() + 1);
}

void Form1::txtedit_KeyDown(int KeyCode) { EditKeyCode(*grdData, *txtedit, KeyCode, 0); }

int Form1::txtedit_KeyPress(int KeyAscii)
{
    if (KeyAscii == AsciiPoint || KeyAscii == AsciiBackspace || isDigit(KeyAscii)) return KeyAscii;
    return 0;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == descript && event->type() == QEvent::ShortcutOverride) return leaveUndoKeysToTheWindow(*event);
    if (watched != txtedit || event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (const int code = editKeyCode(key)) {
        txtedit_KeyDown(code);
        return true;
    }
    const int typed = typedCharacter(key);
    if (typed < 0) return false;
    return txtedit_KeyPress(typed) == 0;
}

}  // namespace solvane
