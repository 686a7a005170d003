#pragma once
// The simple query of the selected row. What the user sees comes in the batch worker's order
// (reset, cleaned account, filled columns with the progress bar stepped per column, grade, end
// text), but the request and its parsing run on a worker thread so that the window stays
// responsive; the rest reaches the window through `workerSurface`, in order.

#include <memory>

#include "lookup/BatchSurface.h"
#include "lookup/ServiceAddresses.h"
#include "lookup/WorkerHandles.h"

namespace nomvera::lookup {

class SimpleQuery {
public:
    SimpleQuery(BatchSurface& guiSurface, std::shared_ptr<BatchSurface> workerSurface, WorkerHandles& handles,
                ServiceAddresses addresses);
    ~SimpleQuery();
    SimpleQuery(const SimpleQuery&) = delete;
    SimpleQuery& operator=(const SimpleQuery&) = delete;

    // On the GUI thread with the selected row, -1 for none (then nothing at all happens). false
    // when nothing was started: no row, or a simple query still under way.
    bool Start(int row);

    // From a start until the end text has been carried out (or Stop).
    bool IsRunning() const;

    // The window goes: the request is aborted and nothing more is written.
    void Stop();

private:
    struct Query;

    BatchSurface& guiSurface_;
    std::shared_ptr<BatchSurface> workerSurface_;
    WorkerHandles& handles_;
    const ServiceAddresses addresses_;
    std::shared_ptr<Query> query_;
};

}  // namespace nomvera::lookup
