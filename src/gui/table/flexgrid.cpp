#include "table/flexgrid.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace solvane {

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("grdData"));
    setModel(&model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // A model reset (row count change, bulk rebuild) drops the view's current index: put it back.
    connect(&model_, &QAbstractItemModel::modelReset, this, &FlexGrid::syncViewCurrent);
}

void FlexGrid::setRows(int rows)
{
    model_.setRows(rows);
    if (row_ >= rows) moveTo(std::max(0, rows - 1), col_);
    syncViewCurrent();
}

void FlexGrid::setCols(int cols)
{
    model_.setCols(cols);
    if (col_ >= cols) moveTo(row_, std::max(0, cols - 1));
    syncViewCurrent();
}

void FlexGrid::setRow(int row) { moveTo(row, col_); }

void FlexGrid::setCol(int col) { moveTo(row_, col); }

void FlexGrid::moveTo(int row, int col)
{
    if (row < 0 || col < 0 || row >= Rows() || col >= Cols()) return;
    if (row == row_ && col == col_) return;
    emit leaveCell();
    row_ = row;
    col_ = col;
    syncViewCurrent();
    emit enterCell();
}

void FlexGrid::syncViewCurrent()
{
    if (syncing_ || !selectionModel()) return;
    syncing_ = true;
    const QModelIndex at = model_.index(row_, col_);
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    if (at.isValid()) scrollTo(at);
    syncing_ = false;
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (syncing_ || !current.isValid()) return;
    // A move by the user (click or arrow key): raise the same notifications as a move from code.
    const int row = current.row();
    const int col = current.column();
    if (row == row_ && col == col_) return;
    emit leaveCell();
    row_ = row;
    col_ = col;
    emit enterCell();
}

QRect FlexGrid::currentCellRect() const { return visualRect(model_.index(row_, col_)).translated(viewport()->pos()); }

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Down) {
        emit keyDown(40);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit keyPress(13);
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() < 256 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        emit keyPress(text.at(0).unicode());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit dblClick();
}

void FlexGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    emit gotFocus();
}

FlexGrid::BulkUpdate::BulkUpdate(FlexGrid& grid) : grid_(grid) { grid_.model_.beginBulk(); }

FlexGrid::BulkUpdate::~BulkUpdate() { grid_.model_.endBulk(); }

}  // namespace solvane
