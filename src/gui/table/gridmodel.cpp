#include "table/gridmodel.h"

#include <QApplication>
#include <QPalette>

namespace solvane {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_ || index.column() >= cols_) return {};
    const bool fixed = index.row() == 0 || index.column() == 0;
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(static_cast<std::size_t>(index.column()) < alignments_.size()
                                       ? alignments_[static_cast<std::size_t>(index.column())]
                                       : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        if (fixed) return QApplication::palette().button();
        return {};
    default: return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    // Fixed cells cannot be picked by the user; only code makes them current.
    if (index.row() == 0 || index.column() == 0) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridModel::setRows(int rows)
{
    if (rows == rows_) return;
    if (bulkDepth_ == 0) beginResetModel();
    rows_ = rows;
    cells_.resize(indexOf(rows_, 0));
    if (bulkDepth_ == 0) endResetModel();
}

void GridModel::setCols(int cols)
{
    if (cols == cols_) return;
    beginResetModel();
    std::vector<QString> cells(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols));
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            cells[static_cast<std::size_t>(r * cols + c)] = cells_[indexOf(r, c)];
    cols_ = cols;
    cells_ = std::move(cells);
    endResetModel();
}

const QString& GridModel::text(int row, int col) const
{
    static const QString empty;
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return empty;
    return cells_[indexOf(row, col)];
}

void GridModel::setText(int row, int col, const QString& text) { store(row, col, text); }

void GridModel::setText(int row, int col, QLatin1StringView text) { store(row, col, text); }

template <typename Text>
void GridModel::store(int row, int col, Text text)
{
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return;
    QString& cell = cells_[indexOf(row, col)];
    // A table rewritten with mostly the same texts then frees and allocates nothing.
    if (cell == text) return;
    cell = text;
    // A bulk rewrite announces one reset at its end.
    if (bulkDepth_ > 0) return;
    const QModelIndex at = index(row, col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

void GridModel::setAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0) return;
    if (alignments_.size() <= static_cast<std::size_t>(col)) alignments_.resize(static_cast<std::size_t>(col) + 1);
    alignments_[static_cast<std::size_t>(col)] = alignment;
}

void GridModel::beginBulk()
{
    if (bulkDepth_++ == 0) beginResetModel();
}

void GridModel::endBulk()
{
    if (--bulkDepth_ == 0) endResetModel();
}

}  // namespace solvane
