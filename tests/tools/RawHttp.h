#pragma once
// A bare HTTP/1.1 exchange with a server on 127.0.0.1, keeping every byte, so that tests can see
// broken answers (a reset, a short body, garbage) exactly as they arrive.

#include <string>
#include <string_view>

namespace nomvera::tools::testing {

struct RawExchange {
    bool connected = false;
    bool reset = false;  // the connection ended with ECONNRESET
    std::string bytes;   // everything received until the server closed

    int Status() const;  // 0 when the bytes do not start with an HTTP status line
    std::string Header(std::string_view name) const;
    std::string Body() const;
};

RawExchange Exchange(int port, std::string_view request);
RawExchange Get(int port, std::string_view target);
RawExchange PostForm(int port, std::string_view path, std::string_view body);

// Letters, digits, "-" and "." stay; every other byte becomes %XX.
std::string FormEncode(std::string_view bytes);
// The lookup form for an account, with the token given as it should go on the wire.
std::string LookupForm(std::string_view accountUtf8, std::string_view encodedToken);

}  // namespace nomvera::tools::testing
