// The GUI-thread proxy: a worker's calls are carried out on the GUI thread in the worker's order,
// a read sees the worker's earlier writes, and once the window goes nothing reaches it and a read
// that was waiting returns.

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "batch/GuiThreadSurface.h"

namespace nomvera::batch {
namespace {

// A GUI-thread-only surface that fails the test when touched from another thread.
class RecordingSurface final : public lookup::BatchSurface {
public:
    int RowCount() override {
        Touch("rows");
        return rows;
    }
    std::string CellText(int row, int column) override {
        Touch("read " + std::to_string(row) + " " + std::to_string(column));
        return cells[Key(row, column)];
    }
    void SetCellText(int row, int column, const std::string& text) override {
        Touch("write " + std::to_string(row) + " " + std::to_string(column) + " " + text);
        cells[Key(row, column)] = text;
    }
    void SetStatusText(const std::string& text) override { Touch("status " + text); }
    void SetImportExportBoxVisible(bool) override { Touch("box"); }
    void SetProgressVisible(bool) override { Touch("progress"); }
    void SetProgressMaximum(int) override { Touch("maximum"); }
    void SetProgressPosition(int position) override { Touch("position " + std::to_string(position)); }

    std::vector<std::string> calls;
    bool offGuiThread = false;
    int rows = 3;

private:
    static std::string Key(int row, int column) { return std::to_string(row) + ":" + std::to_string(column); }
    void Touch(std::string call) {
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) offGuiThread = true;
        calls.push_back(std::move(call));
    }
    std::map<std::string, std::string> cells;
};

}  // namespace

class GuiThreadSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void workerCallsRunOnTheGuiThreadInTheirOrder() {
        RecordingSurface target;
        QObject window;
        auto proxy = std::make_shared<GuiThreadSurface>(target, window);
        std::vector<std::string> readBack;
        std::atomic<bool> done{false};
        std::thread worker([&] {
            for (int i = 0; i < 200; ++i) {
                proxy->SetCellText(0, 1, "v" + std::to_string(i));
                proxy->SetProgressPosition(i);
                readBack.push_back(proxy->CellText(0, 1));  // must see the write just before it
            }
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done.load(), 20000);
        worker.join();
        QVERIFY(!target.offGuiThread);
        QCOMPARE(target.calls.size(), std::size_t{600});
        for (int i = 0; i < 200; ++i) {
            const std::size_t at = static_cast<std::size_t>(i) * 3;
            QCOMPARE(target.calls[at], "write 0 1 v" + std::to_string(i));
            QCOMPARE(target.calls[at + 1], "position " + std::to_string(i));
            QCOMPARE(readBack[static_cast<std::size_t>(i)], "v" + std::to_string(i));
        }
    }

    // On the GUI thread itself writes stay queued behind the workers', and a read first carries
    // out what is queued, so it too sees the writes issued before it.
    void aGuiThreadReadCarriesOutTheQueuedWritesFirst() {
        RecordingSurface target;
        QObject window;
        GuiThreadSurface proxy(target, window);
        proxy.SetCellText(2, 3, "x");
        QVERIFY(target.calls.empty());
        QCOMPARE(proxy.CellText(2, 3), std::string("x"));
        QCOMPARE(target.calls, (std::vector<std::string>{"write 2 3 x", "read 2 3"}));
    }

    // A read waiting for the GUI thread when the window is destroyed returns instead of hanging;
    // the queued write before it is dropped unrun, and later calls do nothing.
    void aPendingReadReturnsWhenTheWindowIsDestroyed() {
        RecordingSurface target;
        auto window = std::make_unique<QObject>();
        auto proxy = std::make_shared<GuiThreadSurface>(target, *window);
        std::atomic<bool> returned{false};
        std::string read = "unset";
        std::thread worker([&] {
            proxy->SetStatusText("dropped");
            read = proxy->CellText(0, 0);
            returned = true;
        });
        // The GUI thread processes no events here, so the worker's calls stay queued.
        QThread::msleep(200);
        QVERIFY(!returned.load());
        window.reset();
        QTRY_VERIFY_WITH_TIMEOUT(returned.load(), 10000);
        worker.join();
        QCOMPARE(read, std::string());
        QCoreApplication::processEvents();
        proxy->SetStatusText("after");
        QCOMPARE(proxy->RowCount(), 0);
        QCoreApplication::processEvents();
        QVERIFY(target.calls.empty());
    }

    void detachDropsQueuedCallsAndWakesWaitingReads() {
        RecordingSurface target;
        QObject window;
        auto proxy = std::make_shared<GuiThreadSurface>(target, window);
        std::atomic<bool> returned{false};
        int rows = -1;
        std::thread worker([&] {
            proxy->SetCellText(0, 1, "dropped");
            rows = proxy->RowCount();
            returned = true;
        });
        QThread::msleep(200);
        proxy->Detach();
        QTRY_VERIFY_WITH_TIMEOUT(returned.load(), 10000);
        worker.join();
        QCOMPARE(rows, 0);
        proxy->SetCellText(0, 1, "after");
        QCoreApplication::processEvents();
        QVERIFY(target.calls.empty());
    }
};

}  // namespace nomvera::batch

QTEST_GUILESS_MAIN(nomvera::batch::GuiThreadSurfaceTest)
#include "gui_thread_surface_test.moc"
