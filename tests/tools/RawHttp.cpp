#include "RawHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace nomvera::tools::testing {

int RawExchange::Status() const {
    if (bytes.rfind("HTTP/1.", 0) != 0 || bytes.size() < 12) return 0;
    return std::atoi(bytes.c_str() + 9);
}

std::string RawExchange::Header(std::string_view name) const {
    const std::size_t end = bytes.find("\r\n\r\n");
    std::size_t at = bytes.find("\r\n");
    while (at != std::string::npos && at < end) {
        const std::size_t next = bytes.find("\r\n", at + 2);
        const std::string line = bytes.substr(at + 2, next - at - 2);
        const std::size_t colon = line.find(':');
        if (colon == name.size() && strncasecmp(line.c_str(), name.data(), name.size()) == 0)
            return line.substr(line.find_first_not_of(' ', colon + 1));
        at = next;
    }
    return {};
}

std::string RawExchange::Body() const {
    const std::size_t end = bytes.find("\r\n\r\n");
    return end == std::string::npos ? std::string{} : bytes.substr(end + 4);
}

RawExchange Exchange(int port, std::string_view request) {
    RawExchange result;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return result;
    const timeval wait{15, 0};  // a broken server must not hang the test
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        result.connected = true;
        if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(request.size())) {
            char buffer[4096];
            for (;;) {
                const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
                if (n > 0) {
                    result.bytes.append(buffer, static_cast<std::size_t>(n));
                    continue;
                }
                if (n < 0 && errno == EINTR) continue;
                result.reset = n < 0 && errno == ECONNRESET;
                break;
            }
        }
    }
    close(fd);
    return result;
}

RawExchange Get(int port, std::string_view target) {
    return Exchange(
        port, "GET " + std::string(target) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
}

RawExchange PostForm(int port, std::string_view path, std::string_view body) {
    return Exchange(port, "POST " + std::string(path) +
                              " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n"
                              "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                              std::to_string(body.size()) + "\r\n\r\n" + std::string(body));
}

std::string FormEncode(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '.';
        if (keep) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string LookupForm(std::string_view accountUtf8, std::string_view encodedToken) {
    return "nick=" + FormEncode(accountUtf8) + "&stype=1&k=" + std::string(encodedToken);
}

}  // namespace nomvera::tools::testing
