// Sorting the list by a column's text: case, Chinese order, equal keys, whole rows, other columns.

#include "batch/ColumnSort.h"

#include <QTest>

#include "ListFixture.h"

using nomvera::batch::AccountListModel;
using nomvera::batch::SortRowsByColumn;
using nomvera::batch::ToQt;
using namespace nomvera::batch::testing;
namespace lookup = nomvera::lookup;

namespace {

// Rows "r0", "r1", ... with the given texts in `column`.
void FillColumn(AccountListModel& list, int column, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) {
        const QString account = QStringLiteral("r%1").arg(i);
        AppendAccounts(list, {account});
        list.SetCellText(i, column, Gbk(texts[i]));
        list.SetCellText(i, lookup::kColumnLink, Gbk(QStringLiteral("link:r%1").arg(i)));
    }
}

}  // namespace

class ColumnSortTest : public QObject {
    Q_OBJECT

private slots:
    void sortsAscendingByTheColumnText_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("sorted");

        QTest::newRow("accounts, letter case ignored")
            << int(lookup::kColumnAccount) << QStringList{"bob", "Alice", "BOB", "alice", "Carol"}
            << QStringList{"Alice", "alice", "bob", "BOB", "Carol"};
        // Pinyin order (an, ji, wei) differs from both code point order and GBK byte order.
        QTest::newRow("Chinese accounts in pinyin order")
            << int(lookup::kColumnAccount) << QStringList{"危险品", "丌官", "安心"}
            << QStringList{"安心", "丌官", "危险品"};
        QTest::newRow("grades: pending first, then grouped")
            << int(lookup::kColumnGrade) << QStringList{"危险", "安全", "", "未知", "?", "安全", "", "危险"}
            << QStringList{"", "", "?", "安全", "安全", "危险", "危险", "未知"};
        QTest::newRow("identities") << int(lookup::kColumnIdentity)
                                    << QStringList{"天猫", "卖家", "买家", "卖家"}
                                    << QStringList{"买家", "卖家", "卖家", "天猫"};
        QTest::newRow("one row") << int(lookup::kColumnAccount) << QStringList{"only"} << QStringList{"only"};
        QTest::newRow("texts as texts, not numbers")
            << int(lookup::kColumnAccount) << QStringList{"9", "10", "1"} << QStringList{"1", "10", "9"};
    }

    void sortsAscendingByTheColumnText() {
        QFETCH(int, column);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, sorted);
        AccountListModel list;
        FillColumn(list, column, texts);
        SortRowsByColumn(list, column);
        QCOMPARE(Column(list, column), sorted);
    }

    void equalKeysKeepListOrderAndRowsMoveWhole() {
        // Enough rows that a sort which is not stable shows it (short runs are sorted stably anyway).
        const QStringList cycle{"危险", "安全", "未知", "安全", "危险"};
        QStringList grades;
        for (int i = 0; i < 60; ++i) grades.append(cycle[i % cycle.size()]);
        AccountListModel list;
        FillColumn(list, lookup::kColumnGrade, grades);
        for (int row = 0; row < list.RowCount(); ++row) {
            list.SetCellText(row, lookup::kColumnRealName, Gbk(QStringLiteral("name%1").arg(row)));
        }
        SortRowsByColumn(list, lookup::kColumnGrade);

        QStringList expected;
        for (const char* grade : {"安全", "危险", "未知"}) {
            for (int i = 0; i < grades.size(); ++i) {
                if (grades[i] == QString::fromUtf8(grade)) expected.append(QStringLiteral("r%1").arg(i));
            }
        }
        QCOMPARE(Accounts(list), expected);
        for (int row = 0; row < list.RowCount(); ++row) {
            const QString account = ToQt(list.CellText(row, lookup::kColumnAccount));
            QCOMPARE(ToQt(list.CellText(row, lookup::kColumnLink)), QStringLiteral("link:") + account);
            QCOMPARE(ToQt(list.CellText(row, lookup::kColumnRealName)),
                     QStringLiteral("name") + account.mid(1));
        }
    }

    void caseOnlyDifferencesKeepListOrder() {
        AccountListModel list;
        FillColumn(list, lookup::kColumnAccount, {"tom", "TOM", "Tom", "abe"});
        SortRowsByColumn(list, lookup::kColumnAccount);
        QCOMPARE(Accounts(list), (QStringList{"abe", "tom", "TOM", "Tom"}));
    }

    void otherColumnsChangeNothing_data() {
        QTest::addColumn<int>("column");
        for (int column : {0, 3, 4, 5, 10, 12, 13, -1, 14}) {
            QTest::addRow("column %d", column) << column;
        }
    }

    void otherColumnsChangeNothing() {
        QFETCH(int, column);
        AccountListModel list;
        FillColumn(list, lookup::kColumnAccount, {"c", "a", "b"});
        for (int row = 0; row < 3; ++row) {
            for (int c = 2; c < lookup::kColumnCount; ++c) list.SetCellText(row, c, std::to_string(3 - row));
        }
        SortRowsByColumn(list, column);
        QCOMPARE(Accounts(list), (QStringList{"c", "a", "b"}));
    }

    void anEmptyListStaysEmpty() {
        AccountListModel list;
        for (int column : {1, 2, 11}) SortRowsByColumn(list, column);
        QCOMPARE(list.RowCount(), 0);
    }
};

QTEST_MAIN(ColumnSortTest)
#include "ColumnSort_test.moc"
