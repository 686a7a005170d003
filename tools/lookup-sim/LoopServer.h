#pragma once
// One event loop with its own evhttp on its own listening socket. Delays are timers on the loop,
// so a waiting request holds no thread.

#include <cstdint>
#include <optional>
#include <unordered_set>

#include "RawReply.h"
#include "RequestDraws.h"
#include "Responder.h"
#include "SiteContent.h"

struct evhttp;
struct evhttp_request;

namespace nomvera::sim {

class LoopServer {
public:
    LoopServer(const SiteContent& site, int listenFd, std::uint64_t seed);
    ~LoopServer();
    LoopServer(const LoopServer&) = delete;
    LoopServer& operator=(const LoopServer&) = delete;

    bool ok() const { return http_ != nullptr; }
    event_base* base() const { return base_; }
    void Run();
    void Stop();  // from any thread

private:
    struct Pending;
    static void OnRequest(evhttp_request* request, void* self);
    static void OnDelayOver(int, short, void* pending);
    void Deliver(evhttp_request* request, const Reply& reply, std::optional<FailMode> failure);

    const SiteContent& site_;
    event_base* base_ = nullptr;
    evhttp* http_ = nullptr;
    Responder responder_;
    RequestDraws draws_;
    std::unordered_set<Pending*> pending_;
    RawReply::Registry rawReplies_;
};

}  // namespace nomvera::sim
