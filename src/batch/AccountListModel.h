#pragma once
// The batch list's rows: 14 code page 936 texts each, column 0 the hidden link. Texts stay in the
// program's code page (short ones fit std::string's inline buffer, so 100,000 rows cost no
// allocation per empty or short cell) and are converted only when a visible cell is painted.

#include <QAbstractTableModel>
#include <array>
#include <string>
#include <vector>

#include "lookup/AccountList.h"

namespace nomvera::batch {

class AccountListModel final : public QAbstractTableModel, public lookup::AccountList {
    Q_OBJECT

public:
    using Row = std::array<std::string, lookup::kColumnCount>;

    explicit AccountListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Cells outside the list read as empty texts; writes to them are ignored.
    int RowCount() override;
    std::string CellText(int row, int column) override;
    void SetCellText(int row, int column, const std::string& text) override;

    // Inserts a row whose column 0 is `link` at `position` (before 0 means 0, beyond the end
    // appends) and returns its index.
    int InsertRow(int position, const std::string& link);
    // Deletes the row at `row`; −1 or an index beyond the end deletes nothing.
    void RemoveRow(int row);
    void RemoveAllRows();

    const std::vector<Row>& Rows() const { return rows_; }
    // Replaces every row in one reset (import, rebuilding).
    void ReplaceRows(std::vector<Row> rows);
    // Puts the rows in the order `order` names: new row p is old row order[p]. `order` must be
    // a permutation of the row indices; anything else leaves the list unchanged.
    void ReorderRows(const std::vector<int>& order);

private:
    bool Contains(int row, int column) const;

    std::vector<Row> rows_;
};

}  // namespace nomvera::batch
