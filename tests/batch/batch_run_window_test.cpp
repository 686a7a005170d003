// The batch run and the simple query driven through the real batch window on the offscreen
// platform, against the stand-in service on a free loopback port.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QMenu>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "app/AppState.h"
#include "batch/AccountListModel.h"
#include "batch/AccountListView.h"
#include "batch/BatchWindow.h"
#include "batch/LocalText.h"
#include "batch/PartedStatusBar.h"
#include "support/StandInProcess.h"

using nomvera::batch::BatchWindow;
using nomvera::batch::ToLocal;
using nomvera::batch::ToQt;
using nomvera::testing::StandInProcess;
namespace lookup = nomvera::lookup;

namespace {

// A loopback port with nothing listening on it: every connection is refused.
QString ClosedLoopbackHost() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return QStringLiteral("127.0.0.1:%1").arg(ntohs(address.sin_port));
}

StandInProcess& QuickStandIn() {
    static StandInProcess standIn;
    return standIn;
}

// Slow enough that every request is still out when the test closes the window.
StandInProcess& SlowStandIn() {
    static StandInProcess standIn({"--latency-ms", "10000"});
    return standIn;
}

// A shown window over its own state, looking up at `lookupHost`.
struct RunWindow {
    explicit RunWindow(const std::string& lookupHost, const QStringList& accounts)
        : state(Addresses(lookupHost)) {
        window = std::make_unique<BatchWindow>(state);
        window->show();
        std::vector<nomvera::batch::AccountListModel::Row> rows(static_cast<std::size_t>(accounts.size()));
        for (qsizetype i = 0; i < accounts.size(); ++i)
            rows[static_cast<std::size_t>(i)][lookup::kColumnAccount] = ToLocal(accounts[i]);
        window->Model().ReplaceRows(std::move(rows));
    }

    static lookup::ServiceAddresses Addresses(const std::string& lookupHost) {
        lookup::ServiceAddresses addresses;
        addresses.lookupHost = lookupHost;
        addresses.makerPageUrl = "http://127.0.0.1:1/";
        return addresses;
    }

    QString Status() const { return window->StatusBar().PartText(0); }
    QString Cell(int row, int column) const { return ToQt(window->Model().CellText(row, column)); }
    QProgressBar& Progress() const {
        return *window->findChild<QProgressBar*>(QStringLiteral("进度条_查询导出"));
    }

    void Query() {
        for (QAction* action : window->findChild<QToolBar*>(QStringLiteral("工具条_顶部"))->actions()) {
            if (action->text() == QStringLiteral("查询")) action->trigger();
        }
    }
    void SimpleQuery() {
        for (QAction* action : window->findChild<QMenu*>(QStringLiteral("右键"))->actions()) {
            if (action->text() == QStringLiteral("简单查询")) action->trigger();
        }
    }
    void Select(int row) {
        window->ListView().clearSelection();
        if (row >= 0) window->ListView().selectRow(row);
    }

    // Closes and destroys the window, then waits for every thread it started; they must end
    // long before the slow service would have answered.
    void CloseAndJoin() {
        window->close();
        window.reset();
        QElapsedTimer joining;
        joining.start();
        state.workerHandles.JoinAll();
        QVERIFY2(joining.elapsed() < 5000, "the requests in flight were waited out instead of aborted");
        QTest::qWait(50);  // anything still queued for the window would arrive now
    }

    nomvera::app::AppState state;
    std::unique_ptr<BatchWindow> window;
};

const QString kQuerying = QStringLiteral(" 正在批量查询，请稍候……  0%");

}  // namespace

class BatchRunWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(QuickStandIn().running());
        QVERIFY(SlowStandIn().running());
    }

    void aRunWritesEveryRowAndEnds_data() {
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<QStringList>("accounts");
        QTest::addColumn<QStringList>("cleaned");
        QTest::addColumn<QStringList>("grades");
        QTest::newRow("found, not found, empty")
            << true << QStringList{"safe1", "notfound1", "", " safe 2"}
            << QStringList{"safe1", "notfound1", "", "safe2"} << QStringList{"安全", "?", "?", "安全"};
        // Refused connections are failed requests: found, nothing known, not gradable.
        QTest::newRow("unreachable") << false << QStringList{"safe1", "safe2"}
                                     << QStringList{"safe1", "safe2"} << QStringList{"未知", "未知"};
    }
    void aRunWritesEveryRowAndEnds() {
        QFETCH(bool, reachable);
        QFETCH(QStringList, accounts);
        QFETCH(QStringList, cleaned);
        QFETCH(QStringList, grades);
        RunWindow w(reachable ? QuickStandIn().host() : ClosedLoopbackHost().toStdString(), accounts);
        const int rows = static_cast<int>(accounts.size());

        w.Query();
        QCOMPARE(w.Status(), kQuerying);
        QVERIFY(w.Progress().isVisible());
        QCOMPARE(w.Progress().maximum(), rows);

        QTRY_COMPARE_WITH_TIMEOUT(w.Status(), QStringLiteral(" 数据（%1）批量查询结束！").arg(rows), 30000);
        QVERIFY(!w.Progress().isVisible());
        QCOMPARE(w.Progress().value(), rows);
        for (int row = 0; row < rows; ++row) {
            QCOMPARE(w.Cell(row, lookup::kColumnAccount), cleaned[row]);
            QCOMPARE(w.Cell(row, lookup::kColumnGrade), grades[row]);
            if (grades[row] == QStringLiteral("安全")) {
                QCOMPARE(w.Cell(row, lookup::kColumnIdentity), QStringLiteral("买家"));
                QVERIFY(w.Cell(row, lookup::kColumnLink)
                            .startsWith(QStringLiteral("http://rate.taobao.com/user-rate-")));
            }
        }
        // The run is over, so the list may be worked on again and a new run started.
        w.Query();
        QCOMPARE(w.Status(), kQuerying);
        QTRY_COMPARE_WITH_TIMEOUT(w.Status(), QStringLiteral(" 数据（%1）批量查询结束！").arg(rows), 30000);
    }

    void aSecondQueryDuringARunIsRefused() {
        RunWindow w(SlowStandIn().host(), {"safe1", "safe2"});
        w.Query();
        QCOMPARE(w.Status(), kQuerying);
        w.Query();
        QCOMPARE(w.Status(), QStringLiteral(" 批量查询进行中，请等待查询结束！"));
        w.Select(0);
        w.SimpleQuery();
        QCOMPARE(w.Status(), QStringLiteral(" 批量查询进行中，请等待查询结束！"));
        QCOMPARE(w.Cell(0, lookup::kColumnGrade), QString());
        w.CloseAndJoin();
    }

    // Closing while every request is out: the window goes at once, the workers end without
    // their answers and nothing reaches the destroyed list (the sanitizer builds watch for it).
    void closingDuringARunEndsTheWorkers() {
        QStringList accounts;
        for (int i = 0; i < 50; ++i) accounts.append(QStringLiteral("safe%1").arg(i));
        RunWindow w(SlowStandIn().host(), accounts);
        w.Query();
        QTest::qWait(300);  // the workers have cleaned their accounts and sent their requests
        QCOMPARE(w.Cell(49, lookup::kColumnAccount), QStringLiteral("safe49"));
        w.CloseAndJoin();
    }

    void aSimpleQueryFillsTheSelectedRow() {
        RunWindow w(QuickStandIn().host(), {"other", " safe 5 "});
        w.Select(1);
        w.SimpleQuery();
        // The start is shown at once; the lookup itself runs off the GUI thread.
        QCOMPARE(w.Status(), QStringLiteral(" 正在简单查询，请稍候……"));
        QVERIFY(w.Progress().isVisible());
        QCOMPARE(w.Progress().maximum(), 13);
        QCOMPARE(w.Cell(1, lookup::kColumnAccount), QStringLiteral("safe5"));
        QTRY_COMPARE_WITH_TIMEOUT(w.Status(), QStringLiteral(" 简单查询结束！"), 30000);
        QVERIFY(!w.Progress().isVisible());
        QCOMPARE(w.Progress().value(), 13);
        QCOMPARE(w.Cell(1, lookup::kColumnGrade), QStringLiteral("安全"));
        QCOMPARE(w.Cell(1, lookup::kColumnIdentity), QStringLiteral("买家"));
        QCOMPARE(w.Cell(0, lookup::kColumnGrade), QString());
    }

    void aSimpleQueryWithoutASelectedRowDoesNothing() {
        RunWindow w(QuickStandIn().host(), {"safe1"});
        const QString before = w.Status();
        w.Select(-1);
        w.SimpleQuery();
        QTest::qWait(50);
        QCOMPARE(w.Status(), before);
        QVERIFY(!w.Progress().isVisible());
        QCOMPARE(w.Cell(0, lookup::kColumnLink), QString());
    }

    void closingDuringASimpleQueryEndsIt() {
        RunWindow w(SlowStandIn().host(), {"safe1"});
        w.Select(0);
        w.SimpleQuery();
        QCOMPARE(w.Status(), QStringLiteral(" 正在简单查询，请稍候……"));
        w.CloseAndJoin();
    }
};

QTEST_MAIN(BatchRunWindowTest)
#include "batch_run_window_test.moc"
