#include "lookup/BatchRun.h"

#include <string>
#include <utility>

#include "lookup/QueryRow.h"
#include "lookup/RowOperations.h"
#include "web/CodePage.h"

namespace nomvera::lookup {

namespace {

bool AnyAccount(BatchSurface& surface, int rows) {
    for (int row = 0; row < rows; ++row) {
        if (!surface.CellText(row, kColumnAccount).empty()) return true;  // spaces count
    }
    return false;
}

// Runs on a thread of its own, so that the GUI thread neither pays for thousands of thread
// starts nor competes with the first workers while it starts the rest. It waits for its row
// threads before it ends, so joining it joins them.
void LaunchRows(RunState& run, BatchSurface& surface, int rows, WorkerHandles::StartThread startRowThread) {
    WorkerHandles rowThreads(startRowThread);
    for (int k = 1; k <= rows && !run.stop.load(); ++k) {
        if (!rowThreads.Start([&run, &surface, k] { QueryRow(k, surface, run); })) {
            FinishUnstartedRow(k, surface, run);
        }
    }
}

}  // namespace

BatchRun::BatchRun(BatchSurface& guiSurface, std::shared_ptr<BatchSurface> workerSurface,
                   WorkerHandles& handles, ServiceAddresses addresses,
                   WorkerHandles::StartThread startRowThread)
    : guiSurface_(guiSurface),
      workerSurface_(std::move(workerSurface)),
      handles_(handles),
      addresses_(std::move(addresses)),
      startRowThread_(startRowThread) {}

BatchRun::~BatchRun() {
    Stop();
}

bool BatchRun::IsRunning() const {
    return run_ && run_->completion.IsRunning();
}

BatchStart BatchRun::Start() {
    if (IsRunning()) return BatchStart::Refused;
    const int rows = guiSurface_.RowCount();
    if (!AnyAccount(guiSurface_, rows)) {
        guiSurface_.SetStatusText(web::Local(" 没有可查询的淘宝账号！"));
        return BatchStart::NoAccounts;
    }
    guiSurface_.SetStatusText(web::Local(" 正在批量查询，请稍候……  0%"));
    guiSurface_.SetImportExportBoxVisible(false);
    guiSurface_.SetProgressPosition(0);
    guiSurface_.SetProgressVisible(true);
    guiSurface_.SetProgressMaximum(rows);
    for (int row = 0; row < rows; ++row) ResetRowForQuery(guiSurface_, row, addresses_.makerPageUrl);

    // The previous run has ended, so its threads are ending too.
    handles_.Release();
    run_ = std::make_shared<RunState>(addresses_);
    std::shared_ptr<RunState> run = run_;
    std::shared_ptr<BatchSurface> surface = workerSurface_;
    const WorkerHandles::StartThread startRowThread = startRowThread_;
    const bool launched = handles_.Start(
        [run, surface, rows, startRowThread] { LaunchRows(*run, *surface, rows, startRowThread); });
    if (!launched) {
        for (int k = 1; k <= rows; ++k) FinishUnstartedRow(k, *workerSurface_, *run_);
    }
    return BatchStart::Started;
}

void BatchRun::Stop() {
    if (run_) {
        run_->stop.store(true);
        run_->completion.Abandon();
    }
    handles_.Release();
}

}  // namespace nomvera::lookup
