// The batch window as drawn and as the rest of the program meets it: layout, the link rule on
// double click, sorting from the heads, the context menu, the surface a run writes through and the
// file drop target.

#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>

#include "WindowFixture.h"
#include "batch/FileDropTarget.h"

using nomvera::batch::AccountListView;
using nomvera::batch::FileDropTarget;
using nomvera::batch::ToQt;
using namespace nomvera::batch::testing;
namespace lookup = nomvera::lookup;

class BatchWindowTest : public QObject {
    Q_OBJECT

private slots:
    void isLaidOutAsDesigned() {
        WindowFixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Nomvera-批量查询"));
        // The offscreen platform draws no frame, so the outer size is the client size here.
        QCOMPARE(f.window.frameGeometry(), QRect(50, 50, 606, 460));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QVERIFY(!f.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(f.window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

        const QList<std::pair<QString, QRect>> places{
            {"工具条_顶部", QRect(0, 0, 583, 28)},
            {"编辑框_导入导出", QRect(188, 10, 402, 35)},
            {"进度条_查询导出", QRect(188, 10, 402, 35)},
            {"超级列表框_信用详情", QRect(8, 56, 583, 348)},
        };
        for (const auto& [name, place] : places) {
            auto* control = f.window.findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QCOMPARE(control->geometry(), place);
        }
        QVERIFY(!f.window.findChild<QLineEdit*>("编辑框_导入导出")->isVisible());
        QVERIFY(!f.window.findChild<QProgressBar*>("进度条_查询导出")->isVisible());

        auto& bar = f.window.StatusBar();
        QCOMPARE(bar.objectName(), QStringLiteral("状态条_提示"));
        QCOMPARE(bar.geometry().bottom(), f.window.height() - 1);
        QCOMPARE(bar.PartText(0), QStringLiteral(" 等待执行各功能状况显示中……"));
        QCOMPARE(bar.PartText(1), QStringLiteral(" 欢迎使用 → Nomvera"));
        QCOMPARE(bar.PartText(2), QStringLiteral("Belkmoor → http://127.0.0.1:1/"));

        QStringList tools;
        for (QAction* action : f.window.findChild<QToolBar*>("工具条_顶部")->actions()) {
            tools.append(action->isSeparator() ? QStringLiteral("|") : action->text());
            if (!action->isSeparator()) QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(tools, (QStringList{"|", "导入", "导出", "全删", "|", "查询", "|"}));

        QStringList entries;
        for (QAction* action : f.window.findChild<QMenu*>("右键")->actions()) {
            entries.append(action->isSeparator() ? QStringLiteral("|") : action->text());
        }
        QCOMPARE(entries, (QStringList{"简单查询", "高级查询", "|", "修改账号", "添加账号", "删除账号"}));
    }

    void listIsAReportList() {
        WindowFixture f;
        AccountListView& view = f.View();
        QVERIFY(view.isColumnHidden(lookup::kColumnLink));
        QCOMPARE(view.columnWidth(lookup::kColumnAccount), 82);
        for (int column = 2; column < lookup::kColumnCount; ++column) QCOMPARE(view.columnWidth(column), 40);
        QVERIFY(!view.verticalHeader()->isVisible());
        QVERIFY(!view.horizontalHeader()->isSortIndicatorShown());
        QVERIFY(view.horizontalHeader()->sectionsClickable());
        QVERIFY(!view.isSortingEnabled());
        QVERIFY(view.showGrid());
        QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(view.selectionMode(), QAbstractItemView::ExtendedSelection);
    }

    void doubleClickOpensOnlyWebAddresses_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("opens");
        QTest::newRow("rating page") << "http://rate.taobao.com/user-rate-42.htm" << true;
        QTest::newRow("maker page") << "http://127.0.0.1:1/" << true;
        QTest::newRow("https") << "https://example.com/" << true;
        QTest::newRow("account typed by hand") << "tb_buyer" << false;
        QTest::newRow("empty, from a workbook") << "" << false;
        QTest::newRow("local file") << "file:///etc/passwd" << false;
        QTest::newRow("program path") << "/usr/bin/xterm" << false;
    }

    void doubleClickOpensOnlyWebAddresses() {
        QFETCH(QString, link);
        QFETCH(bool, opens);
        WindowFixture f;
        AppendAccounts(f.List(), {"a", "b"});
        f.List().SetCellText(1, lookup::kColumnLink, Gbk(link));
        f.DoubleClickRow(1);
        QCOMPARE(f.opened, opens ? QList<QUrl>{QUrl(link)} : QList<QUrl>{});
    }

    void doubleClickWithoutSelectionOpensNothing() {
        WindowFixture f;
        AppendAccounts(f.List(), {"a"});
        f.List().SetCellText(0, lookup::kColumnLink, "http://example.com/");
        QTest::mouseDClick(f.View().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 300));
        QCOMPARE(f.window.SelectedRow(), -1);
        QVERIFY(f.opened.isEmpty());
    }

    void headsSortTheListAndClearTheSelection() {
        WindowFixture f;
        AppendAccounts(f.List(), {"Carol", "alice", "Bob"});
        for (int row = 0; row < 3; ++row) {
            f.List().SetCellText(row, lookup::kColumnLink,
                                 Gbk(QStringLiteral("http://r.example/%1").arg(row)));
        }
        f.Select({0, 2});
        f.ClickHead(lookup::kColumnGivenNeutral);
        QCOMPARE(Accounts(f.List()), (QStringList{"Carol", "alice", "Bob"}));
        QCOMPARE(f.window.SelectedRow(), 0);

        f.ClickHead(lookup::kColumnAccount);
        QCOMPARE(Accounts(f.List()), (QStringList{"alice", "Bob", "Carol"}));
        QCOMPARE(f.window.SelectedRow(), -1);
        QVERIFY(f.View().isColumnHidden(lookup::kColumnLink));
        QCOMPARE(f.View().columnWidth(lookup::kColumnAccount), 82);
        // Bob's link came with him from the last row.
        f.DoubleClickRow(1);
        QCOMPARE(f.opened, QList<QUrl>{QUrl("http://r.example/2")});
    }

    void rightClickAnywhereShowsTheMenu_data() {
        QTest::addColumn<bool>("onRow");
        QTest::newRow("on a row") << true;
        QTest::newRow("below the last row") << false;
    }

    void rightClickAnywhereShowsTheMenu() {
        QFETCH(bool, onRow);
        WindowFixture f;
        AppendAccounts(f.List(), {"a", "b"});
        const QPoint at = onRow ? f.RowCentre(1) : QPoint(100, 300);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, f.View().viewport()->mapToGlobal(at));
        QApplication::sendEvent(f.View().viewport(), &click);
        auto* menu = f.window.findChild<QMenu*>("右键");
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    void advancedQueryHandsTheSelectedRowOn() {
        WindowFixture f;
        AppendAccounts(f.List(), {"a", "b", "c"});
        QSignalSpy requests(&f.window, &nomvera::batch::BatchWindow::advancedQueryRequested);

        f.View().clearSelection();
        f.Choose(QStringLiteral("高级查询"));
        QCOMPARE(requests.count(), 0);
        QVERIFY(!f.state.openedFromBatchList);
        QCOMPARE(f.Status(), QStringLiteral(" 等待执行各功能状况显示中……"));

        f.Select({2});
        f.Choose(QStringLiteral("高级查询"));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).toInt(), 2);
        QVERIFY(f.state.openedFromBatchList);
        QCOMPARE(f.Status(), QStringLiteral(" 正在高级查询，请稍候……"));
    }

    void surfaceWritesReachTheControls() {
        WindowFixture f;
        AppendAccounts(f.List(), {"a", "b"});
        nomvera::lookup::BatchSurface& surface = f.window.Surface();
        QCOMPARE(surface.RowCount(), 2);
        surface.SetCellText(1, lookup::kColumnGrade, Gbk(QStringLiteral("危险")));
        QCOMPARE(f.List().data(f.List().index(1, lookup::kColumnGrade)).toString(), QStringLiteral("危险"));
        QCOMPARE(surface.CellText(1, lookup::kColumnAccount), std::string("b"));
        surface.SetStatusText(Gbk(QStringLiteral(" 正在批量查询，请稍候……  0%")));
        QCOMPARE(f.Status(), QStringLiteral(" 正在批量查询，请稍候……  0%"));

        auto* progress = f.window.findChild<QProgressBar*>("进度条_查询导出");
        auto* box = f.window.findChild<QLineEdit*>("编辑框_导入导出");
        surface.SetProgressVisible(true);
        surface.SetProgressMaximum(13);
        surface.SetProgressPosition(5);
        QVERIFY(progress->isVisible());
        QCOMPARE(progress->maximum(), 13);
        QCOMPARE(progress->value(), 5);
        surface.SetProgressVisible(false);
        surface.SetImportExportBoxVisible(true);
        QVERIFY(!progress->isVisible());
        QVERIFY(box->isVisible());
    }

    void droppedFilesReachTheDropTarget() {
        WindowFixture f;
        auto* target = f.window.findChild<FileDropTarget*>(QStringLiteral("拖放对象_信用详情"));
        QVERIFY(target != nullptr);
        QSignalSpy drops(target, &FileDropTarget::filesDropped);
        QWidget* viewport = f.View().viewport();
        const QPoint at(50, 50);

        QMimeData web;
        web.setUrls({QUrl("http://example.com/list.txt")});
        QDragEnterEvent refused(at, Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &refused);
        QVERIFY(!refused.isAccepted());
        QDropEvent webDrop(at, Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &webDrop);
        QCOMPARE(drops.count(), 0);

        QMimeData files;
        files.setUrls({QUrl::fromLocalFile("/tmp/accounts.txt"), QUrl("http://example.com/"),
                       QUrl::fromLocalFile("/tmp/list.xlsx")});
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(drops.count(), 1);
        QCOMPARE(drops.at(0).at(0).toStringList(), (QStringList{"/tmp/accounts.txt", "/tmp/list.xlsx"}));
        QCOMPARE(f.List().RowCount(), 0);
    }
};

QTEST_MAIN(BatchWindowTest)
#include "BatchWindow_test.moc"
