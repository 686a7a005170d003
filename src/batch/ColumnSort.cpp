#include "batch/ColumnSort.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string_view>
#include <unordered_map>

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

    // Grades and identities repeat a handful of texts, so each distinct text gets one collation
    // key and one rank, and the rows are then bucketed by rank in list order (stable, linear).
    std::unordered_map<std::string_view, int> textIndex;
    std::vector<std::string_view> texts;
    std::vector<int> textOfRow(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string_view text = rows[row][static_cast<std::size_t>(column)];
        const auto [at, added] = textIndex.try_emplace(text, static_cast<int>(texts.size()));
        if (added) texts.push_back(text);
        textOfRow[row] = at->second;
    }

    QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (std::string_view text : texts) keys.push_back(collator.sortKey(ToQt(text)));
    std::vector<int> byKey(texts.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });
    // Texts that collate equal ("Tom", "TOM") share a rank, so their rows keep their list order.
    std::vector<int> rankOfText(texts.size());
    int rank = -1;
    for (std::size_t i = 0; i < byKey.size(); ++i) {
        const auto text = static_cast<std::size_t>(byKey[i]);
        if (i == 0 || keys[static_cast<std::size_t>(byKey[i - 1])].compare(keys[text]) != 0) ++rank;
        rankOfText[text] = rank;
    }

    std::vector<int> firstOfRank(static_cast<std::size_t>(rank + 2), 0);
    for (int text : textOfRow)
        ++firstOfRank[static_cast<std::size_t>(rankOfText[static_cast<std::size_t>(text)] + 1)];
    std::partial_sum(firstOfRank.begin(), firstOfRank.end(), firstOfRank.begin());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto r = static_cast<std::size_t>(rankOfText[static_cast<std::size_t>(textOfRow[row])]);
        order[static_cast<std::size_t>(firstOfRank[r]++)] = static_cast<int>(row);
    }
    return order;
}

void SortRowsByColumn(AccountListModel& list, int column) {
    if (!IsSortColumn(column) || list.Rows().empty()) return;
    list.ReorderRows(SortedRowOrder(list.Rows(), column));
}

}  // namespace nomvera::batch
