#pragma once
// One complete HTTP/1.1 exchange per call over libcurl. Failures come back as an empty body.

#include <atomic>
#include <cstddef>
#include <string>

namespace nomvera::web {

// What the owner of a call controls beyond the ten classic arguments.
struct HttpControl {
    // Set to true from any thread to abort the transfer at once; the call returns what it has.
    const std::atomic<bool>* cancel = nullptr;
    long connectTimeoutSeconds = 60;
    long idleTimeoutSeconds = 30;  // abort a transfer that receives nothing for this long
    std::size_t maxBodyBytes = 64u * 1024u * 1024u;  // a larger answer is a failed request
};

// method: 0 GET, 1 POST, 2 HEAD (anything else counts as 0). Output pointers are written only
// when given; `cookies` given switches from the process-wide cookie store to the caller's text.
std::string HttpEngine(const std::string& url, int method = 0, const std::string& textBody = std::string(),
                       std::string* cookies = nullptr, std::string* receivedCookies = nullptr,
                       std::string* headers = nullptr, std::string* responseHeaders = nullptr,
                       bool noRedirect = false, std::string* byteBody = nullptr,
                       const std::string& proxy = std::string(), const HttpControl* control = nullptr);

}  // namespace nomvera::web
