#include "app/ShutdownRoutine.h"

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace nomvera::app {
namespace {

std::atomic<AppState*> installedState{nullptr};
std::atomic<ShutdownRoutine::ReleaseObserver> releaseObserver{nullptr};
std::once_flag atExitRegistered;

void RunAtExit() {
    ShutdownRoutine::Run();
}

}  // namespace

AppState& ShutdownRoutine::Install(std::unique_ptr<AppState> state, ReleaseObserver observer) {
    AppState& installed = *state;
    releaseObserver.store(observer);
    std::call_once(atExitRegistered, [] { std::atexit(&RunAtExit); });
    // A second Install replaces the first state; the old one is released at once.
    delete installedState.exchange(state.release());
    return installed;
}

bool ShutdownRoutine::Run() {
    AppState* state = installedState.exchange(nullptr);
    if (state == nullptr) return false;
    // ~AppState ends with the worker handles, which wait for any worker still running, so
    // nothing a worker uses is freed under it.
    delete state;
    if (ReleaseObserver observer = releaseObserver.load()) observer();
    return true;
}

}  // namespace nomvera::app
