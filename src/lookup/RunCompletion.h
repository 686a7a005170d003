#pragma once
// The completion step of a batch run: each finished row is counted, shown on the progress bar
// and as a percentage, and the row that brings it to 100 % announces the end. Called by many
// workers at once; the count and the texts it writes form one indivisible step.

#include <atomic>
#include <mutex>

#include "lookup/BatchSurface.h"

namespace nomvera::lookup {

class RunCompletion {
public:
    // Counts one finished row. At 100 % the progress bar is hidden and the end text written,
    // once; only after the surface has carried that out does the run report not running.
    void CountFinished(BatchSurface& surface);

    bool IsRunning() const { return running_.load(); }

    // The run is given up (its window goes): later counts write nothing.
    void Abandon();

private:
    std::mutex mutex_;
    int finished_ = 0;
    bool ended_ = false;
    std::atomic<bool> abandoned_{false};
    std::atomic<bool> running_{true};
};

}  // namespace nomvera::lookup
