#include "lookup/WorkerHandles.h"

#include <memory>
#include <system_error>
#include <utility>

namespace nomvera::lookup {

namespace {

// Sanitizers enlarge frames (redzones, shadow bookkeeping), so their builds get more room.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr std::size_t kSanitizerFactor = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr std::size_t kSanitizerFactor = 4;
#else
constexpr std::size_t kSanitizerFactor = 1;
#endif
#else
constexpr std::size_t kSanitizerFactor = 1;
#endif

void* RunBody(void* argument) {
    std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(argument));
    (*body)();
    return nullptr;
}

void JoinEach(const std::vector<pthread_t>& threads) {
    for (pthread_t thread : threads) pthread_join(thread, nullptr);
}

}  // namespace

WorkerHandles::WorkerHandles(StartThread startThread, std::size_t stackBytes)
    : startThread_(startThread), stackBytes_(stackBytes * kSanitizerFactor) {}

WorkerHandles::~WorkerHandles() {
    JoinAll();
}

bool WorkerHandles::Start(std::function<void()> body) {
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) return false;
    pthread_attr_setstacksize(&attributes, stackBytes_);
    auto owned = std::make_unique<std::function<void()>>(std::move(body));
    pthread_t thread{};
    const bool started = startThread_(&thread, &attributes, &RunBody, owned.get()) == 0;
    pthread_attr_destroy(&attributes);
    if (!started) return false;
    owned.release();  // the thread owns it now
    threads_.push_back(thread);
    return true;
}

void WorkerHandles::Release() {
    if (threads_.empty()) return;
    auto handed = std::make_shared<const std::vector<pthread_t>>(std::move(threads_));
    threads_.clear();
    try {
        joiners_.emplace_back([handed] { JoinEach(*handed); });
    } catch (const std::system_error&) {
        // No thread for the joiner: wait here rather than leave threads unjoined.
        JoinEach(*handed);
    }
}

void WorkerHandles::JoinAll() {
    JoinEach(threads_);
    threads_.clear();
    for (std::thread& joiner : joiners_) joiner.join();
    joiners_.clear();
}

}  // namespace nomvera::lookup
