#include "batch/AccountListModel.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "batch/LocalText.h"

namespace nomvera::batch {
namespace {

constexpr std::array<const char*, lookup::kColumnCount> kHeaders = {
    "个人主页", "淘宝账号", "安全", "给中", "给差", "周好", "周中",
    "周差",     "月好",     "月中", "月差", "身份", "始期", "认证",
};

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

AccountListModel::AccountListModel(QObject* parent) : QAbstractTableModel(parent) {}

int AccountListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int AccountListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : lookup::kColumnCount;
}

QVariant AccountListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Contains(index.row(), index.column())) return {};
    switch (role) {
        case Qt::DisplayRole:
            return ToQt(rows_[Index(index.row())][Index(index.column())]);
        case Qt::TextAlignmentRole:
            return index.column() == lookup::kColumnLink ? static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter)
                                                         : static_cast<int>(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant AccountListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= lookup::kColumnCount) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(kHeaders[Index(section)]);
    if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags AccountListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int AccountListModel::RowCount() {
    return static_cast<int>(rows_.size());
}

std::string AccountListModel::CellText(int row, int column) {
    if (!Contains(row, column)) return {};
    return rows_[Index(row)][Index(column)];
}

void AccountListModel::SetCellText(int row, int column, const std::string& text) {
    if (!Contains(row, column)) return;
    std::string& cell = rows_[Index(row)][Index(column)];
    if (cell == text) return;
    cell = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

int AccountListModel::InsertRow(int position, const std::string& link) {
    const int at = std::clamp(position, 0, RowCount());
    beginInsertRows(QModelIndex(), at, at);
    Row row;
    row[lookup::kColumnLink] = link;
    rows_.insert(rows_.begin() + at, std::move(row));
    endInsertRows();
    return at;
}

void AccountListModel::RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void AccountListModel::RemoveAllRows() {
    if (rows_.empty()) return;
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

void AccountListModel::ReplaceRows(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void AccountListModel::ReorderRows(const std::vector<int>& order) {
    if (order.size() != rows_.size()) return;
    std::vector<bool> seen(rows_.size(), false);
    for (int from : order) {
        if (from < 0 || from >= RowCount() || seen[Index(from)]) return;
        seen[Index(from)] = true;
    }
    // In place, one cycle of the permutation at a time: no second copy of a large list.
    beginResetModel();
    std::vector<bool> placed(rows_.size(), false);
    for (std::size_t start = 0; start < rows_.size(); ++start) {
        if (placed[start]) continue;
        Row held = std::move(rows_[start]);
        std::size_t to = start;
        for (;;) {
            placed[to] = true;
            const std::size_t from = Index(order[to]);
            if (from == start) {
                rows_[to] = std::move(held);
                break;
            }
            rows_[to] = std::move(rows_[from]);
            to = from;
        }
    }
    endResetModel();
}

bool AccountListModel::Contains(int row, int column) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) && column >= 0 && column < lookup::kColumnCount;
}

}  // namespace nomvera::batch
