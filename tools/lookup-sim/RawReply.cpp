#include "RawReply.h"

#include <event2/bufferevent.h>
#include <event2/event.h>
#include <event2/http.h>
#include <sys/socket.h>
#include <unistd.h>

namespace nomvera::sim {

void RawReply::Start(event_base* base, evhttp_connection* connection, std::string bytes,
                     std::size_t pieceBytes, int intervalMs, Registry& registry) {
    auto* reply = new RawReply(connection, std::move(bytes), pieceBytes, registry);
    if (pieceBytes > 0) {
        reply->intervalMs_ = intervalMs;
        reply->timer_ = evtimer_new(base, &RawReply::OnTimer, reply);
    }
    registry.insert(reply);
    bufferevent_setcb(reply->bufferevent_, nullptr, &RawReply::OnWritten, &RawReply::OnEvent, reply);
    bufferevent_disable(reply->bufferevent_, EV_READ);
    bufferevent_enable(reply->bufferevent_, EV_WRITE);
    reply->WriteNextPiece();
}

void RawReply::Reset(evhttp_connection* connection) {
    const int fd = bufferevent_getfd(evhttp_connection_get_bufferevent(connection));
    // evhttp's own close shuts the socket down for writing first, which sends FIN. So the socket is
    // closed here with a zero linger time (RST), by putting a spare socket in its place; evhttp then
    // shuts down and closes the spare.
    const int spare = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && spare >= 0) {
        const linger abort{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        dup2(spare, fd);
    }
    if (spare >= 0) close(spare);
    evhttp_connection_free(connection);
}

RawReply::RawReply(evhttp_connection* connection, std::string bytes, std::size_t pieceBytes,
                   Registry& registry)
    : connection_(connection),
      bufferevent_(evhttp_connection_get_bufferevent(connection)),
      bytes_(std::move(bytes)),
      pieceBytes_(pieceBytes),
      registry_(registry) {}

RawReply::~RawReply() {
    if (timer_) event_free(timer_);
}

void RawReply::WriteNextPiece() {
    const std::size_t size =
        pieceBytes_ == 0 ? bytes_.size() - sent_ : std::min(pieceBytes_, bytes_.size() - sent_);
    if (size == 0 || bufferevent_write(bufferevent_, bytes_.data() + sent_, size) != 0) {
        Finish();
        return;
    }
    sent_ += size;
}

void RawReply::OnWritten(bufferevent*, void* self) {
    auto* reply = static_cast<RawReply*>(self);
    if (reply->sent_ >= reply->bytes_.size()) {
        reply->Finish();
    } else if (reply->timer_) {
        const timeval wait{reply->intervalMs_ / 1000, (reply->intervalMs_ % 1000) * 1000};
        evtimer_add(reply->timer_, &wait);
    } else {
        reply->WriteNextPiece();
    }
}

void RawReply::OnEvent(bufferevent*, short, void* self) {
    static_cast<RawReply*>(self)->Finish();
}

void RawReply::OnTimer(int, short, void* self) {
    static_cast<RawReply*>(self)->WriteNextPiece();
}

void RawReply::Finish() {
    registry_.erase(this);
    evhttp_connection* connection = connection_;
    delete this;
    evhttp_connection_free(connection);  // everything written has left: a normal close
}

}  // namespace nomvera::sim
