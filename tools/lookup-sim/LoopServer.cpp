#include "LoopServer.h"

#include <event2/buffer.h>
#include <event2/event.h>
#include <event2/http.h>
#include <event2/keyvalq_struct.h>

#include <string>

namespace nomvera::sim {
namespace {

constexpr std::size_t kDripPieceBytes = 64;
constexpr int kDripIntervalMs = 25;

std::string RawHeader(const Reply& reply) {
    return "HTTP/1.1 " + std::to_string(reply.status) + " " + reply.reason +
           "\r\nContent-Type: " + reply.contentType +
           "\r\nContent-Length: " + std::to_string(reply.Body().size()) + "\r\nConnection: close\r\n\r\n";
}

}  // namespace

struct LoopServer::Pending {
    LoopServer* server;
    evhttp_request* request;
    Reply reply;
    std::optional<FailMode> failure;
    event* timer = nullptr;
};

LoopServer::LoopServer(const SiteContent& site, int listenFd, std::uint64_t seed)
    : site_(site), responder_(site), draws_(site.options, seed) {
    base_ = event_base_new();
    if (!base_) return;
    http_ = evhttp_new(base_);
    if (!http_) return;
    evhttp_set_max_body_size(http_, 64 * 1024);
    evhttp_set_max_headers_size(http_, 16 * 1024);
    evhttp_set_timeout(http_, 120);
    evhttp_set_gencb(http_, &LoopServer::OnRequest, this);
    if (!evhttp_accept_socket_with_handle(http_, listenFd)) {
        evhttp_free(http_);
        http_ = nullptr;
    }
}

LoopServer::~LoopServer() {
    // Our own timers go first; evhttp_free then frees every connection with its requests.
    for (Pending* pending : pending_) {
        event_free(pending->timer);
        if (!evhttp_request_get_connection(pending->request)) evhttp_request_free(pending->request);
        delete pending;
    }
    for (RawReply* reply : rawReplies_) delete reply;
    if (http_) evhttp_free(http_);
    if (base_) event_base_free(base_);
}

void LoopServer::Run() {
    event_base_dispatch(base_);
}

void LoopServer::Stop() {
    event_base_loopexit(base_, nullptr);
}

void LoopServer::OnRequest(evhttp_request* request, void* self) {
    auto* server = static_cast<LoopServer*>(self);
    const evhttp_uri* uri = evhttp_request_get_evhttp_uri(request);
    const char* path = uri ? evhttp_uri_get_path(uri) : nullptr;
    const char* query = uri ? evhttp_uri_get_query(uri) : nullptr;

    evbuffer* input = evhttp_request_get_input_buffer(request);
    const std::size_t bodySize = evbuffer_get_length(input);
    const char* body = bodySize ? reinterpret_cast<const char*>(evbuffer_pullup(input, -1)) : "";

    char* peer = nullptr;
    ev_uint16_t peerPort = 0;
    if (evhttp_connection* connection = evhttp_request_get_connection(request))
        evhttp_connection_get_peer(connection, &peer, &peerPort);

    Request parsed;
    parsed.post = evhttp_request_get_command(request) == EVHTTP_REQ_POST;
    parsed.path = path ? path : "";
    parsed.query = query ? query : "";
    parsed.body = std::string_view(body, bodySize);
    parsed.peerAddress = peer ? peer : "";
    Reply reply = server->responder_.Respond(parsed);

    const std::optional<FailMode> failure = server->draws_.Failure();
    const int delayMs = server->draws_.DelayMs();
    if (delayMs == 0) {
        server->Deliver(request, reply, failure);
        return;
    }
    auto* pending = new Pending{server, request, std::move(reply), failure};
    pending->timer = evtimer_new(server->base_, &LoopServer::OnDelayOver, pending);
    const timeval wait{delayMs / 1000, (delayMs % 1000) * 1000};
    evtimer_add(pending->timer, &wait);
    server->pending_.insert(pending);
}

void LoopServer::OnDelayOver(int, short, void* data) {
    auto* pending = static_cast<Pending*>(data);
    pending->server->pending_.erase(pending);
    event_free(pending->timer);
    pending->server->Deliver(pending->request, pending->reply, pending->failure);
    delete pending;
}

void LoopServer::Deliver(evhttp_request* request, const Reply& reply, std::optional<FailMode> failure) {
    evhttp_connection* connection = evhttp_request_get_connection(request);
    if (!connection) {
        // The caller has gone; evhttp left the request for us to free.
        evhttp_request_free(request);
        return;
    }
    if (failure == FailMode::Reset) {
        RawReply::Reset(connection);
        return;
    }
    if (failure == FailMode::Short || failure == FailMode::Drip || failure == FailMode::Garbage) {
        std::string bytes;
        if (failure == FailMode::Garbage) {
            bytes = draws_.Garbage();
        } else {
            // Short: the header promises the whole body, half of it comes, then the connection closes.
            const std::string_view body = reply.Body();
            bytes = RawHeader(reply);
            bytes += failure == FailMode::Short ? body.substr(0, body.size() / 2) : body;
        }
        const bool drip = failure == FailMode::Drip;
        RawReply::Start(base_, connection, std::move(bytes), drip ? kDripPieceBytes : 0, kDripIntervalMs,
                        rawReplies_);
        return;
    }
    evbuffer* output = evbuffer_new();
    evkeyvalq* headers = evhttp_request_get_output_headers(request);
    if (failure == FailMode::Error500) {
        evhttp_add_header(headers, "Content-Type", "text/html; charset=utf-8");
        evbuffer_add_printf(output, "<html><body><h1>500 Internal Server Error</h1></body></html>\r\n");
        evhttp_send_reply(request, 500, "Internal Server Error", output);
    } else {
        evhttp_add_header(headers, "Content-Type", reply.contentType);
        if (reply.sharedBody)
            evbuffer_add_reference(output, reply.sharedBody->data(), reply.sharedBody->size(), nullptr,
                                   nullptr);
        else
            evbuffer_add(output, reply.body.data(), reply.body.size());
        evhttp_send_reply(request, reply.status, reply.reason, output);
    }
    evbuffer_free(output);
}

}  // namespace nomvera::sim
