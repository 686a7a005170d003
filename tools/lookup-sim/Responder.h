#pragma once
// Turns one request into its answer; knows nothing of sockets. One per event loop, because it
// keeps the token cipher's state.

#include <string>
#include <string_view>

#include "SiteContent.h"
#include "TokenCipher.h"

namespace nomvera::sim {

struct Request {
    bool post = false;
    std::string_view path;
    std::string_view query;
    std::string_view body;
    std::string_view peerAddress;
};

struct Reply {
    int status = 200;
    const char* reason = "OK";
    const char* contentType = "text/html; charset=utf-8";
    std::string body;
    const std::string* sharedBody = nullptr;  // a body owned by SiteContent, sent without a copy

    std::string_view Body() const {
        return sharedBody ? std::string_view(*sharedBody) : std::string_view(body);
    }
};

class Responder {
public:
    explicit Responder(const SiteContent& site) : site_(site) {}
    Reply Respond(const Request& request);

private:
    Reply Lookup(const Request& request);
    Reply Level(std::string_view path) const;

    const SiteContent& site_;
    TokenCipher cipher_;
};

}  // namespace nomvera::sim
