// The list model under Qt's model checker, and its cell and row operations at the list's edges.

#include "batch/AccountListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "ListFixture.h"

using nomvera::batch::AccountListModel;
using nomvera::batch::ToQt;
using namespace nomvera::batch::testing;
namespace lookup = nomvera::lookup;

class AccountListModelTest : public QObject {
    Q_OBJECT

private slots:
    void passesTheModelCheckerThroughEveryChange() {
        AccountListModel list;
        QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        AppendAccounts(list, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list.InsertRow(0, Gbk(QStringLiteral("top")));
        list.SetCellText(1, lookup::kColumnGrade, Gbk(QStringLiteral("安全")));
        list.RemoveRow(2);
        list.ReorderRows({2, 0, 1});
        list.RemoveAllRows();
        QCOMPARE(list.rowCount(), 0);
    }

    void showsCellsAsUnicodeAndHeadsInColumnOrder() {
        AccountListModel list;
        AppendAccounts(list, {QStringLiteral("张三")});
        list.SetCellText(0, lookup::kColumnIdentity, Gbk(QStringLiteral("买家")));
        QCOMPARE(list.data(list.index(0, lookup::kColumnAccount)).toString(), QStringLiteral("张三"));
        QCOMPARE(list.data(list.index(0, lookup::kColumnIdentity)).toString(), QStringLiteral("买家"));
        QCOMPARE(list.columnCount(), 14);
        QStringList heads;
        for (int column = 0; column < list.columnCount(); ++column) {
            heads.append(list.headerData(column, Qt::Horizontal).toString());
        }
        QCOMPARE(heads, (QStringList{"个人主页", "淘宝账号", "安全", "给中", "给差", "周好", "周中", "周差",
                                     "月好", "月中", "月差", "身份", "始期", "认证"}));
        QCOMPARE(list.data(list.index(0, 5), Qt::TextAlignmentRole).toInt(),
                 static_cast<int>(Qt::AlignCenter));
    }

    void cellsOutsideTheListReadEmptyAndIgnoreWrites() {
        AccountListModel list;
        AppendAccounts(list, {QStringLiteral("a")});
        QSignalSpy changes(&list, &AccountListModel::dataChanged);
        for (auto [row, column] : {std::pair{-1, 1}, {1, 1}, {0, -1}, {0, 14}}) {
            list.SetCellText(row, column, "x");
            QCOMPARE(list.CellText(row, column), std::string());
        }
        QCOMPARE(changes.count(), 0);
        QCOMPARE(Accounts(list), QStringList{QStringLiteral("a")});
    }

    void insertRow_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("expectedIndex");
        QTest::newRow("top") << 0 << 0;
        QTest::newRow("middle") << 1 << 1;
        QTest::newRow("just past the end appends") << 2 << 2;
        QTest::newRow("far beyond the end appends") << 50 << 2;
        QTest::newRow("before the top goes to the top") << -5 << 0;
    }

    void insertRow() {
        QFETCH(int, position);
        QFETCH(int, expectedIndex);
        AccountListModel list;
        AppendAccounts(list, {QStringLiteral("a"), QStringLiteral("b")});
        const int index = list.InsertRow(position, "new");
        QCOMPARE(index, expectedIndex);
        QCOMPARE(list.CellText(index, lookup::kColumnLink), std::string("new"));
        QCOMPARE(list.CellText(index, lookup::kColumnAccount), std::string());
        QCOMPARE(list.RowCount(), 3);
    }

    void removeRowOutsideTheListDeletesNothing() {
        AccountListModel list;
        AppendAccounts(list, {QStringLiteral("a"), QStringLiteral("b")});
        list.RemoveRow(-1);
        list.RemoveRow(2);
        QCOMPARE(Accounts(list), (QStringList{"a", "b"}));
        list.RemoveRow(0);
        QCOMPARE(Accounts(list), QStringList{"b"});
    }

    void reorderAcceptsOnlyAPermutation_data() {
        QTest::addColumn<std::vector<int>>("order");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("permutation") << std::vector<int>{2, 0, 1} << QStringList{"c", "a", "b"};
        QTest::newRow("too short") << std::vector<int>{1, 0} << QStringList{"a", "b", "c"};
        QTest::newRow("repeated row") << std::vector<int>{0, 0, 1} << QStringList{"a", "b", "c"};
        QTest::newRow("row out of range") << std::vector<int>{0, 1, 3} << QStringList{"a", "b", "c"};
    }

    void reorderAcceptsOnlyAPermutation() {
        QFETCH(std::vector<int>, order);
        QFETCH(QStringList, expected);
        AccountListModel list;
        AppendAccounts(list, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list.ReorderRows(order);
        QCOMPARE(Accounts(list), expected);
        // Links travel with their rows.
        for (int row = 0; row < list.RowCount(); ++row) {
            QCOMPARE(ToQt(list.CellText(row, lookup::kColumnLink)), QStringLiteral("link:") + expected[row]);
        }
    }
};

QTEST_MAIN(AccountListModelTest)
#include "AccountListModel_test.moc"
