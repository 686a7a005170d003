// The start window leads to the batch window and comes back when that closes; Esc closes windows
// exactly as their close boxes do.

#include "app/StartWindow.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "app/AppState.h"
#include "app/HotArea.h"
#include "batch/AccountListView.h"
#include "batch/AccountListModel.h"
#include "batch/BatchWindow.h"
#include "batch/PartedStatusBar.h"
#include "detail/DetailWindow.h"
#include "web/CodePage.h"

#include <QLineEdit>

using nomvera::app::AppState;
using nomvera::app::HotArea;
using nomvera::app::StartWindow;

namespace {

QList<QWidget*> VisibleWindows() {
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) shown.append(window);
    }
    return shown;
}

void Click(StartWindow& start, const char* area) {
    auto* hot = start.findChild<HotArea*>(QString::fromUtf8(area));
    QVERIFY(hot != nullptr);
    QTest::mouseClick(hot, Qt::LeftButton);
}

}  // namespace

class StartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void isLaidOutAsDesigned() {
        AppState state;
        StartWindow start(state);
        start.show();
        QCOMPARE(start.windowTitle(), QStringLiteral("Nomvera"));
        QCOMPARE(start.frameGeometry(), QRect(50, 50, 336, 315));
        QCOMPARE(start.minimumSize(), start.maximumSize());
        QCOMPARE(start.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(start.findChild<QWidget*>("图片框_Nomvera")->geometry(), QRect(0, 1, 330, 286));
        QCOMPARE(start.findChild<HotArea*>("透明标签_高级查询")->geometry(), QRect(37, 129, 65, 65));
        QCOMPARE(start.findChild<HotArea*>("透明标签_批量查询")->geometry(), QRect(227, 129, 65, 65));
    }

    void batchAreaOpensTheBatchWindowUntilItCloses_data() {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("close box") << false;
        QTest::newRow("Esc") << true;
    }

    void batchAreaOpensTheBatchWindowUntilItCloses() {
        QFETCH(bool, byEsc);
        AppState state;
        StartWindow start(state);
        start.show();
        for (int round = 0; round < 2; ++round) {
            Click(start, "透明标签_批量查询");
            QPointer<nomvera::batch::BatchWindow> batch = start.BatchWindow();
            QVERIFY(batch != nullptr);
            QCOMPARE(VisibleWindows(), QList<QWidget*>{batch.data()});
            QVERIFY(QTest::qWaitForWindowActive(batch));
            if (byEsc) {
                QTest::keyClick(&batch->ListView(), Qt::Key_Escape);
            } else {
                batch->close();
            }
            QTRY_VERIFY(batch == nullptr);
            QCOMPARE(VisibleWindows(), QList<QWidget*>{&start});
        }
    }

    void detailAreaOpensTheDetailWindowUntilItCloses() {
        AppState state;
        StartWindow start(state);
        start.show();
        Click(start, "透明标签_高级查询");
        QPointer<nomvera::detail::DetailWindow> detail = start.DetailWindow();
        QVERIFY(detail != nullptr);
        QCOMPARE(VisibleWindows(), QList<QWidget*>{detail.data()});
        QVERIFY(start.BatchWindow() == nullptr);
        detail->close();
        QTRY_VERIFY(detail == nullptr);
        QCOMPARE(VisibleWindows(), QList<QWidget*>{&start});
    }

    void batchListOpensTheDetailWindowForItsRow() {
        AppState state;
        // Nothing listens on port 1: the lookup the window starts fails at once.
        state.addresses.lookupHost = "127.0.0.1:1";
        state.addresses.ipSearchHost = "127.0.0.1:1";
        StartWindow start(state);
        start.show();
        Click(start, "透明标签_批量查询");
        QPointer<nomvera::batch::BatchWindow> batch = start.BatchWindow();
        QVERIFY(batch != nullptr);
        const int row = batch->Model().InsertRow(0, "");
        batch->Model().SetCellText(row, 1, nomvera::web::Local("账号甲"));
        state.openedFromBatchList = true;  // as the batch list's menu entry leaves it
        emit batch->advancedQueryRequested(row);
        auto* detail = batch->findChild<nomvera::detail::DetailWindow*>();
        QVERIFY(detail != nullptr);
        QVERIFY(detail->isVisible());
        QCOMPARE(detail->windowModality(), Qt::WindowModal);
        auto* account = detail->findChild<QLineEdit*>(QStringLiteral("编辑框_淘宝账号"));
        QVERIFY(account != nullptr);
        QTRY_COMPARE(account->text(), QStringLiteral("账号甲"));
        QPointer<nomvera::detail::DetailWindow> watched = detail;
        detail->close();
        QTRY_VERIFY(watched == nullptr);
        QCOMPARE(batch->StatusBar().PartText(0), QStringLiteral(" 高级查询结束！"));
    }

    void escClosesTheStartWindow() {
        AppState state;
        StartWindow start(state);
        QSignalSpy closed(&start, &StartWindow::closed);
        start.show();
        QVERIFY(QTest::qWaitForWindowActive(&start));
        QTest::keyClick(&start, Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!start.isVisible());
    }
};

QTEST_MAIN(StartWindowTest)
#include "StartWindow_test.moc"
