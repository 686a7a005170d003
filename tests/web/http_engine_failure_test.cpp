// When the exchange goes wrong: nobody listening, a server that hangs up or stalls, a call that
// is cancelled, and many calls at once from many threads.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackServers.h"
#include "web/CurlShare.h"
#include "web/HttpEngine.h"

using namespace nomvera::web;
using nomvera::web::testing::RawServer;
using nomvera::web::testing::SendAll;

namespace {

const std::string kSpaces(5000, ' ');

// What a call hands back besides its body.
struct Outcome {
    std::string body;
    std::string responseHeaders = "untouched";
    std::string receivedCookies = "untouched";
};

Outcome Fetch(const std::string& url, const HttpControl* control = nullptr) {
    Outcome outcome;
    outcome.body = HttpEngine(url, 0, "", nullptr, &outcome.receivedCookies, nullptr,
                              &outcome.responseHeaders, false, nullptr, "", control);
    return outcome;
}

TEST(HttpEngineFailure, NobodyListeningGivesTheFailedResult) {
    const std::string url =
        nomvera::web::testing::LoopbackUrl(nomvera::web::testing::ClosedLoopbackPort(), "/");
    std::string cookies = "a = 1 ;b=2";
    std::string received = "untouched";
    std::string headers;
    std::string responseHeaders;
    EXPECT_EQ(HttpEngine(url, 1, "x=1", &cookies, &received, &headers, &responseHeaders), "");
    EXPECT_EQ(responseHeaders, kSpaces);
    EXPECT_EQ(received, "");
    EXPECT_EQ(cookies, "a=1; b=2");  // still normalised by the merge
    EXPECT_NE(headers.find("\r\nCookie: a = 1 ;b=2"), std::string::npos);
}

struct CutCase {
    friend void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    std::string sent;  // what the server sends before it hangs up or stalls
    std::string body;
    bool headersArrived;
};

const std::vector<CutCase> kCuts = {
    {"BeforeAnyAnswer", "", "", false},
    {"MidHeaders", "HTTP/1.1 200 OK\r\nX-A: 1\r\n", "", false},
    // What arrived before the cut is returned, like any other answer.
    {"MidBody", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial", "partial", true},
};

void ExpectCutOutcome(const Outcome& outcome, const CutCase& cut) {
    EXPECT_EQ(outcome.body, cut.body);
    if (cut.headersArrived) {
        EXPECT_EQ(outcome.responseHeaders, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n");
    } else {
        EXPECT_EQ(outcome.responseHeaders, kSpaces);
    }
    EXPECT_EQ(outcome.receivedCookies, "");
}

class ServerHangsUp : public ::testing::TestWithParam<CutCase> {};

TEST_P(ServerHangsUp, ReturnsWhatArrived) {
    RawServer server([](int fd, const std::string&) { SendAll(fd, GetParam().sent); });
    ExpectCutOutcome(Fetch(server.Url("/cut")), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, ServerHangsUp, ::testing::ValuesIn(kCuts),
                         [](const auto& tested) { return std::string(tested.param.name); });

enum class Ending { kCancel, kIdle };
void PrintTo(Ending ending, std::ostream* os) {
    *os << (ending == Ending::kCancel ? "cancel" : "idle");
}

class ServerStalls : public ::testing::TestWithParam<std::tuple<CutCase, Ending>> {};

// The server holds the connection far longer than the call may take and notes who hung up
// first; a call that is not ended by its own side fails the check instead of passing late.
TEST_P(ServerStalls, CallEndsItselfAndReturnsWhatArrived) {
    const auto& [cut, ending] = GetParam();
    std::promise<void> stalled;
    std::promise<bool> clientHungUpFirst;
    RawServer server([&, sent = cut.sent](int fd, const std::string&) {
        SendAll(fd, sent);
        stalled.set_value();
        clientHungUpFirst.set_value(nomvera::web::testing::WaitForClientClose(fd, std::chrono::seconds(20)));
    });

    std::atomic<bool> cancel{false};
    HttpControl control;
    control.cancel = &cancel;
    control.idleTimeoutSeconds = ending == Ending::kIdle ? 1 : 0;
    Outcome outcome;
    std::thread caller([&] { outcome = Fetch(server.Url("/stall"), &control); });
    ASSERT_EQ(stalled.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
    if (ending == Ending::kCancel) cancel = true;
    caller.join();

    EXPECT_TRUE(clientHungUpFirst.get_future().get());
    if (ending == Ending::kIdle) {
        ExpectCutOutcome(outcome, cut);
    } else {
        // The cancel may overtake bytes still on their way; what comes back is what had arrived.
        EXPECT_TRUE(outcome.body.empty() || outcome.body == cut.body) << outcome.body;
        EXPECT_EQ(outcome.receivedCookies, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ServerStalls,
                         ::testing::Combine(::testing::ValuesIn(kCuts),
                                            ::testing::Values(Ending::kCancel, Ending::kIdle)),
                         [](const auto& tested) {
                             return std::string(std::get<0>(tested.param).name) +
                                    (std::get<1>(tested.param) == Ending::kCancel ? "Cancelled" : "Idle");
                         });

TEST(HttpEngineFailure, CancelledBeforeTheStartSendsNothing) {
    RawServer server(
        [](int fd, const std::string&) { SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"); });
    std::atomic<bool> cancel{true};
    HttpControl control;
    control.cancel = &cancel;
    const Outcome outcome = Fetch(server.Url("/"), &control);
    EXPECT_EQ(outcome.body, "");
    EXPECT_EQ(outcome.responseHeaders, kSpaces);
}

// A thousand threads at once, all through the process-wide cookie store, each with its own answer.
TEST(HttpEngineConcurrency, ThousandThreadsEachGetTheirOwnAnswer) {
    RawServer server([](int fd, const std::string& request) {
        const std::string path = request.substr(4, request.find(' ', 4) - 4);
        SendAll(fd, "HTTP/1.1 200 OK\r\nSet-Cookie: last=" + path.substr(3) +
                        "; path=/n\r\nContent-Length: " + std::to_string(path.size()) + "\r\n\r\n" + path);
    });
    CurlShare::Instance().ClearCookies();
    constexpr int kThreads = 1000;
    std::atomic<int> matching{0};
    std::atomic<int> withCookie{0};
    std::vector<std::thread> threads;
    threads.reserve(kThreads);
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            const std::string path = "/n/" + std::to_string(i);
            std::string received;
            if (HttpEngine(server.Url(path), 0, "", nullptr, &received) == path) ++matching;
            if (received == "last=" + std::to_string(i)) ++withCookie;
        });
    }
    for (std::thread& thread : threads) thread.join();
    CurlShare::Instance().ClearCookies();
    EXPECT_EQ(matching.load(), kThreads);
    EXPECT_EQ(withCookie.load(), kThreads);
    EXPECT_EQ(server.Requests().size(), static_cast<std::size_t>(kThreads));
}

}  // namespace
