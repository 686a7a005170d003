// What comes back: the body as received, the final response's header block, the cookies the
// server sets (collected, merged, or kept in the process-wide store) and the redirects.

#include <gtest/gtest.h>

#include <string>

#include "LoopbackServers.h"
#include "web/CurlShare.h"
#include "web/HttpEngine.h"

using namespace nomvera::web;
using nomvera::web::testing::HttplibServer;

namespace {

std::string Binary(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919u) >> 3);
    return bytes;
}

const std::string kLargeBody = Binary(300 * 1024 + 17);

class HttpEngineResponse : public ::testing::Test {
protected:
    HttpEngineResponse() {
        auto& s = server.server;
        s.Get("/two-cookies", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Set-Cookie", "a=1; path=/");
            res.set_header("set-cookie", "b=2");
            res.set_content("set", "text/plain");
        });
        s.Get("/echo-cookie", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.get_header_value("Cookie"), "text/plain");
        });
        s.Get("/start", [](const httplib::Request&, httplib::Response& res) {
            res.status = 302;
            res.set_header("Location", "/final");
            res.set_header("X-Hop", "1");
            res.set_header("Set-Cookie", "hop=1");
            res.set_content("moved", "text/plain");
        });
        s.Get("/final", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("X-Final", "yes");
            res.set_header("Set-Cookie", "fin=2");
            res.set_content("final", "text/plain");
        });
        s.Get("/loop", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/loop"); });
        s.Get("/gzip-label", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Content-Encoding", "gzip");
            res.set_content(std::string("\x1F\x8Bnot gzip\0at all", 16), "application/octet-stream");
        });
        s.Get("/large", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(kLargeBody, "application/octet-stream");
        });
        s.Get("/chunked", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("text/plain", [](std::size_t offset, httplib::DataSink& sink) {
                if (offset < 3000) {
                    sink.write(std::string(1000, static_cast<char>('a' + offset / 1000)).data(), 1000);
                } else {
                    sink.done();
                }
                return true;
            });
        });
        s.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        s.Get("/bytes/(\\d+)", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(std::string(std::stoul(req.matches[1]), 'b'), "text/plain");
        });
        s.Get("/huge-headers", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Set-Cookie", "lost=1");
            res.set_header("X-Pad", std::string(5000, 'p'));
            res.set_content("body", "text/plain");
        });
        server.Start();
        CurlShare::Instance().ClearCookies();
    }
    // The store is process-wide: leave nothing behind for the next test.
    ~HttpEngineResponse() override { CurlShare::Instance().ClearCookies(); }

    HttplibServer server;
};

TEST_F(HttpEngineResponse, CollectsReceivedCookiesAndRewritesTheirSpelling) {
    std::string received = "stale";
    std::string responseHeaders;
    EXPECT_EQ(HttpEngine(server.Url("/two-cookies"), 0, "", nullptr, &received, nullptr, &responseHeaders),
              "set");
    EXPECT_EQ(received, "a=1; b=2");
    EXPECT_EQ(responseHeaders.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_NE(responseHeaders.find("\r\nSet-Cookie: b=2\r\n"), std::string::npos);
    EXPECT_EQ(responseHeaders.find("set-cookie"), std::string::npos);
    EXPECT_EQ(responseHeaders.substr(responseHeaders.size() - 4), "\r\n\r\n");

    EXPECT_EQ(HttpEngine(server.Url("/final"), 0, "", nullptr, &received), "final");
    EXPECT_EQ(received, "fin=2");
    EXPECT_EQ(HttpEngine(server.Url("/missing"), 0, "", nullptr, &received), "not here");  // status ignored
    EXPECT_EQ(received, "");
}

TEST_F(HttpEngineResponse, SuppliedCookiesAreSentAndMergedButNeverStored) {
    std::string cookies = "b=old; c = 3";
    std::string received;
    std::string headers;
    HttpEngine(server.Url("/two-cookies"), 0, "", &cookies, &received, &headers);
    EXPECT_EQ(cookies, "a=1; b=2; c=3");
    EXPECT_EQ(received, "a=1;b=2");  // the merge leaves the received text without blanks
    EXPECT_NE(headers.find("\r\nCookie: b=old; c = 3"), std::string::npos);

    EXPECT_EQ(HttpEngine(server.Url("/echo-cookie"), 0, "", &cookies), "a=1; b=2; c=3");
    // Neither call fed the process-wide store.
    EXPECT_EQ(HttpEngine(server.Url("/echo-cookie")), "");
}

TEST_F(HttpEngineResponse, ProcessWideStoreCarriesCookiesWhenNoneAreSupplied) {
    HttpEngine(server.Url("/two-cookies"));
    // The store sends its cookies in an order of its own.
    const std::string sent = HttpEngine(server.Url("/echo-cookie"));
    EXPECT_TRUE(sent == "a=1; b=2" || sent == "b=2; a=1") << sent;
    // A call with its own (even empty) cookie text does not use the store.
    std::string cookies;
    EXPECT_EQ(HttpEngine(server.Url("/echo-cookie"), 0, "", &cookies), "");
}

TEST_F(HttpEngineResponse, FollowsRedirectsAndReportsOnlyTheFinalResponse) {
    std::string cookies;
    std::string received;
    std::string responseHeaders;
    EXPECT_EQ(HttpEngine(server.Url("/start"), 0, "", &cookies, &received, nullptr, &responseHeaders),
              "final");
    EXPECT_EQ(responseHeaders.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_NE(responseHeaders.find("X-Final: yes"), std::string::npos);
    EXPECT_EQ(responseHeaders.find("X-Hop"), std::string::npos);
    EXPECT_EQ(received, "fin=2");
}

TEST_F(HttpEngineResponse, NoRedirectReturnsTheRedirectItself) {
    std::string received;
    std::string responseHeaders;
    std::string cookies;
    EXPECT_EQ(HttpEngine(server.Url("/start"), 0, "", &cookies, &received, nullptr, &responseHeaders, true),
              "moved");
    EXPECT_EQ(responseHeaders.rfind("HTTP/1.1 302", 0), 0u);
    EXPECT_NE(responseHeaders.find("Location: /final"), std::string::npos);
    EXPECT_EQ(received, "hop=1");
}

TEST_F(HttpEngineResponse, RedirectLoopEnds) {
    std::string responseHeaders;
    HttpEngine(server.Url("/loop"), 0, "", nullptr, nullptr, nullptr, &responseHeaders);
    EXPECT_EQ(responseHeaders.rfind("HTTP/1.1 302", 0), 0u);
}

TEST_F(HttpEngineResponse, BodyComesBackExactlyAsReceived) {
    EXPECT_EQ(HttpEngine(server.Url("/gzip-label")), std::string("\x1F\x8Bnot gzip\0at all", 16));
    EXPECT_EQ(HttpEngine(server.Url("/large")), kLargeBody);
    EXPECT_EQ(HttpEngine(server.Url("/chunked")),
              std::string(1000, 'a') + std::string(1000, 'b') + std::string(1000, 'c'));
}

TEST_F(HttpEngineResponse, HeadReadsHeadersOnly) {
    std::string responseHeaders;
    EXPECT_EQ(HttpEngine(server.Url("/large"), 2, "", nullptr, nullptr, nullptr, &responseHeaders), "");
    EXPECT_NE(responseHeaders.find("Content-Length: " + std::to_string(kLargeBody.size())),
              std::string::npos);
}

TEST_F(HttpEngineResponse, AnswerLargerThanTheBoundIsAFailedRequest) {
    HttpControl control;
    control.maxBodyBytes = 2000;
    const auto fetch = [&](std::size_t size) {
        return HttpEngine(server.Url("/bytes/" + std::to_string(size)), 0, "", nullptr, nullptr, nullptr,
                          nullptr, false, nullptr, "", &control);
    };
    EXPECT_EQ(fetch(2000), std::string(2000, 'b'));
    EXPECT_EQ(fetch(2001), "");
    EXPECT_EQ(fetch(5000), "");
}

TEST_F(HttpEngineResponse, HeaderBlockBeyondTheBufferReadsAsSpaces) {
    std::string received = "stale";
    std::string responseHeaders;
    EXPECT_EQ(HttpEngine(server.Url("/huge-headers"), 0, "", nullptr, &received, nullptr, &responseHeaders),
              "body");
    EXPECT_EQ(responseHeaders, std::string(5000, ' '));
    EXPECT_EQ(received, "");  // the cookies stood in the block that did not fit
}

}  // namespace
