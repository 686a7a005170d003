// The texts of one exchange without the network: the request block the engine completes, the
// agent it picks, the entries libcurl gets, and what it reads out of a response block.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/HeaderBlock.h"

using namespace nomvera::web;

namespace {

constexpr const char* kUrl = "http://Host/Path?q=1";

struct CompletionCase {
    friend void PrintTo(const CompletionCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    std::string callerHeaders;
    const std::string* cookies;
    std::string expected;
};

const std::string kNoCookies;
const std::string kTwoCookies = "a=1; b=2";

class CompleteRequestHeadersTest : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(CompleteRequestHeadersTest, BuildsTheBlockInItsOrder) {
    std::string block = GetParam().callerHeaders;
    CompleteRequestHeaders(block, kUrl, GetParam().cookies);
    EXPECT_EQ(block, GetParam().expected);
}

const std::string kDefaultTail =
    "\r\nReferer: http://Host/Path?q=1\r\nAccept-Language: zh-cn"
    "\r\nContent-Type: application/x-www-form-urlencoded";

INSTANTIATE_TEST_SUITE_P(
    Cases, CompleteRequestHeadersTest,
    ::testing::Values(
        CompletionCase{"Defaults", "", nullptr, "Accept: */*" + kDefaultTail},
        CompletionCase{"EmptyCookieTextAddsNoLine", "", &kNoCookies, "Accept: */*" + kDefaultTail},
        CompletionCase{"CookiesLast", "", &kTwoCookies,
                       "Accept: */*" + kDefaultTail + "\r\nCookie: a=1; b=2"},
        CompletionCase{"CallerCookieLineStillGetsOurs", "Cookie: z=9", &kTwoCookies,
                       "Cookie: z=9\r\nAccept: */*" + kDefaultTail + "\r\nCookie: a=1; b=2"},
        CompletionCase{"CallerAgentAndAccept", "User-Agent: Tester\r\nAccept: text/html", nullptr,
                       "User-Agent: Tester\r\nAccept: text/html" + kDefaultTail},
        CompletionCase{"LowerCaseAcceptIsNotAccept", "accept: text/html", nullptr,
                       "accept: text/html\r\nAccept: */*" + kDefaultTail},
        CompletionCase{"CallerLinesKept", "Referer: r\r\nAccept-Language: en\r\nContent-Type: text/plain",
                       nullptr,
                       "Referer: r\r\nAccept-Language: en\r\nContent-Type: text/plain\r\nAccept: */*"},
        // The tests search the whole block, so a marker inside another line counts as present.
        CompletionCase{"MarkerInsideAnotherLine", "X-Accept: 1", nullptr, "X-Accept: 1" + kDefaultTail}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct AgentCase {
    friend void PrintTo(const AgentCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    std::string headers;
    std::string agent;
};

class UserAgentOfTest : public ::testing::TestWithParam<AgentCase> {};

TEST_P(UserAgentOfTest, TakesTheRestOfTheLineTrimmed) {
    EXPECT_EQ(UserAgentOf(GetParam().headers), GetParam().agent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserAgentOfTest,
    ::testing::Values(AgentCase{"None", "Accept: */*", std::string(kDefaultUserAgent)},
                      AgentCase{"Empty", "", std::string(kDefaultUserAgent)},
                      AgentCase{"FirstLine", "User-Agent: Tester\r\nAccept: text/html", "Tester"},
                      AgentCase{"LastLineNoBreak", "Accept: x\r\nUser-Agent:  My Agent 2  ", "My Agent 2"},
                      AgentCase{"AnyLetterCase", "uSER-aGENT: lower", "lower"},
                      AgentCase{"FullWidthSpacesTrimmed",
                                "User-Agent:\xA1\xA1"
                                "A\xA1\xA1\r\nX: y",
                                "A"},
                      AgentCase{"EmptyValue", "User-Agent:\r\nX: y", ""}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(CurlHeaderEntries, OneEntryPerLineThenSuppressors) {
    const std::vector<std::string> expected = {"User-Agent: T",    "X-Empty;", "Accept: */*",
                                               "Accept:",          "Expect:",  "Content-Type:",
                                               "Proxy-Connection:"};
    EXPECT_EQ(CurlHeaderEntries("User-Agent: T\r\nX-Empty:  \r\n\r\nAccept: */*"), expected);
}

struct ResponseCase {
    friend void PrintTo(const ResponseCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    std::string raw;
    bool complete;
    std::string expected;
};

class ResponseHeadersTextTest : public ::testing::TestWithParam<ResponseCase> {};

TEST_P(ResponseHeadersTextTest, AppliesTheBufferRuleAndCookieSpelling) {
    EXPECT_EQ(ResponseHeadersText(GetParam().raw, GetParam().complete), GetParam().expected);
}

// A complete block of exactly `size` bytes.
std::string BlockOfSize(std::size_t size) {
    const std::string head = "HTTP/1.1 200 OK\r\nX: ";
    return head + std::string(size - head.size() - 4, 'x') + "\r\n\r\n";
}

const std::string kSpaces(kResponseHeaderBuffer, ' ');

INSTANTIATE_TEST_SUITE_P(
    Cases, ResponseHeadersTextTest,
    ::testing::Values(
        ResponseCase{"Kept", "HTTP/1.1 200 OK\r\nA: b\r\n\r\n", true, "HTTP/1.1 200 OK\r\nA: b\r\n\r\n"},
        ResponseCase{"NoResponse", "", false, kSpaces},
        ResponseCase{"Unfinished", "HTTP/1.1 200 OK\r\nA: b\r\n", false, kSpaces},
        // The buffer holds the terminating zero too, so 4999 bytes are the most that fit.
        ResponseCase{"FitsWithItsZero", BlockOfSize(4999), true, BlockOfSize(4999)},
        ResponseCase{"TooLong", BlockOfSize(5000), true, kSpaces},
        ResponseCase{"CutAtZeroByte", std::string("HTTP/1.1 200 OK\r\nA: \0b\r\n\r\n", 27), true,
                     "HTTP/1.1 200 OK\r\nA: "},
        ResponseCase{"SetCookieSpelling",
                     "HTTP/1.1 200 OK\r\nset-cookie: a=1\r\nSET-COOKIE: b=2\r\nX: SeT-CoOkIe\r\n\r\n", true,
                     "HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nSet-Cookie: b=2\r\nX: Set-Cookie\r\n\r\n"}),
    [](const auto& tested) { return std::string(tested.param.name); });

struct CookieCase {
    friend void PrintTo(const CookieCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    std::string headers;
    std::string received;
};

class ReceivedCookiesOfTest : public ::testing::TestWithParam<CookieCase> {};

TEST_P(ReceivedCookiesOfTest, CollectsTheFirstPairOfEachLine) {
    EXPECT_EQ(ReceivedCookiesOf(GetParam().headers), GetParam().received);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReceivedCookiesOfTest,
    ::testing::Values(CookieCase{"None", "HTTP/1.1 200 OK\r\nA: b\r\n\r\n", ""},
                      CookieCase{"Spaces", kSpaces, ""},
                      CookieCase{"AttributesDropped",
                                 "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n\r\n",
                                 "a=1; b=2"},
                      CookieCase{"ValueTrimmed", "HTTP/1.1 200 OK\r\nSet-Cookie:   c=3   \r\n\r\n", "c=3"},
                      CookieCase{"OrderKept", "Set-Cookie: z=1;\r\nSet-Cookie: y=2; x\r\nSet-Cookie: x=3",
                                 "z=1; y=2; x=3"}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(TrimSpaces, AsciiAndFullWidthAtBothEndsOnly) {
    EXPECT_EQ(TrimSpaces(" \xA1\xA1 a b\xA1\xA1  "), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces("\ta\r"), "\ta\r");
    // B0 A1 is one character, so its trail byte and the A1 after it are no full-width space.
    EXPECT_EQ(TrimSpaces("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
}

}  // namespace
