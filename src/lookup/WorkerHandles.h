#pragma once
// The threads of the batch run. They are started with small stacks, so that one thread per row
// scales to thousands of rows, and are never killed: the owner asks them to stop (a flag they
// check) and hands them to a background joiner, so closing a window never waits for them. The
// destructor joins whatever is left, so nothing a thread uses is released under it.
// Used from one thread (the GUI thread); the workers themselves never see this object.

#include <pthread.h>

#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

namespace nomvera::lookup {

// Room for the script engine's native recursion on the token script, PCRE2's on-stack start
// frames and JIT stack, and libcurl; sanitizer builds get more (see WorkerHandles.cpp).
inline constexpr std::size_t kWorkerStackBytes = 256u * 1024u;

class WorkerHandles {
public:
    // The system's thread start, replaceable so that a test can make it refuse.
    using StartThread = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);

    explicit WorkerHandles(StartThread startThread = &pthread_create,
                           std::size_t stackBytes = kWorkerStackBytes);
    ~WorkerHandles();
    WorkerHandles(const WorkerHandles&) = delete;
    WorkerHandles& operator=(const WorkerHandles&) = delete;

    // Starts one thread running `body`; false, and `body` never runs, when the system refuses.
    bool Start(std::function<void()> body);

    // Hands every thread started so far to a background joiner and returns at once; afterwards
    // the set is empty. Whoever calls it has asked those threads to stop, or knows they end.
    void Release();

    // Waits for every thread, those already handed to the joiner included.
    void JoinAll();

    // Threads started and not yet released.
    std::size_t Count() const { return threads_.size(); }

private:
    StartThread startThread_;
    std::size_t stackBytes_;
    std::vector<pthread_t> threads_;
    std::vector<std::thread> joiners_;
};

}  // namespace nomvera::lookup
