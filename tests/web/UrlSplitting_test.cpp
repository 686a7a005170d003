// GetUrlHost / GetUrlPort / GetUrlPath by their fixed rules.

#include "web/UrlSplitting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace nomvera::web;

namespace {

struct UrlCase {
    std::string url;
    std::string host, hostWithPort;
    int port;
    std::string path;
};

}  // namespace

TEST(UrlSplitting, Table) {
    const std::vector<UrlCase> cases = {
        // The documented edge cases.
        {"HTTP://MyHost/A/B?x=1", "myhost", "myhost", 80, "/A/B?x=1"},
        {"https://host:8443/p", "host", "host:8443", 8443, "/p"},
        {"https://host", "host", "host", 443, "/"},
        {"host/index.htm", "host", "host", 80, "/index.htm"},
        {"http://host?x=1", "host?x=1", "host?x=1", 80, "/"},
        {"http://host:abc/", "host", "host:abc", 0, "/"},
        // More.
        {"http://127.0.0.1:38765/GetResult.ashx", "127.0.0.1", "127.0.0.1:38765", 38765, "/GetResult.ashx"},
        {"HTTPS://Example.COM/Path/To?Q=A#Frag", "example.com", "example.com", 443, "/Path/To?Q=A#Frag"},
        {"http://host:/", "host", "host:", 0, "/"},
        {"http://host: 81/", "host", "host: 81", 81, "/"},
        {"http://host:-5/", "host", "host:-5", -5, "/"},
        {"http://host:+7x/", "host", "host:+7x", 7, "/"},
        {"http://host:99999999999/", "host", "host:99999999999", 2147483647, "/"},
        {"http://a:1:2/", "a", "a:1:2", 2, "/"},
        {"ftp://host/x", "ftp", "ftp:", 0, "//host/x"},  // unknown scheme: host "ftp:", port ""
        {"", "", "", 80, "/"},
        {"/", "", "", 80, "/"},
        {"http://", "", "", 80, "/"},
        {"http:///x", "", "", 80, "/"},  // empty host: path "/"
        // Without scheme, the first "http://" anywhere is the scheme marker.
        {"host/?u=http://other/x", "other", "other", 80, "/x"},
        // "https" in the first five characters decides 443 even without "://".
        {"httpsfoo/x", "httpsfoo", "httpsfoo", 443, "/x"},
        // Upper-case letters in two-byte characters are trail bytes, not letters: \x81\x41 stays.
        {"http://\x81\x41" "B/P", "\x81\x41" "b", "\x81\x41" "b", 80, "/P"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetUrlHost(c.url), c.host) << c.url;
        EXPECT_EQ(GetUrlHost(c.url, true), c.hostWithPort) << c.url;
        EXPECT_EQ(GetUrlPort(c.url), c.port) << c.url;
        EXPECT_EQ(GetUrlPath(c.url), c.path) << c.url;
    }
}
