#pragma once
// Answers that evhttp cannot send: a body cut short, garbage bytes, a slow drip. The reply takes
// over the connection's bufferevent, writes its bytes at its own pace and then frees the
// connection (and with it the request).

#include <string>
#include <unordered_set>

struct bufferevent;
struct event;
struct event_base;
struct evhttp_connection;

namespace nomvera::sim {

class RawReply {
public:
    using Registry = std::unordered_set<RawReply*>;

    // pieceBytes 0 sends everything at once; otherwise one piece every intervalMs.
    static void Start(event_base* base, evhttp_connection* connection, std::string bytes,
                      std::size_t pieceBytes, int intervalMs, Registry& registry);
    // Drops the connection with a TCP reset and nothing sent.
    static void Reset(evhttp_connection* connection);

    // Only for the loop's shutdown, which frees the connections itself.
    ~RawReply();

private:
    RawReply(evhttp_connection* connection, std::string bytes, std::size_t pieceBytes, Registry& registry);
    RawReply(const RawReply&) = delete;
    RawReply& operator=(const RawReply&) = delete;

    static void OnWritten(bufferevent*, void* self);
    static void OnEvent(bufferevent*, short, void* self);
    static void OnTimer(int, short, void* self);
    void WriteNextPiece();
    void Finish();

    evhttp_connection* connection_;
    bufferevent* bufferevent_;
    std::string bytes_;
    std::size_t sent_ = 0;
    std::size_t pieceBytes_;
    int intervalMs_ = 0;
    event* timer_ = nullptr;
    Registry& registry_;
};

}  // namespace nomvera::sim
