#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace solvane {

// The cell texts of the point table: Rows x Cols strings, the first row and column fixed.
// Bulk writes (a whole-table rebuild) collect their changes and announce them once.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setRows(int rows);
    void setCols(int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }

    const QString& text(int row, int col) const;
    // A cell that already reads the same is left alone: no copy, no notification.
    void setText(int row, int col, const QString& text);
    // Single-byte text (formatted numbers) compared and copied without a QString in between.
    void setText(int row, int col, QLatin1StringView text);

    void setAlignment(int col, Qt::Alignment alignment);

    void beginBulk();
    void endBulk();

private:
    template <typename Text>
    void store(int row, int col, Text text);

    std::size_t indexOf(int row, int col) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<QString> cells_;
    std::vector<Qt::Alignment> alignments_;
    int bulkDepth_ = 0;
};

}  // namespace solvane
