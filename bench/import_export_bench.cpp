// Import and export of 100,000 rows through the real batch window (offscreen), each file kind,
// and what letting window events run once per row costs by itself.
//
//   QT_QPA_PLATFORM=offscreen build/bench/nomvera_import_export_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/AppState.h"
#include "batch/AccountFiles.h"
#include "batch/AccountListModel.h"
#include "batch/BatchWindow.h"
#include "web/CodePage.h"

namespace {

using nomvera::batch::AccountListModel;
using nomvera::batch::BatchWindow;

constexpr int kRows = 100000;

// Rows as a looked-up list holds them: an account, its rating page and twelve short results.
std::vector<AccountListModel::Row> LookedUpRows() {
    std::vector<AccountListModel::Row> rows(kRows);
    const std::string identity = nomvera::web::Local("买家"), grade = nomvera::web::Local("安全");
    for (int i = 0; i < kRows; ++i) {
        AccountListModel::Row& row = rows[static_cast<std::size_t>(i)];
        row[0] = "http://rate.taobao.com/user-rate-" + std::to_string(1000000 + i) + ".htm";
        row[1] = nomvera::web::Local("账号") + std::to_string(i);
        row[2] = grade;
        for (int column = 3; column <= 10; ++column)
            row[static_cast<std::size_t>(column)] = std::to_string(i % 7);
        row[11] = identity;
        row[12] = "2015-03-21";
        row[13] = nomvera::web::Local("支付宝个人认证");
    }
    return rows;
}

struct Window {
    nomvera::app::AppState state;
    BatchWindow window{state};
    QTemporaryDir dir;
    Window() { window.show(); }
};

Window& SharedWindow() {
    static Window window;
    return window;
}

void BM_TextExport(benchmark::State& state) {
    Window& w = SharedWindow();
    w.window.Model().ReplaceRows(LookedUpRows());
    for (auto _ : state) w.window.Files().ExportTextFile(w.dir.filePath("list.txt"));
}

void BM_TextImport(benchmark::State& state) {
    Window& w = SharedWindow();
    w.window.Model().ReplaceRows(LookedUpRows());
    w.window.Files().ExportTextFile(w.dir.filePath("list.txt"));
    for (auto _ : state) w.window.Files().ImportTextFile(w.dir.filePath("list.txt"));
    if (w.window.Model().RowCount() != kRows) state.SkipWithError("wrong row count");
}

void BM_WorkbookExport(benchmark::State& state) {
    Window& w = SharedWindow();
    w.window.Model().ReplaceRows(LookedUpRows());
    for (auto _ : state) w.window.Files().ExportWorkbook(w.dir.filePath("list.xlsx"));
}

void BM_WorkbookImport(benchmark::State& state) {
    Window& w = SharedWindow();
    w.window.Model().ReplaceRows(LookedUpRows());
    w.window.Files().ExportWorkbook(w.dir.filePath("list.xlsx"));
    for (auto _ : state) w.window.Files().ImportWorkbook(w.dir.filePath("list.xlsx"));
    if (w.window.Model().RowCount() != kRows) state.SkipWithError("wrong row count");
}

// The share of the workbook runs that is the once-per-row event processing.
void BM_ProcessEventsPerRow(benchmark::State& state) {
    SharedWindow();
    for (auto _ : state) {
        for (int i = 0; i < kRows; ++i) QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_TextExport)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_TextImport)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_WorkbookExport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WorkbookImport)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ProcessEventsPerRow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
