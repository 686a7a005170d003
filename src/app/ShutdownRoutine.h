#pragma once
// Owns the program-wide state from start to exit and releases it exactly once, however the
// program ends: returning from main, or std::exit from anywhere (the update check's way out).
//
// The release is registered with std::atexit rather than as a Qt post routine: atexit handlers
// run after main's locals are destroyed, so the windows and the QApplication that refer to the
// state are gone first; and unlike a post routine it still runs when std::exit skips the
// QApplication's destructor.

#include <memory>

#include "app/AppState.h"

namespace nomvera::app {

class ShutdownRoutine {
public:
    using ReleaseObserver = void (*)();

    // Takes the state and arranges for Run at process exit; returns the state for the windows.
    // The observer, if any, is called after each release (tests watch the release with it).
    static AppState& Install(std::unique_ptr<AppState> state, ReleaseObserver observer = nullptr);

    // Releases the installed state. Only the first call after Install does anything; it returns
    // true, every later call false. Safe against concurrent calls.
    static bool Run();
};

}  // namespace nomvera::app
