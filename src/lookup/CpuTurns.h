#pragma once
// Turns on the processor for the batch workers' processor-bound steps (the token script, the
// answer pattern): at most one worker per core runs them at a time. Thousands of runnable
// workers would otherwise share the cores evenly with the GUI thread and starve it; the waits
// for the answers, the long part of a lookup, still overlap without limit.

#include <condition_variable>
#include <mutex>

namespace nomvera::lookup {

class CpuTurns {
public:
    explicit CpuTurns(int turns);

    // One turn per core of the machine, shared by every run.
    static CpuTurns& Shared();

    // Holds a turn until it goes out of scope.
    class Turn {
    public:
        explicit Turn(CpuTurns& turns);
        ~Turn();
        Turn(const Turn&) = delete;
        Turn& operator=(const Turn&) = delete;

    private:
        CpuTurns& turns_;
    };

private:
    std::mutex mutex_;
    std::condition_variable freed_;
    int free_;
};

}  // namespace nomvera::lookup
