#include "batch/ColumnSort.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstddef>
#include <numeric>

#include "batch/LocalText.h"
#include "lookup/AccountList.h"

namespace nomvera::batch {

bool IsSortColumn(int column) {
    return column == lookup::kColumnAccount || column == lookup::kColumnGrade ||
           column == lookup::kColumnIdentity;
}

std::vector<int> SortedRowOrder(const std::vector<AccountListModel::Row>& rows, int column) {
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (column < 0 || column >= lookup::kColumnCount) return order;

    QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // One sort key per row, built once, so the n log n comparisons are plain key comparisons.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const AccountListModel::Row& row : rows) {
        keys.push_back(collator.sortKey(ToQt(row[static_cast<std::size_t>(column)])));
    }
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });
    return order;
}

void SortRowsByColumn(AccountListModel& list, int column) {
    if (!IsSortColumn(column) || list.Rows().empty()) return;
    list.ReorderRows(SortedRowOrder(list.Rows(), column));
}

}  // namespace nomvera::batch
