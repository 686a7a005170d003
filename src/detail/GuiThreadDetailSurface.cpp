#include "detail/GuiThreadDetailSurface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace nomvera::detail {

// Shared by the surface and every queued call. `relay` is read by the worker under `mutex`, so it
// cannot go away while a call is being posted to it; `target` is used on the GUI thread only.
struct GuiThreadDetailSurface::Link {
    std::mutex mutex;
    QObject* relay = nullptr;
    QThread* guiThread = nullptr;
    DetailSurface* target = nullptr;

    void Cut() {
        std::lock_guard<std::mutex> lock(mutex);
        relay = nullptr;
        target = nullptr;
    }
};

namespace {

using Link = GuiThreadDetailSurface::Link;

struct Reply {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::string value;
};

// Lives inside the queued read; its end wakes the reader whether the read was carried out or
// dropped unrun because the window went.
struct ReplyGuard {
    explicit ReplyGuard(std::shared_ptr<Reply> r) : reply(std::move(r)) {}
    ~ReplyGuard() {
        {
            std::lock_guard<std::mutex> lock(reply->mutex);
            reply->finished = true;
        }
        reply->done.notify_one();
    }
    ReplyGuard(const ReplyGuard&) = delete;
    ReplyGuard& operator=(const ReplyGuard&) = delete;
    std::shared_ptr<Reply> reply;
};

}  // namespace

GuiThreadDetailSurface::GuiThreadDetailSurface(DetailSurface& target, QObject& context)
    : link_(std::make_shared<Link>()) {
    link_->relay = new QObject(&context);
    link_->guiThread = context.thread();
    link_->target = &target;
    QObject::connect(link_->relay, &QObject::destroyed, [link = link_] { link->Cut(); });
}

GuiThreadDetailSurface::~GuiThreadDetailSurface() = default;

void GuiThreadDetailSurface::Detach() {
    QObject* relay = nullptr;
    {
        std::lock_guard<std::mutex> lock(link_->mutex);
        relay = link_->relay;
    }
    link_->Cut();
    // Drops what is queued now; a waiting read wakes as its call is destroyed.
    if (relay != nullptr) QCoreApplication::removePostedEvents(relay, QEvent::MetaCall);
}

void GuiThreadDetailSurface::Post(std::function<void()> call) {
    std::lock_guard<std::mutex> lock(link_->mutex);
    if (link_->relay == nullptr) return;
    QMetaObject::invokeMethod(
        link_->relay,
        [link = link_, call = std::move(call)] {
            if (link->target != nullptr) call();
        },
        Qt::QueuedConnection);
}

void GuiThreadDetailSurface::PostToTarget(std::function<void(DetailSurface&)> call) {
    std::lock_guard<std::mutex> lock(link_->mutex);
    if (link_->relay == nullptr) return;
    QMetaObject::invokeMethod(
        link_->relay,
        [link = link_, call = std::move(call)] {
            if (link->target != nullptr) call(*link->target);
        },
        Qt::QueuedConnection);
}

std::string GuiThreadDetailSurface::Text(std::string_view control) {
    const std::string name(control);
    if (QThread::currentThread() == link_->guiThread) {
        // Waiting for the queue would wait for ourselves: carry out what is queued, then read.
        if (link_->relay == nullptr) return std::string();
        QCoreApplication::sendPostedEvents(link_->relay, QEvent::MetaCall);
        return link_->target != nullptr ? link_->target->Text(name) : std::string();
    }
    auto reply = std::make_shared<Reply>();
    {
        std::lock_guard<std::mutex> lock(link_->mutex);
        if (link_->relay == nullptr) return std::string();
        auto guard = std::make_shared<ReplyGuard>(reply);
        QMetaObject::invokeMethod(
            link_->relay,
            [link = link_, name, guard] {
                if (link->target == nullptr) return;
                std::string value = link->target->Text(name);
                std::lock_guard<std::mutex> replyLock(guard->reply->mutex);
                guard->reply->value = std::move(value);
            },
            Qt::QueuedConnection);
    }
    std::unique_lock<std::mutex> lock(reply->mutex);
    reply->done.wait(lock, [&reply] { return reply->finished; });
    return std::move(reply->value);
}

void GuiThreadDetailSurface::SetText(std::string_view control, const std::string& text) {
    PostToTarget([name = std::string(control), text](DetailSurface& s) { s.SetText(name, text); });
}

void GuiThreadDetailSurface::SetTextColour(std::string_view control, Rgb colour) {
    PostToTarget([name = std::string(control), colour](DetailSurface& s) { s.SetTextColour(name, colour); });
}

void GuiThreadDetailSurface::SetEnabled(std::string_view control, bool enabled) {
    PostToTarget([name = std::string(control), enabled](DetailSurface& s) { s.SetEnabled(name, enabled); });
}

void GuiThreadDetailSurface::SetCaption(std::string_view control, const std::string& text) {
    PostToTarget([name = std::string(control), text](DetailSurface& s) { s.SetCaption(name, text); });
}

void GuiThreadDetailSurface::SetPicture(std::string_view control, const std::string& imageBytes) {
    PostToTarget(
        [name = std::string(control), imageBytes](DetailSurface& s) { s.SetPicture(name, imageBytes); });
}

void GuiThreadDetailSurface::SetGradePicture(GradePicture picture) {
    PostToTarget([picture](DetailSurface& s) { s.SetGradePicture(picture); });
}

}  // namespace nomvera::detail
