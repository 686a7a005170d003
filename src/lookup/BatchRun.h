#pragma once
// The batch run: every row of the list looked up at once, one worker thread per row. The start
// runs on the GUI thread against the window's own surface; the workers go through
// `workerSurface`, which carries their calls out on the GUI thread (or is thread-safe itself).

#include <memory>

#include "lookup/BatchSurface.h"
#include "lookup/ServiceAddresses.h"
#include "lookup/WorkerHandles.h"

namespace nomvera::lookup {

struct RunState;

enum class BatchStart {
    Started,
    NoAccounts,  // " 没有可查询的淘宝账号！" was written, nothing else changed
    Refused,     // a run is under way; nothing was written
};

class BatchRun {
public:
    // `startRowThread` starts the row workers; a test replaces it to make starts fail.
    BatchRun(BatchSurface& guiSurface, std::shared_ptr<BatchSurface> workerSurface, WorkerHandles& handles,
             ServiceAddresses addresses, WorkerHandles::StartThread startRowThread = &pthread_create);
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    // The 查询 click. Returns at once; the workers announce the end.
    BatchStart Start();

    // From a start until the end text has been carried out (or Stop).
    bool IsRunning() const;

    // The window goes: every worker is asked to stop, its transfer aborted, and the threads are
    // handed to the background joiner. No count or end text is written afterwards.
    void Stop();

private:
    BatchSurface& guiSurface_;
    std::shared_ptr<BatchSurface> workerSurface_;
    WorkerHandles& handles_;
    const ServiceAddresses addresses_;
    const WorkerHandles::StartThread startRowThread_;
    std::shared_ptr<RunState> run_;
};

}  // namespace nomvera::lookup
