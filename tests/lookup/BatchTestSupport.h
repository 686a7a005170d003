#pragma once
// Shared by the batch run and simple query tests: service addresses for a stand-in, a loopback
// address where nothing listens, the expected texts, and waiting for a run to end.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "lookup/ServiceAddresses.h"
#include "web/CodePage.h"

namespace nomvera::lookup::testing {

inline ServiceAddresses AddressesFor(const std::string& lookupHost) {
    ServiceAddresses addresses;
    addresses.lookupHost = lookupHost;
    addresses.ratingHost = "rate.taobao.com";  // the stand-in's default
    addresses.makerPageUrl = "http://127.0.0.1/";
    return addresses;
}

// A loopback port that was free a moment ago and has nothing listening: connections are refused.
inline std::string ClosedLoopbackHost() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

// Polls until `done` holds or a minute has passed (a hung run fails the test instead of the suite).
inline bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

inline std::string RunningText(int percentage) {
    return web::Local(" 正在批量查询，请稍候……  ") + std::to_string(percentage) + "%";
}
inline std::string EndText(int rows) {
    return web::Local(" 数据（") + std::to_string(rows) + web::Local("）批量查询结束！");
}

}  // namespace nomvera::lookup::testing
