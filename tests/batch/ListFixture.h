#pragma once
// Small helpers for filling a batch list and reading it back in the tests' own (UTF-8) terms.

#include <QString>
#include <QStringList>
#include <string>

#include "batch/AccountListModel.h"
#include "batch/LocalText.h"
#include "lookup/AccountList.h"

namespace nomvera::batch::testing {

inline std::string Gbk(const QString& text) {
    return ToLocal(text);
}

// Appends one row per account; column 0 is "link:<account>" so a row's link can be traced.
inline void AppendAccounts(AccountListModel& list, const QStringList& accounts) {
    for (const QString& account : accounts) {
        const int row = list.InsertRow(list.RowCount(), Gbk(QStringLiteral("link:") + account));
        list.SetCellText(row, lookup::kColumnAccount, Gbk(account));
    }
}

inline QStringList Column(AccountListModel& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.RowCount(); ++row) texts.append(ToQt(list.CellText(row, column)));
    return texts;
}

inline QStringList Accounts(AccountListModel& list) {
    return Column(list, lookup::kColumnAccount);
}

}  // namespace nomvera::batch::testing
