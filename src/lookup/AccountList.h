#pragma once
// The batch list as the lookup core sees it: cells addressed by (row, column), 14 columns.
// The window implements it over its model; tests use an in-memory table. Texts are code page 936.

#include <string>

namespace nomvera::lookup {

inline constexpr int kColumnCount = 14;

enum Column : int {
    kColumnLink = 0,  // 个人主页, hidden
    kColumnAccount = 1,
    kColumnGrade = 2,
    kColumnGivenNeutral = 3,
    kColumnGivenBad = 4,
    kColumnWeekGood = 5,
    kColumnWeekNeutral = 6,
    kColumnWeekBad = 7,
    kColumnMonthGood = 8,
    kColumnMonthNeutral = 9,
    kColumnMonthBad = 10,
    kColumnIdentity = 11,
    kColumnRegistrationTime = 12,
    kColumnRealName = 13,
};

class AccountList {
public:
    virtual ~AccountList() = default;
    virtual int RowCount() = 0;
    virtual std::string CellText(int row, int column) = 0;
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
};

}  // namespace nomvera::lookup
