#pragma once

#include <QTableView>

#include "table/gridmodel.h"

namespace solvane {

// The point table control (grdData): a grid of cell texts with one fixed header row and one fixed
// number column, a current cell (Row, Col), and notifications around every change of the current
// cell: leaveCell before (Row and Col still name the cell being left) and enterCell after, whether
// the user or code makes the change. The grid itself is read-only; editing goes through an edit box
// laid over the current cell.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return model_.rows(); }
    void setRows(int rows);
    int Cols() const { return model_.cols(); }
    void setCols(int cols);
    int Row() const { return row_; }
    void setRow(int row);
    int Col() const { return col_; }
    void setCol(int col);
    int FixedRows() const { return 1; }

    // Text of the current cell.
    QString Text() const { return model_.text(row_, col_); }
    void setText(const QString& text) { model_.setText(row_, col_, text); }

    QString TextMatrix(int row, int col) const { return model_.text(row, col); }
    void setTextMatrix(int row, int col, const QString& text) { model_.setText(row, col, text); }
    void setTextMatrix(int row, int col, QLatin1StringView text) { model_.setText(row, col, text); }

    void setColAlignment(int col, Qt::Alignment alignment) { model_.setAlignment(col, alignment); }

    // Geometry of the current cell in the grid's own coordinates (for laying the edit box over it).
    QRect currentCellRect() const;

    // Collects the cell writes of a whole-table rebuild into one view update.
    class BulkUpdate {
    public:
        explicit BulkUpdate(FlexGrid& grid);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;

    private:
        FlexGrid& grid_;
    };

signals:
    void leaveCell();
    void enterCell();
    // A character typed while the grid has the focus (its character code; Enter gives 13).
    void keyPress(int keyAscii);
    // The Down arrow pressed while the grid has the focus (key code 40); the grid does not move itself.
    void keyDown(int keyCode);
    void dblClick();
    void gotFocus();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void moveTo(int row, int col);
    void syncViewCurrent();

    GridModel model_;
    int row_ = 0;
    int col_ = 0;
    bool syncing_ = false;
};

}  // namespace solvane
