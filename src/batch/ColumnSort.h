#pragma once
// Sorting the batch list by a column's text when its head is clicked: always ascending, letter case
// ignored, Chinese in its locale order, equal texts kept in list order, every row moved whole with
// its hidden link.

#include <vector>

#include "batch/AccountListModel.h"

namespace nomvera::batch {

// The columns whose head sorts the list: 淘宝账号, 安全 and 身份.
bool IsSortColumn(int column);

// The new order of the rows: entry p is the index of the row that goes to position p.
std::vector<int> SortedRowOrder(const std::vector<AccountListModel::Row>& rows, int column);

// Reorders the list by `column` in one model reset, which also clears the selection. Other
// columns and an empty list are left as they are.
void SortRowsByColumn(AccountListModel& list, int column);

}  // namespace nomvera::batch
