#include "lookup/CpuTurns.h"

#include <algorithm>
#include <thread>

namespace nomvera::lookup {

CpuTurns::CpuTurns(int turns) : free_(std::max(1, turns)) {}

CpuTurns& CpuTurns::Shared() {
    static CpuTurns shared(static_cast<int>(std::thread::hardware_concurrency()));
    return shared;
}

CpuTurns::Turn::Turn(CpuTurns& turns) : turns_(turns) {
    std::unique_lock<std::mutex> lock(turns_.mutex_);
    turns_.freed_.wait(lock, [this] { return turns_.free_ > 0; });
    --turns_.free_;
}

CpuTurns::Turn::~Turn() {
    {
        std::lock_guard<std::mutex> lock(turns_.mutex_);
        ++turns_.free_;
    }
    turns_.freed_.notify_one();
}

}  // namespace nomvera::lookup
