#pragma once
// Servers the HTTP engine tests start for themselves, all on 127.0.0.1: a cpp-httplib server for
// ordinary answers, and a raw socket server for what cpp-httplib cannot fake (the exact request
// bytes, a connection closed mid-body, a server that stalls).

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nomvera::web::testing {

inline std::string LoopbackUrl(int port, const std::string& path) {
    return "http://127.0.0.1:" + std::to_string(port) + path;
}

// cpp-httplib on a free loopback port, listening on its own thread until destroyed.
class HttplibServer {
public:
    explicit HttplibServer(std::size_t threads = 8) {
        server.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    }
    ~HttplibServer() {
        server.stop();
        if (thread_.joinable()) thread_.join();
    }
    // Call after the handlers are registered.
    void Start() {
        port_ = server.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::string Url(const std::string& path) const { return LoopbackUrl(port_, path); }

    httplib::Server server;

private:
    int port_ = 0;
    std::thread thread_;
};

inline void SendAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent <= 0) return;
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
}

// Waits until the client hangs up; false when `hold` passed first (the server gives up).
inline bool WaitForClientClose(int fd, std::chrono::milliseconds hold) {
    const auto deadline = std::chrono::steady_clock::now() + hold;
    char buffer[256];
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd watch{fd, POLLIN, 0};
        if (::poll(&watch, 1, 20) > 0 && ::recv(fd, buffer, sizeof buffer, 0) <= 0) return true;
    }
    return false;
}

// Accepts connections one at a time; for each it reads one request (head and Content-Length
// body), records it and hands the socket to the reply function, then closes the connection.
class RawServer {
public:
    using Reply = std::function<void(int fd, const std::string& request)>;

    explicit RawServer(Reply reply) : reply_(std::move(reply)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(listener_, 1024);  // room for a thousand clients at once
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~RawServer() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }
    std::string Url(const std::string& path) const { return LoopbackUrl(port_, path); }
    int port() const { return port_; }
    std::vector<std::string> Requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    void Serve() {
        while (!stop_) {
            pollfd watch{listener_, POLLIN, 0};
            if (::poll(&watch, 1, 20) <= 0) continue;
            const int fd = ::accept(listener_, nullptr, nullptr);
            if (fd < 0) continue;
            const std::string request = ReadRequest(fd);
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(request);
            }
            reply_(fd, request);
            ::close(fd);
        }
    }

    static std::string ReadRequest(int fd) {
        std::string request;
        char buffer[4096];
        std::size_t wanted = std::string::npos;
        while (request.size() < wanted) {
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            request.append(buffer, static_cast<std::size_t>(got));
            const std::size_t headEnd = request.find("\r\n\r\n");
            if (wanted == std::string::npos && headEnd != std::string::npos) {
                wanted = headEnd + 4 + ContentLength(request.substr(0, headEnd));
            }
        }
        return request;
    }

    static std::size_t ContentLength(const std::string& head) {
        const std::size_t pos = head.find("\r\nContent-Length: ");
        return pos == std::string::npos ? 0 : std::stoul(head.substr(pos + 18));
    }

    Reply reply_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

// A loopback port nobody listens on: bound once to learn a free number, then released.
inline int ClosedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

}  // namespace nomvera::web::testing
