#include "table/pointtable.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QStyle>
#include <charconv>
#include <cmath>

#include "model/pointlist.h"
#include "platform/platform.h"
#include "render/qttext.h"
#include "table/flexgrid.h"
#include "text/numtext.h"
#include "undo/undohistory.h"
#include "window/windowservices.h"

namespace solvane {

namespace {

constexpr int KeyTab = 9;
constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;
constexpr int KeyUp = 38;
constexpr int KeyDown = 40;
constexpr int AsciiBackspace = 8;
constexpr int AsciiMinus = 45;
constexpr int AsciiPoint = 46;
// Room around a cell's text so the widest value stays readable.
constexpr int CellPaddingPx = 8;

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

// The undo step of a commit in the current row: a new point on the entry row, an edit above it.
QString cellStepText(const FlexGrid& grid, const Profile& profile)
{
    return QString::fromLatin1(grid.Row() == entryRow(profile) ? "Add Point %1" : "Edit Point %1").arg(grid.Row());
}

// A value as the table shows it: in the pattern, or beyond ten digits in the exponent form, which
// keeps a huge typed value from filling the cell and the status bar with digits.
std::string cellText(double value, std::string_view pattern, char separator)
{
    if (std::abs(value) < 1e10) return formatNumber(value, pattern, separator);
    std::string text = generalNumber(value, 7);
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

QLatin1StringView latin1(std::string_view bytes)
{
    return QLatin1StringView(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A row number in "###0" is its plain decimal digits.
void setRowNumber(FlexGrid& grid, int row)
{
    char digits[12];
    const char* const end = std::to_chars(digits, digits + sizeof digits, row).ptr;
    grid.setTextMatrix(row, 0, latin1(std::string_view(digits, static_cast<std::size_t>(end - digits))));
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
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KeyTab;
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

PointTable::PointTable(WindowServices& window, QWidget* parent)
    : QObject(parent),
      window_(window),
      profile_(window.profile()),
      grdData(new FlexGrid(parent)),
      txtedit(new QLineEdit(parent))
{
    connect(grdData, &FlexGrid::leaveCell, this, &PointTable::grdData_LeaveCell);
    connect(grdData, &FlexGrid::enterCell, this, &PointTable::grdData_EnterCell);
    connect(grdData, &FlexGrid::keyPress, this, &PointTable::grdData_KeyPress);
    connect(grdData, &FlexGrid::keyDown, this, &PointTable::grdData_KeyDown);
    connect(grdData, &FlexGrid::dblClick, this, &PointTable::grdData_DblClick);
    connect(grdData, &FlexGrid::gotFocus, this, &PointTable::grdData_GotFocus);

    txtedit->setObjectName(QStringLiteral("txtedit"));
    txtedit->hide();
    txtedit->installEventFilter(this);
}

void PointTable::initgrid()
{
    grdData->setCols(3);
    const QFontMetrics metrics = grdData->parentWidget()->fontMetrics();
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("8888")) + CellPaddingPx;
    const int valueWidth = metrics.horizontalAdvance(QStringLiteral("888.88888")) + CellPaddingPx;
    grdData->setColumnWidth(0, numberWidth);
    grdData->setColumnWidth(1, valueWidth);
    grdData->setColumnWidth(2, valueWidth);
    grdData->setColAlignment(0, Qt::AlignCenter);
    grdData->setColAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    grdData->setColAlignment(2, Qt::AlignLeft | Qt::AlignVCenter);
    grdData->setRows(2);
    // Room for the columns, the frame and a vertical scroll bar once the list outgrows the pane.
    grdData->resize(numberWidth + 2 * valueWidth + 2 * grdData->frameWidth() +
                        grdData->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                    grdData->height());
    txtedit->clear();
}

void PointTable::clearrow(int row)
{
    setRowNumber(*grdData, row);
    grdData->setTextMatrix(row, 1, QString());
    grdData->setTextMatrix(row, 2, QString());
}

void PointTable::clearrows(int last)
{
    FlexGrid::BulkUpdate bulk(*grdData);
    for (int row = 1; row <= last; ++row) clearrow(row);
}

void PointTable::updaterow(int row) { writeRow(row, localeDecimalSeparator()); }

void PointTable::writeRow(int row, char separator)
{
    if (row < 0 || row > MaxPoints) return;  // outside the point store: nothing to show
    const PointRec& point = profile_.Points[static_cast<std::size_t>(row)];
    setRowNumber(*grdData, row);
    if (profile_.PolarSys) {
        grdData->setTextMatrix(row, 1, latin1(cellText(point.R, "0.00", separator)));
        grdData->setTextMatrix(row, 2, latin1(cellText(point.Theta, "##0.0", separator)));
    } else if (profile_.RectSys) {
        grdData->setTextMatrix(row, 1, latin1(cellText(point.X, "0.00", separator)));
        grdData->setTextMatrix(row, 2, latin1(cellText(point.Y, "0.00", separator)));
    }
    if (row == profile_.PointCount) clearrow(row + 1);
}

void PointTable::updategrid()
{
    window_.platform().setPointer(Pointer::Busy);
    // The entry row is numbered by the row writes below, so the count is not written into it.
    if (profile_.TableRows > profile_.PointCount)
        grdData->setRows(profile_.TableRows + 2);
    else
        grdData->setRows(profile_.PointCount + 2);

    grdData->setRow(0);
    grdData->setCol(1);
    grdData->setText(profile_.PolarSys ? QStringLiteral("R(mm)") : QStringLiteral("X (mm)"));
    grdData->setCol(2);
    grdData->setText(profile_.PolarSys ? QStringLiteral("Theta") : QStringLiteral("Y (mm)"));

    {
        FlexGrid::BulkUpdate bulk(*grdData);
        // The locale is asked once for the whole table, not once a row.
        const char separator = localeDecimalSeparator();
        for (int i = 1; i <= profile_.PointCount; ++i) writeRow(i, separator);
        if (profile_.PointCount == 0) clearrow(1);
        // Kept blank rows, and the last row below them, carry their numbers.
        for (int j = profile_.PointCount + 1; j <= profile_.TableRows + 1; ++j) clearrow(j);
    }
    window_.platform().setPointer(Pointer::Default);
    profile_.DataChanged = True;

    grdData->setCol(0);
    grdData->setRow(0);
    grdData->setText(QString());
    moveToEntryRow();
}

void PointTable::moveToEntryRow()
{
    // The header names no point and takes no typing: what is typed after a refresh starts a new point.
    grdData->setCol(1);
    grdData->setRow(entryRow(profile_));
}

void PointTable::resetgrid(int n)
{
    window_.platform().setPointer(Pointer::Busy);
    clearrows(n);
    grdData->setCol(1);
    grdData->setRow(0);
    grdData->setText(profile_.PolarSys ? QStringLiteral("R(mm)") : QStringLiteral("X (mm)"));
    grdData->setCol(2);
    grdData->setText(profile_.PolarSys ? QStringLiteral("Theta") : QStringLiteral("Y (mm)"));
    moveToEntryRow();
    window_.platform().setPointer(Pointer::Default);
}

void PointTable::showAppendedPoint()
{
    if (grdData->Rows() < profile_.PointCount + 2) grdData->setRows(profile_.PointCount + 2);
    updaterow(profile_.PointCount);
}

void PointTable::showDraggedPosition(int row, const QString& first, const QString& second)
{
    grdData->setCol(1);
    grdData->setRow(row);
    grdData->setText(first);
    grdData->setCol(2);
    grdData->setText(second);
}

void PointTable::dropCellEdit() { txtedit->hide(); }

void PointTable::appendEntryRowPoint()
{
    ++profile_.PointCount;
    profile_.DataChanged = True;
    showAppendedPoint();
}

void PointTable::MSFlexGridEdit(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyAscii)
{
    if (!isEditableCell(MSflexgrid, profile_)) return;
    if (KeyAscii == AsciiMinus || isDigit(KeyAscii)) {
        edt.setText(QString(QChar(KeyAscii)));
        edt.setCursorPosition(1);
    } else {
        edt.setText(MSflexgrid.Text());
        edt.end(false);
    }
    const QRect cell = MSflexgrid.currentCellRect();
    QWidget* host = edt.parentWidget();
    const QPoint topLeft = host ? host->mapFromGlobal(MSflexgrid.mapToGlobal(cell.topLeft())) : cell.topLeft();
    edt.setGeometry(QRect(topLeft, cell.size()));
    edt.show();
    edt.raise();
    edt.setFocus();
}

void PointTable::EditKeyCode(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyCode, int Shift)
{
    const UndoStep step(window_.undoHistory(), cellStepText(MSflexgrid, profile_));
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
        window_.platform().doEvents();
        if (MSflexgrid.Row() > MSflexgrid.FixedRows()) MSflexgrid.setRow(MSflexgrid.Row() - 1);
        break;
    case KeyDown:
        focusTable();
        window_.platform().doEvents();
        // The commit has already appended a value typed on the entry row; still on it means the
        // store was full and the commit said so.
        if (MSflexgrid.Row() == entryRow(profile_) && hasRoomForPoint(profile_)) {
            appendEntryRowPoint();
            window_.redrawall();
        }
        MSflexgrid.setRow(MSflexgrid.Row() + 1);
        break;
    case KeyTab: {
        // On to the next value cell, or back with Shift, row by row; the header stays out of reach.
        focusTable();
        window_.platform().doEvents();
        const int row = MSflexgrid.Row();
        const bool back = Shift != 0;
        if (MSflexgrid.Col() == (back ? 2 : 1)) {
            MSflexgrid.setCol(back ? 1 : 2);
        } else if (back ? row > 1 : row + 1 < MSflexgrid.Rows()) {
            MSflexgrid.setCol(back ? 2 : 1);
            MSflexgrid.setRow(row + (back ? -1 : 1));
        }
        break;
    }
    default: break;
    }
}

void PointTable::checkrange()
{
    const char separator = localeDecimalSeparator();
    const float v = limitedCellValue(profile_, grdData->Col(), cellNumber(txtedit->text(), separator));
    txtedit->setText(fromBytes(cellText(v, "##0.00", separator)));
}

void PointTable::grdData_KeyPress(int KeyAscii)
{
    if (!isEditableCell(*grdData, profile_)) return;
    MSFlexGridEdit(*grdData, *txtedit, KeyAscii);
}

void PointTable::grdData_DblClick() { MSFlexGridEdit(*grdData, *txtedit, ' '); }

void PointTable::grdData_GotFocus()
{
    if (!isOpen(*txtedit)) return;
    grdData_LeaveCell();
    window_.platform().setPointer(Pointer::Default);
}

void PointTable::grdData_LeaveCell()
{
    if (!isOpen(*txtedit)) return;
    const UndoStep step(window_.undoHistory(), cellStepText(*grdData, profile_));
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
        window_.roomForOneMorePoint();
        return;
    }

    checkrange();
    grdData->setText(txtedit->text());
    setPointValue(profile_, row, col, cellNumber(grdData->Text(), localeDecimalSeparator()));
    profile_.DataChanged = True;
    txtedit->hide();
    if (appends) appendEntryRowPoint();
    window_.redrawall();
}

void PointTable::grdData_EnterCell()
{
    const int row = grdData->Row();
    const bool pointRow = row >= 1 && row <= profile_.PointCount;
    window_.highlightPoint(pointRow && grdData->Col() != 0 ? row : 0);

    if (!pointRow) {
        window_.setStatus(QString());
        return;
    }
    const char separator = localeDecimalSeparator();
    const PointRec& point = profile_.Points[static_cast<std::size_t>(row)];
    const std::string readOut = "R " + formatNumber(point.R, "##0.00", separator) + " Theta " +
                                formatNumber(point.Theta, "##0.0", separator) + "  X  " +
                                formatNumber(point.X, "##0.00", separator) + " Y " +
                                formatNumber(point.Y, "##0.00", separator);
    window_.setStatus(fromBytes(readOut));
}

void PointTable::grdData_KeyDown(int KeyCode)
{
    if (KeyCode != KeyDown) return;
    const UndoStep step(window_.undoHistory(), cellStepText(*grdData, profile_));
    if (grdData->Row() == entryRow(profile_)) {
        if (!window_.roomForOneMorePoint()) return;
        appendEntryRowPoint();
        window_.redrawall();
    }
    grdData->setRow(grdData->Row() + 1);
}

void PointTable::txtedit_KeyDown(int KeyCode, int Shift) { EditKeyCode(*grdData, *txtedit, KeyCode, Shift); }

void PointTable::commitCellEdit()
{
    if (isOpen(*txtedit)) grdData_LeaveCell();
}

int PointTable::txtedit_KeyPress(int KeyAscii)
{
    // The point, or the separator the table shows (a decimal comma).
    if (KeyAscii == AsciiPoint || KeyAscii == localeDecimalSeparator() || KeyAscii == AsciiBackspace ||
        isDigit(KeyAscii))
        return KeyAscii;
    return 0;
}

bool PointTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtedit || event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (const int code = editKeyCode(key)) {
        txtedit_KeyDown(code, key.key() == Qt::Key_Backtab || key.modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0);
        return true;
    }
    const int typed = typedCharacter(key);
    if (typed < 0) return false;
    return txtedit_KeyPress(typed) == 0;
}

}  // namespace solvane
