#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace solvane {

class FlexGrid;
class WindowServices;
struct Profile;

// The point table of the window (grdData): one row a point under a header row, the entry row below
// the last point, and in-place editing through one edit box (txtedit) laid over the current cell,
// committed into the point list when the table takes the focus back or the current cell moves.
class PointTable : public QObject {
    Q_OBJECT
public:
    PointTable(WindowServices& window, QWidget* parent);

    FlexGrid& grid() { return *grdData; }
    QLineEdit& editBox() { return *txtedit; }

    // The columns for the window's font, two rows, and the edit box empty.
    void initgrid();

    // Display: the table rewritten from the point list.
    void updategrid();
    void updaterow(int row);
    void clearrow(int row);
    // clearrow of rows 1 to last, announced to the table as one change.
    void clearrows(int last);
    void resetgrid(int n);
    // The last point of the list appended: its row written, the entry row numbered below it.
    void showAppendedPoint();
    // Row's two value cells showing a position being dragged there.
    void showDraggedPosition(int row, const QString& first, const QString& second);
    // Closes an open edit box without committing it (a step of the history replaced the list).
    void dropCellEdit();
    // Commits an open edit box into the point list, as leaving the cell does.
    void commitCellEdit();

    // In-place cell editing.
    void MSFlexGridEdit(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyAscii);
    void EditKeyCode(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyCode, int Shift);
    void checkrange();

    // Table and edit box events.
    void grdData_KeyPress(int KeyAscii);
    void grdData_DblClick();
    void grdData_GotFocus();
    void grdData_LeaveCell();
    void grdData_EnterCell();
    void grdData_KeyDown(int KeyCode);
    // Shift: 1 with the Shift key (Shift+Tab moves back).
    void txtedit_KeyDown(int KeyCode, int Shift = 0);
    // Returns the character to keep, 0 to discard it.
    int txtedit_KeyPress(int KeyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // updaterow with the decimal separator given (updategrid asks the locale once for all rows).
    void writeRow(int row, char separator);
    // Counts the entry row's slot as a new point and shows it. The caller has made sure the store has room.
    void appendEntryRowPoint();
    // Makes the entry row's first value cell current.
    void moveToEntryRow();

    WindowServices& window_;
    Profile& profile_;
    FlexGrid* grdData;
    QLineEdit* txtedit;
};

}  // namespace solvane
