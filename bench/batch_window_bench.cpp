// A batch run of 1,000 and of 5,000 rows in the real batch window on the offscreen platform,
// against the stand-in service answering after 200 ms: the time from the 查询 click to the end
// text, the peak resident memory, the longest time the GUI thread went without processing events
// (a 1 ms timer measures the gaps between its ticks) and how many rows were filled.
// Usage: nomvera_batch_window_bench [rows...]   (default: 1000 5000)

#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "batch/AccountListModel.h"
#include "batch/BatchWindow.h"
#include "batch/LocalText.h"
#include "batch/PartedStatusBar.h"
#include "support/StandInProcess.h"

namespace {

using nomvera::batch::BatchWindow;

struct Figures {
    double endMs = -1;  // -1: the end text never came
    double longestGapMs = 0;
    double clickMs = 0;  // the click handler itself, on the GUI thread
    long peakRssMb = 0;
    int filledRows = 0;
};

long PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

QAction* QueryAction(BatchWindow& window) {
    for (QToolBar* toolbar : window.findChildren<QToolBar*>()) {
        for (QAction* action : toolbar->actions()) {
            if (action->text() == QStringLiteral("查询")) return action;
        }
    }
    return nullptr;
}

Figures RunOnce(const std::string& lookupHost, int rows) {
    Figures figures;
    nomvera::lookup::ServiceAddresses addresses;
    addresses.lookupHost = lookupHost;
    nomvera::app::AppState state(addresses);
    {
        BatchWindow window(state);
        window.show();
        std::vector<nomvera::batch::AccountListModel::Row> list(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) list[static_cast<std::size_t>(i)][1] = "safe" + std::to_string(i);
        window.Model().ReplaceRows(std::move(list));
        QAction* query = QueryAction(window);
        if (query == nullptr) return figures;

        const QString endText = QStringLiteral(" 数据（%1）批量查询结束！").arg(rows);
        QElapsedTimer sinceClick;
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            figures.longestGapMs =
                std::max(figures.longestGapMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
            if (window.StatusBar().PartText(0) == endText) {
                figures.endMs = static_cast<double>(sinceClick.nsecsElapsed()) / 1e6;
                QApplication::quit();
            } else if (sinceClick.elapsed() > 120000) {
                QApplication::quit();  // give up: the figures show that the end never came
            }
        });
        QTimer::singleShot(0, [&] {
            sinceClick.start();
            sinceTick.start();
            ticker.start();
            query->trigger();
            figures.clickMs = static_cast<double>(sinceClick.nsecsElapsed()) / 1e6;
        });
        QApplication::exec();
        ticker.stop();
        for (int row = 0; row < rows; ++row) {
            if (!window.Model().CellText(row, 11).empty()) ++figures.filledRows;
        }
    }
    figures.peakRssMb = PeakRssMb();
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {1000, 5000};

    nomvera::testing::StandInProcess standIn({"--latency-ms", "200", "--threads", "2"});
    if (!standIn.running()) {
        std::fprintf(stderr, "the stand-in service did not start\n");
        return 1;
    }
    bool allMet = true;
    for (int rows : sizes) {
        const Figures f = RunOnce(standIn.host(), rows);
        const bool met = f.endMs >= 0 && f.filledRows == rows && f.peakRssMb <= 400 &&
                         f.longestGapMs <= 100 && (rows > 1000 || f.endMs <= 1500);
        allMet = allMet && met;
        std::printf(
            "rows %5d: end text after %8.1f ms, longest GUI gap %7.1f ms (click handler %6.1f ms), "
            "peak RSS %4ld MB, filled %d/%d%s\n",
            rows, f.endMs, f.longestGapMs, f.clickMs, f.peakRssMb, f.filledRows, rows,
            met ? "" : "  (goal missed)");
    }
    return allMet ? 0 : 2;
}
