#include "batch/GuiThreadSurface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <utility>

namespace nomvera::batch {

// Shared by the surface and every queued call. `relay` is read by workers under `mutex`, so it
// cannot be destroyed while a call is being posted to it; `target` is used on the GUI thread only.
struct GuiThreadSurface::Link {
    std::mutex mutex;
    QObject* relay = nullptr;
    QThread* guiThread = nullptr;
    lookup::BatchSurface* target = nullptr;

    void Cut() {
        std::lock_guard<std::mutex> lock(mutex);
        relay = nullptr;
        target = nullptr;
    }
};

namespace {

using Link = GuiThreadSurface::Link;

// The answer to one read, handed from the GUI thread to the waiting worker.
template <typename T>
struct Reply {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    T value{};
};

// Lives inside the queued call. Its end wakes the reader, whether the call was carried out or
// dropped unrun because the window went: Qt destroys the call either way.
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

void Post(const std::shared_ptr<Link>& link, std::function<void(lookup::BatchSurface&)> call) {
    std::lock_guard<std::mutex> lock(link->mutex);
    if (link->relay == nullptr) return;
    QMetaObject::invokeMethod(
        link->relay,
        [link, call = std::move(call)] {
            if (link->target != nullptr) call(*link->target);
        },
        Qt::QueuedConnection);
}

template <typename T>
T Ask(const std::shared_ptr<Link>& link, std::function<T(lookup::BatchSurface&)> read) {
    if (QThread::currentThread() == link->guiThread) {
        // Waiting for the queue would wait for ourselves: carry out what is queued, then read.
        if (link->relay == nullptr) return T{};
        QCoreApplication::sendPostedEvents(link->relay, QEvent::MetaCall);
        return link->target != nullptr ? read(*link->target) : T{};
    }
    auto reply = std::make_shared<Reply<T>>();
    {
        std::lock_guard<std::mutex> lock(link->mutex);
        if (link->relay == nullptr) return T{};
        auto guard = std::make_shared<ReplyGuard<T>>(reply);
        QMetaObject::invokeMethod(
            link->relay,
            [link, read = std::move(read), guard] {
                if (link->target == nullptr) return;
                T value = read(*link->target);
                std::lock_guard<std::mutex> replyLock(guard->reply->mutex);
                guard->reply->value = std::move(value);
            },
            Qt::QueuedConnection);
    }
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
    QObject* relay = nullptr;
    {
        std::lock_guard<std::mutex> lock(link_->mutex);
        relay = link_->relay;
    }
    link_->Cut();
    // Drops the queued calls now; waiting reads are woken as their calls are destroyed.
    if (relay != nullptr) QCoreApplication::removePostedEvents(relay, QEvent::MetaCall);
}

int GuiThreadSurface::RowCount() {
    return Ask<int>(link_, [](lookup::BatchSurface& s) { return s.RowCount(); });
}

std::string GuiThreadSurface::CellText(int row, int column) {
    return Ask<std::string>(link_, [row, column](lookup::BatchSurface& s) { return s.CellText(row, column); });
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
