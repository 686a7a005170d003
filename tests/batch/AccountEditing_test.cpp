// Editing the batch list by hand: adding and changing accounts through the dialog, deleting the
// selected row by key and menu, emptying the list, and the refusals while a query is under way.

#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "WindowFixture.h"

using nomvera::batch::ToQt;
using namespace nomvera::batch::testing;
namespace lookup = nomvera::lookup;

namespace {

const QStringList kFive{"a", "b", "c", "d", "e"};
const QString kRefused = QStringLiteral(" 批量查询进行中，请等待查询结束！");

enum class Edit { DeleteKey, DeleteEntry, Empty, Add, Modify, Sort, Query, Import };

}  // namespace

Q_DECLARE_METATYPE(Edit)

class AccountEditingTest : public QObject {
    Q_OBJECT

private slots:
    void selectedRowIsTheFirstInListOrder_data() {
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<int>("selectedRow");
        QTest::newRow("none") << QList<int>{} << -1;
        QTest::newRow("one") << QList<int>{2} << 2;
        QTest::newRow("later row clicked first") << QList<int>{3, 1} << 1;
        QTest::newRow("three") << QList<int>{4, 0, 2} << 0;
    }

    void selectedRowIsTheFirstInListOrder() {
        QFETCH(QList<int>, clicked);
        QFETCH(int, selectedRow);
        WindowFixture f;
        AppendAccounts(f.List(), kFive);
        f.View().clearSelection();
        bool first = true;
        for (int row : clicked) {
            QTest::mouseClick(f.View().viewport(), Qt::LeftButton,
                              first ? Qt::NoModifier : Qt::ControlModifier, f.RowCentre(row));
            first = false;
        }
        QCOMPARE(f.window.SelectedRow(), selectedRow);

        // Both ways of deleting take exactly that one row.
        QStringList expected = kFive;
        if (selectedRow != -1) expected.removeAt(selectedRow);
        QTest::keyClick(&f.View(), Qt::Key_Delete);
        QCOMPARE(Accounts(f.List()), expected);

        AppendAccounts(f.List(), {"f"});
        f.View().clearSelection();
        for (int row : clicked)
            f.View().selectionModel()->select(f.List().index(row, 1),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        expected.append("f");
        if (selectedRow != -1) expected.removeAt(selectedRow);
        f.Choose(QStringLiteral("删除账号"));
        QCOMPARE(Accounts(f.List()), expected);
    }

    void otherKeysDeleteNothing() {
        WindowFixture f;
        AppendAccounts(f.List(), kFive);
        f.Select({1});
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_D, Qt::Key_Insert, Qt::Key_Return})
            QTest::keyClick(&f.View(), key);
        QCOMPARE(Accounts(f.List()), kFive);
    }

    void addPutsTheRowBelowTheSelection_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("newRow");
        QTest::newRow("no selection: top") << QList<int>{} << 0;
        QTest::newRow("third row selected: fourth") << QList<int>{2} << 3;
        QTest::newRow("last row selected: appended") << QList<int>{4} << 5;
        QTest::newRow("several: below the first") << QList<int>{3, 1} << 2;
    }

    void addPutsTheRowBelowTheSelection() {
        QFETCH(QList<int>, selected);
        QFETCH(int, newRow);
        WindowFixture f;
        AppendAccounts(f.List(), kFive);
        f.View().clearSelection();
        for (int row : selected)
            f.View().selectionModel()->select(f.List().index(row, 1),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        f.Choose(QStringLiteral("添加账号"));
        QCOMPARE(f.state.accountDialogModifies, false);
        // Typed exactly, blanks included: the lookup cleans it later.
        f.TypeInDialog(QStringLiteral(" 新账号 "), Qt::Key_Return);
        QCOMPARE(f.List().RowCount(), 6);
        QCOMPARE(ToQt(f.List().CellText(newRow, lookup::kColumnAccount)), QStringLiteral(" 新账号 "));
        QCOMPARE(ToQt(f.List().CellText(newRow, lookup::kColumnLink)), QStringLiteral(" 新账号 "));
        for (int column = 2; column < lookup::kColumnCount; ++column) {
            QCOMPARE(f.List().CellText(newRow, column), std::string());
        }
        QStringList expected = kFive;
        expected.insert(newRow, QStringLiteral(" 新账号 "));
        QCOMPARE(Accounts(f.List()), expected);
    }

    void addWithAnEmptyBoxAddsAnEmptyRow() {
        WindowFixture f;
        f.Choose(QStringLiteral("添加账号"));
        f.TypeInDialog(QString(), Qt::Key_Enter);
        QCOMPARE(f.List().RowCount(), 1);
        QCOMPARE(f.List().CellText(0, lookup::kColumnLink), std::string());
        QCOMPARE(f.List().CellText(0, lookup::kColumnAccount), std::string());
    }

    void modifyChangesOnlyTheAccountOfTheSelectedRow() {
        WindowFixture f;
        AppendAccounts(f.List(), kFive);
        f.List().SetCellText(3, lookup::kColumnGrade, Gbk(QStringLiteral("危险")));
        f.Select({3, 1});
        f.Choose(QStringLiteral("修改账号"));
        QCOMPARE(f.state.accountDialogModifies, true);
        QCOMPARE(f.Dialog()->AccountBox().text(), QStringLiteral("b"));
        f.TypeInDialog(QStringLiteral("张三"), Qt::Key_Return);
        QCOMPARE(Accounts(f.List()), (QStringList{"a", "张三", "c", "d", "e"}));
        QCOMPARE(ToQt(f.List().CellText(1, lookup::kColumnLink)), QStringLiteral("link:b"));
        QCOMPARE(ToQt(f.List().CellText(3, lookup::kColumnGrade)), QStringLiteral("危险"));
        QCOMPARE(f.state.accountDialogModifies, false);
    }

    void modifyWithoutSelectionChangesNothing() {
        WindowFixture f;
        AppendAccounts(f.List(), kFive);
        f.View().clearSelection();
        f.Choose(QStringLiteral("修改账号"));
        QVERIFY(f.Dialog() != nullptr);
        QCOMPARE(f.Dialog()->AccountBox().text(), QString());
        f.TypeInDialog(QStringLiteral("x"), Qt::Key_Return);
        QCOMPARE(Accounts(f.List()), kFive);
    }

    void escClosesTheDialogWithoutChange_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("add") << QStringLiteral("添加账号");
        QTest::newRow("modify") << QStringLiteral("修改账号");
    }

    void escClosesTheDialogWithoutChange() {
        QFETCH(QString, entry);
        WindowFixture f;
        AppendAccounts(f.List(), kFive);
        f.Select({0});
        f.Choose(entry);
        f.TypeInDialog(QStringLiteral("typed"), Qt::Key_Escape);
        QCOMPARE(Accounts(f.List()), kFive);
        QCOMPARE(ToQt(f.List().CellText(0, lookup::kColumnLink)), QStringLiteral("link:a"));
    }

    void dialogCaptionsFollowTheMode() {
        WindowFixture f;
        AppendAccounts(f.List(), kFive);
        f.Select({0});
        f.Choose(QStringLiteral("修改账号"));
        auto captions = [&f] {
            return QStringList{f.Dialog()->findChild<QGroupBox*>(QStringLiteral("分组框_添加账号"))->title(),
                               f.Dialog()->findChild<QLabel*>(QStringLiteral("标签_Esc取消"))->text()};
        };
        QCOMPARE(captions(), (QStringList{"修改账号·回车确认", "修改账号·Esc取消"}));
        QCOMPARE(f.Dialog()->size(), QSize(166, 85));
        QVERIFY(f.Dialog()->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(f.Dialog()->isModal());
        QCOMPARE(f.Dialog()->AccountBox().geometry(), QRect(8, 24, 128, 24));
        QCOMPARE(f.Dialog()->findChild<QLabel*>(QStringLiteral("标签_底"))->geometry(),
                 QRect(30, 62, 24, 20));
        f.TypeInDialog(QString(), Qt::Key_Escape);

        // After a modification cancelled with Esc, 添加账号 is a plain add.
        f.Choose(QStringLiteral("添加账号"));
        QCOMPARE(captions(), (QStringList{"添加账号·回车确认", "添加账号·Esc取消"}));
        QCOMPARE(f.Dialog()->AccountBox().text(), QString());
        f.TypeInDialog(QStringLiteral("z"), Qt::Key_Return);
        QCOMPARE(Accounts(f.List()), (QStringList{"a", "z", "b", "c", "d", "e"}));
    }

    void emptyingTheListAlwaysSaysSo_data() {
        QTest::addColumn<QStringList>("accounts");
        QTest::newRow("five rows") << kFive;
        QTest::newRow("already empty") << QStringList{};
    }

    void emptyingTheListAlwaysSaysSo() {
        QFETCH(QStringList, accounts);
        WindowFixture f;
        AppendAccounts(f.List(), accounts);
        f.ClickToolbar(QStringLiteral("全删"));
        QCOMPARE(f.List().RowCount(), 0);
        QCOMPARE(f.Status(), QStringLiteral(" 数据全部删除！"));
    }

    void editsAreRefusedWhileAQueryIsUnderWay_data() {
        QTest::addColumn<Edit>("edit");
        QTest::newRow("Delete key") << Edit::DeleteKey;
        QTest::newRow("删除账号") << Edit::DeleteEntry;
        QTest::newRow("全删") << Edit::Empty;
        QTest::newRow("添加账号") << Edit::Add;
        QTest::newRow("修改账号") << Edit::Modify;
        QTest::newRow("sorting") << Edit::Sort;
        QTest::newRow("second 查询") << Edit::Query;
        QTest::newRow("导入") << Edit::Import;
    }

    void editsAreRefusedWhileAQueryIsUnderWay() {
        QFETCH(Edit, edit);
        WindowFixture f;
        const QStringList accounts{"c", "a", "b"};
        AppendAccounts(f.List(), accounts);
        f.Select({1});
        f.window.SetQueryUnderWay(true);
        switch (edit) {
            case Edit::DeleteKey:
                QTest::keyClick(&f.View(), Qt::Key_Delete);
                break;
            case Edit::DeleteEntry:
                f.Choose(QStringLiteral("删除账号"));
                break;
            case Edit::Empty:
                f.ClickToolbar(QStringLiteral("全删"));
                break;
            case Edit::Add:
                f.Choose(QStringLiteral("添加账号"));
                break;
            case Edit::Modify:
                f.Choose(QStringLiteral("修改账号"));
                break;
            case Edit::Sort:
                f.ClickHead(lookup::kColumnAccount);
                break;
            case Edit::Query:
                f.ClickToolbar(QStringLiteral("查询"));
                break;
            case Edit::Import:
                f.ClickToolbar(QStringLiteral("导入"));
                break;
        }
        QCOMPARE(f.Status(), kRefused);
        QCOMPARE(Accounts(f.List()), accounts);
        QVERIFY(f.Dialog() == nullptr);

        // Once the query has ended the same edit goes through.
        f.window.SetQueryUnderWay(false);
        f.Select({1});
        QTest::keyClick(&f.View(), Qt::Key_Delete);
        QCOMPARE(Accounts(f.List()), (QStringList{"c", "b"}));
    }
};

QTEST_MAIN(AccountEditingTest)
#include "AccountEditing_test.moc"
