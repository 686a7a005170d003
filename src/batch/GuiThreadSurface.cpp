#include "batch/GuiThreadSurface.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <utility>

namespace nomvera::batch {

// Shared by the surface and the GUI thread's drain. Every call waits in one queue, in the order
// it was issued, and the GUI thread carries the queue out in slices, so that a flood of worker
// calls never keeps it from its timers and input for long. `target` is used on the GUI thread only.
struct GuiThreadSurface::Link {
    using Call = std::function<void(lookup::BatchSurface&)>;

    std::mutex mutex;
    QObject* relay = nullptr;  // under `mutex`; null once the window is gone
    std::deque<Call> calls;    // under `mutex`
    bool drainPosted = false;  // under `mutex`
    QThread* guiThread = nullptr;
    lookup::BatchSurface* target = nullptr;

    // Drops whatever is queued; reads waiting in it are woken as their calls are destroyed.
    void Cut() {
        std::deque<Call> dropped;
        {
            std::lock_guard<std::mutex> lock(mutex);
            relay = nullptr;
            dropped.swap(calls);
        }
        target = nullptr;
    }
};

namespace {

using Link = GuiThreadSurface::Link;

// Long enough to carry out a few thousand calls, short enough that nobody sees the window pause.
constexpr auto kDrainSlice = std::chrono::milliseconds(4);

// The answer to one read, handed from the GUI thread to the waiting worker.
template <typename T>
struct Reply {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    T value{};
};

// Lives inside the queued read. Its end wakes the reader, whether the read was carried out or
// dropped unrun because the window went.
template <typename T>
struct ReplyGuard {
    explicit ReplyGuard(std::shared_ptr<Reply<T>> r) : reply(std::move(r)) {}
    ~ReplyGuard() {
        {
            std::lock_guard<std::mutex> lock(reply->mutex);
            reply->finished = true;
        }
        reply->done.notify_one();
    }
    ReplyGuard(const ReplyGuard&) = delete;
    ReplyGuard& operator=(const ReplyGuard&) = delete;
    std::shared_ptr<Reply<T>> reply;
};

void PostDrain(const std::shared_ptr<Link>& link);

// On the GUI thread: carries out queued calls, for one slice at most unless `all`.
void Drain(const std::shared_ptr<Link>& link, bool all) {
    const auto until = std::chrono::steady_clock::now() + kDrainSlice;
    for (;;) {
        Link::Call call;
        {
            std::lock_guard<std::mutex> lock(link->mutex);
            if (link->calls.empty()) {
                link->drainPosted = false;
                return;
            }
            if (!all && std::chrono::steady_clock::now() > until) {
                PostDrain(link);  // the rest after the events that are waiting
                return;
            }
            call = std::move(link->calls.front());
            link->calls.pop_front();
        }
        if (link->target != nullptr) call(*link->target);
    }
}

// With `link->mutex` held.
void PostDrain(const std::shared_ptr<Link>& link) {
    link->drainPosted = true;
    std::weak_ptr<Link> weak = link;
    QMetaObject::invokeMethod(
        link->relay,
        [weak] {
            if (std::shared_ptr<Link> strong = weak.lock()) Drain(strong, false);
        },
        Qt::QueuedConnection);
}

void Post(const std::shared_ptr<Link>& link, Link::Call call) {
    std::lock_guard<std::mutex> lock(link->mutex);
    if (link->relay == nullptr) return;
    link->calls.push_back(std::move(call));
    if (!link->drainPosted) PostDrain(link);
}

template <typename T>
T Ask(const std::shared_ptr<Link>& link, std::function<T(lookup::BatchSurface&)> read) {
    if (QThread::currentThread() == link->guiThread) {
        // Waiting for the queue would wait for ourselves: carry out what is queued, then read.
        Drain(link, true);
        return link->target != nullptr ? read(*link->target) : T{};
    }
    auto reply = std::make_shared<Reply<T>>();
    {
        auto guard = std::make_shared<ReplyGuard<T>>(reply);
        Post(link, [read = std::move(read), guard](lookup::BatchSurface& target) {
            T value = read(target);
            std::lock_guard<std::mutex> replyLock(guard->reply->mutex);
            guard->reply->value = std::move(value);
        });
    }  // from here only the queued call holds the guard
    std::unique_lock<std::mutex> lock(reply->mutex);
    reply->done.wait(lock, [&reply] { return reply->finished; });
    return std::move(reply->value);
}

}  // namespace

GuiThreadSurface::GuiThreadSurface(lookup::BatchSurface& target, QObject& context)
    : link_(std::make_shared<Link>()) {
    link_->relay = new QObject(&context);
    link_->guiThread = context.thread();
    link_->target = &target;
    // The window's destruction takes the relay with it; from then on nothing reaches the window.
    QObject::connect(link_->relay, &QObject::destroyed, [link = link_] { link->Cut(); });
}

GuiThreadSurface::~GuiThreadSurface() = default;

void GuiThreadSurface::Detach() {
    link_->Cut();
}

int GuiThreadSurface::RowCount() {
    return Ask<int>(link_, [](lookup::BatchSurface& s) { return s.RowCount(); });
}

std::string GuiThreadSurface::CellText(int row, int column) {
    return Ask<std::string>(link_,
                            [row, column](lookup::BatchSurface& s) { return s.CellText(row, column); });
}

void GuiThreadSurface::SetCellText(int row, int column, const std::string& text) {
    Post(link_, [row, column, text](lookup::BatchSurface& s) { s.SetCellText(row, column, text); });
}

void GuiThreadSurface::SetStatusText(const std::string& text) {
    Post(link_, [text](lookup::BatchSurface& s) { s.SetStatusText(text); });
}

void GuiThreadSurface::SetImportExportBoxVisible(bool visible) {
    Post(link_, [visible](lookup::BatchSurface& s) { s.SetImportExportBoxVisible(visible); });
}

void GuiThreadSurface::SetProgressVisible(bool visible) {
    Post(link_, [visible](lookup::BatchSurface& s) { s.SetProgressVisible(visible); });
}

void GuiThreadSurface::SetProgressMaximum(int maximum) {
    Post(link_, [maximum](lookup::BatchSurface& s) { s.SetProgressMaximum(maximum); });
}

void GuiThreadSurface::SetProgressPosition(int position) {
    Post(link_, [position](lookup::BatchSurface& s) { s.SetProgressPosition(position); });
}

}  // namespace nomvera::batch
