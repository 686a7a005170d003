// What goes out on the wire: the request line, the header block line by line (nothing of
// libcurl's own beyond Host, User-Agent and Content-Length), the body and the proxy.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "LoopbackServers.h"
#include "web/CurlShare.h"
#include "web/HeaderBlock.h"
#include "web/HttpEngine.h"

using namespace nomvera::web;
using nomvera::web::testing::RawServer;

namespace {

void ReplyOk(int fd, const std::string& request) {
    const bool head = request.rfind("HEAD ", 0) == 0;
    nomvera::web::testing::SendAll(fd, head ? "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n"
                                            : "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
}

// The request line, then every header line, of a recorded request.
std::vector<std::string> HeadLines(const std::string& request) {
    std::vector<std::string> lines;
    const std::string head = request.substr(0, request.find("\r\n\r\n"));
    for (std::size_t start = 0;;) {
        const std::size_t end = head.find("\r\n", start);
        lines.push_back(head.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

std::string BodyOf(const std::string& request) {
    return request.substr(request.find("\r\n\r\n") + 4);
}

class HttpEngineRequest : public ::testing::Test {
protected:
    // No cookie of another test may ride along in the process-wide store.
    void SetUp() override { CurlShare::Instance().ClearCookies(); }

    std::string OnlyRequest() {
        const std::vector<std::string> requests = server.Requests();
        EXPECT_EQ(requests.size(), 1u);
        return requests.empty() ? std::string() : requests.front();
    }
    std::string HostLine() const { return "Host: 127.0.0.1:" + std::to_string(server.port()); }

    RawServer server{&ReplyOk};
};

TEST_F(HttpEngineRequest, DefaultsSendExactlyTheDefaultBlock) {
    const std::string url = server.Url("/p?q=1");
    EXPECT_EQ(HttpEngine(url), "ok");
    const std::vector<std::string> expected = {"GET /p?q=1 HTTP/1.1",
                                               HostLine(),
                                               "User-Agent: " + std::string(kDefaultUserAgent),
                                               "Accept: */*",
                                               "Referer: " + url,
                                               "Accept-Language: zh-cn",
                                               "Content-Type: application/x-www-form-urlencoded"};
    EXPECT_EQ(HeadLines(OnlyRequest()), expected);
}

struct CallerHeaderCase {
    friend void PrintTo(const CallerHeaderCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    std::string callerHeaders;
    std::vector<std::string> blockLines;  // before Referer, Accept-Language and Content-Type
    bool defaultAgent;
};

class CallerHeaders : public HttpEngineRequest, public ::testing::WithParamInterface<CallerHeaderCase> {};

TEST_P(CallerHeaders, SendTheCompletedBlockOnceAndHandItBack) {
    const std::string url = server.Url("/");
    std::string headers = GetParam().callerHeaders;
    EXPECT_EQ(HttpEngine(url, 0, "", nullptr, nullptr, &headers), "ok");

    std::vector<std::string> block = GetParam().blockLines;
    for (const char* line : {"Accept-Language: zh-cn", "Content-Type: application/x-www-form-urlencoded"}) {
        block.emplace_back(line);
    }
    block.insert(block.end() - 2, "Referer: " + url);
    std::string joined;
    for (const std::string& line : block) joined += (joined.empty() ? "" : "\r\n") + line;
    EXPECT_EQ(headers, joined);

    std::vector<std::string> sent = {"GET / HTTP/1.1", HostLine()};
    if (GetParam().defaultAgent) sent.push_back("User-Agent: " + std::string(kDefaultUserAgent));
    sent.insert(sent.end(), block.begin(), block.end());
    EXPECT_EQ(HeadLines(OnlyRequest()), sent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallerHeaders,
    ::testing::Values(
        CallerHeaderCase{"AgentAndAccept",
                         "User-Agent: Tester\r\nAccept: text/html",
                         {"User-Agent: Tester", "Accept: text/html"},
                         false},
        CallerHeaderCase{
            "LowerCaseAgentIsTheAgent", "user-agent: lower", {"user-agent: lower", "Accept: */*"}, false},
        CallerHeaderCase{
            "LowerCaseAcceptGetsOurs", "accept: text/html", {"accept: text/html", "Accept: */*"}, true},
        CallerHeaderCase{"EmptyValueStillSent", "X-Empty:", {"X-Empty:", "Accept: */*"}, true}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct MethodCase {
    friend void PrintTo(const MethodCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    int method;
    const char* requestLine;
    const char* body;  // the response body
};

class Methods : public HttpEngineRequest, public ::testing::WithParamInterface<MethodCase> {};

TEST_P(Methods, MapToTheirVerb) {
    EXPECT_EQ(HttpEngine(server.Url("/m"), GetParam().method), GetParam().body);
    EXPECT_EQ(HeadLines(OnlyRequest()).front(), GetParam().requestLine);
}

INSTANTIATE_TEST_SUITE_P(Cases, Methods,
                         ::testing::Values(MethodCase{"Get", 0, "GET /m HTTP/1.1", "ok"},
                                           MethodCase{"Post", 1, "POST /m HTTP/1.1", "ok"},
                                           MethodCase{"Head", 2, "HEAD /m HTTP/1.1", ""},
                                           MethodCase{"SevenIsGet", 7, "GET /m HTTP/1.1", "ok"},
                                           MethodCase{"NegativeIsGet", -1, "GET /m HTTP/1.1", "ok"}),
                         [](const auto& tested) { return std::string(tested.param.name); });

struct BodyCase {
    friend void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    int method;
    std::string textBody;
    std::optional<std::string> byteBody;  // supplied when set
    std::string sent;                     // the body on the wire
    std::optional<std::string> handedBack;
};

class Bodies : public HttpEngineRequest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(Bodies, FollowTheTextAndByteRules) {
    std::optional<std::string> byteBody = GetParam().byteBody;
    HttpEngine(server.Url("/b"), GetParam().method, GetParam().textBody, nullptr, nullptr, nullptr, nullptr,
               false, byteBody ? &*byteBody : nullptr);
    const std::string request = OnlyRequest();
    EXPECT_EQ(BodyOf(request), GetParam().sent);
    EXPECT_EQ(byteBody, GetParam().handedBack);
    const std::vector<std::string> lines = HeadLines(request);
    const std::string length = "Content-Length: " + std::to_string(GetParam().sent.size());
    EXPECT_EQ(GetParam().method == 1, std::find(lines.begin(), lines.end(), length) != lines.end());
    for (const std::string& line : lines) EXPECT_EQ(line.rfind("Expect", 0), std::string::npos) << line;
}

const std::string kBinary("x\0\xFFy", 4);
const std::string kLarge(3 * 1024 * 1024, 'L');  // large enough that libcurl would want "Expect:"

INSTANTIATE_TEST_SUITE_P(
    Cases, Bodies,
    ::testing::Values(BodyCase{"PostText", 1, "a=1", std::nullopt, "a=1", std::nullopt},
                      BodyCase{"PostEmptyBytesTakeText", 1, "a=1", "", "a=1", "a=1"},
                      BodyCase{"PostBytesWin", 1, "a=1", kBinary, kBinary, kBinary},
                      BodyCase{"PostNothing", 1, "", std::nullopt, "", std::nullopt},
                      BodyCase{"PostLarge", 1, kLarge, std::nullopt, kLarge, std::nullopt},
                      BodyCase{"GetSendsNoBody", 0, "a=1", "", "", ""},
                      // libcurl sends HEAD without a body; the bytes it would carry are handed back.
                      BodyCase{"HeadHandsBackText", 2, "a=1", "", "", "a=1"}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct UrlCase {
    friend void PrintTo(const UrlCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    std::string prefix;  // before "127.0.0.1:port"
    std::string suffix;
    std::string target;  // the request target sent
};

class UrlForms : public HttpEngineRequest, public ::testing::WithParamInterface<UrlCase> {};

TEST_P(UrlForms, RequestTheObjectPathAsWritten) {
    const std::string url =
        GetParam().prefix + "127.0.0.1:" + std::to_string(server.port()) + GetParam().suffix;
    EXPECT_EQ(HttpEngine(url), "ok");
    EXPECT_EQ(HeadLines(OnlyRequest()).front(), "GET " + GetParam().target + " HTTP/1.1");
}

INSTANTIATE_TEST_SUITE_P(Cases, UrlForms,
                         ::testing::Values(UrlCase{"NoScheme", "", "/index.htm", "/index.htm"},
                                           UrlCase{"UpperScheme", "HTTP://", "/A/B?x=1", "/A/B?x=1"},
                                           UrlCase{"NoPath", "http://", "", "/"},
                                           UrlCase{"DotsAndBlank", "http://", "/A/../b c", "/A/../b%20c"}),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(HttpEngineRequest, ProxyReceivesTheAbsoluteAddress) {
    // The target port is closed: only the proxy can answer.
    const std::string target =
        "http://127.0.0.1:" + std::to_string(nomvera::web::testing::ClosedLoopbackPort()) + "/via?x=1";
    RawServer proxy(&ReplyOk);
    EXPECT_EQ(HttpEngine(target, 0, "", nullptr, nullptr, nullptr, nullptr, false, nullptr,
                         "127.0.0.1:" + std::to_string(proxy.port())),
              "ok");
    ASSERT_EQ(proxy.Requests().size(), 1u);
    EXPECT_EQ(HeadLines(proxy.Requests().front()).front(), "GET " + target + " HTTP/1.1");
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(HttpEngineRequest, NoProxyMeansDirectEvenWhenTheEnvironmentNamesOne) {
    RawServer proxy(&ReplyOk);
    const std::string proxyUrl = "http://127.0.0.1:" + std::to_string(proxy.port());
    ::setenv("http_proxy", proxyUrl.c_str(), 1);
    const std::string body = HttpEngine(server.Url("/direct"));
    ::unsetenv("http_proxy");
    EXPECT_EQ(body, "ok");
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_TRUE(proxy.Requests().empty());
}

}  // namespace
