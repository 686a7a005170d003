// The start window leads to the batch window and comes back when that closes; Esc closes windows
// exactly as their close boxes do.

#include "app/StartWindow.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "app/AppState.h"
#include "app/HotArea.h"
#include "batch/AccountListView.h"
#include "batch/BatchWindow.h"

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

    void detailAreaOpensNothingYet() {
        AppState state;
        StartWindow start(state);
        start.show();
        Click(start, "透明标签_高级查询");
        QCOMPARE(VisibleWindows(), QList<QWidget*>{&start});
        QVERIFY(start.BatchWindow() == nullptr);
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
