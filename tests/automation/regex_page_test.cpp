// RegexObject on whole answer pages: the lookup pattern on small, 1 MB and hopeless pages, the IP
// pattern, and objects used on several threads at once (each Search has its own JIT stack).

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "LookupPages.h"
#include "automation/RegexObject.h"
#include "web/CodePage.h"

using nomvera::automation::RegexObject;
using nomvera::web::Local;
namespace pages = nomvera::automation::testing;

namespace {

const std::vector<std::string>& ExpectedGroups() {
    static const std::vector<std::string> kGroups = [] {
        std::vector<std::string> g = {"买家",
                                      "http://rate.taobao.com/user-rate-UvGxYMmvbOFgT.htm",
                                      "125",
                                      "http://pics.example/level3.gif",
                                      "2010-03-04 12:00:00",
                                      "&nbsp;已认证&nbsp;",
                                      "浙江 杭州",
                                      "120",
                                      "3",
                                      "1",
                                      "96.77%"};
        for (int period = 0; period < 4; ++period) g.insert(g.end(), {"1", "0", "2"});
        for (std::string& text : g) text = Local(text);
        return g;
    }();
    return kGroups;
}

void ExpectLookupGroups(const RegexObject& re) {
    ASSERT_EQ(re.GetMatchCount(), 1);
    ASSERT_EQ(re.GetSubMatchCount(), 23);
    for (int k = 1; k <= 23; ++k)
        EXPECT_EQ(re.GetSubMatchText(1, k), ExpectedGroups()[k - 1]) << "group " << k;
}

class LookupPageSize : public ::testing::TestWithParam<size_t> {};

TEST_P(LookupPageSize, AllGroupsRead) {
    RegexObject re;
    ASSERT_TRUE(re.Search(pages::LookupPattern(), pages::LookupPage(GetParam())));
    ExpectLookupGroups(re);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LookupPageSize,
                         ::testing::Values(0, 30 * 1024, 1024 * 1024, 4 * 1024 * 1024));

TEST(LookupPage, MarkupInOtherLetterCaseStillMatches) {
    std::string page = pages::LookupPage();
    for (const char* from : {"tb_nick", "#00CC33", "</font>"}) {
        std::string to = from;
        for (char& ch : to)
            ch =
                static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : (ch >= 'A' && ch <= 'Z' ? ch + 32 : ch));
        for (size_t at = page.find(from); at != std::string::npos; at = page.find(from, at + 1))
            page.replace(at, to.size(), to);
    }
    RegexObject re;
    ASSERT_TRUE(re.Search(pages::LookupPattern(), page));
    ExpectLookupGroups(re);
}

TEST(LookupPage, PageCutShortRunsWithoutMatch) {
    RegexObject re;
    ASSERT_TRUE(re.Search(pages::LookupPattern(), pages::TruncatedLookupPage(3)));
    EXPECT_EQ(re.GetMatchCount(), 0);
    EXPECT_EQ(re.GetSubMatchText(1, 2), "");
}

TEST(LookupPage, HopelessPageStopsOnTheLimitAndReadsEmpty) {
    RegexObject re;
    EXPECT_FALSE(re.Search(pages::LookupPattern(), pages::TruncatedLookupPage(3000)));
    EXPECT_EQ(re.GetMatchCount(), 0);
    for (int k = 1; k <= 23; ++k) EXPECT_EQ(re.GetSubMatchText(1, k), "");
    EXPECT_EQ(re.ReplaceMatches("x"), "");
}

// A complete record followed by a hopeless tail: the later attempts hit the limit, but the record
// found first is real and must survive.
TEST(LookupPage, RecordBeforeAHopelessTailIsKept) {
    RegexObject re;
    ASSERT_TRUE(re.Search(pages::LookupPattern(), pages::LookupPage() + pages::TruncatedLookupPage(3000)));
    ExpectLookupGroups(re);
}

TEST(LookupPage, ClassicCatastrophicPatternStopsOnTheLimit) {
    RegexObject re;
    // The "b" after the run keeps PCRE2 from ruling the subject out before it starts.
    EXPECT_FALSE(re.Search("(a+)+b", std::string(40, 'a') + "cb"));
    EXPECT_EQ(re.GetMatchCount(), 0);
}

// Each repetition of a group keeps a backtracking frame; the default 32 KB JIT stack and the
// interpreter's depth limit both give up long before 100,000 of them.
TEST(LookupPage, LongGroupRepetitionFitsTheJitStack) {
    RegexObject re;
    ASSERT_TRUE(re.Search("<(?:a|b)*>", "<" + std::string(100000, 'a') + ">"));
    EXPECT_EQ(re.GetMatchCount(), 1);
}

TEST(LookupPage, ObjectsOnSeveralThreadsAtOnce) {
    const std::string pattern = pages::LookupPattern();
    const std::string page = pages::LookupPage(1024 * 1024);
    std::vector<std::string> identities(4);
    std::vector<std::thread> threads;
    for (std::string& identity : identities)
        threads.emplace_back([&pattern, &page, &identity] {
            RegexObject re;
            if (re.Search(pattern, page)) identity = re.GetSubMatchText(1, 1) + re.GetSubMatchText(1, 23);
        });
    for (std::thread& t : threads) t.join();
    for (const std::string& identity : identities) EXPECT_EQ(identity, Local("买家2"));
}

std::string IpPattern() {
    return Local("地址查询.*?mh-detail \"><span>(.*?)</span><span>(.*?)</span></p><div class=\"mh-search\">");
}

TEST(IpPage, AddressAndRegionRead) {
    const std::string page = Local(
        "<html><h2>IP地址查询</h2>\n<p>本机IP地址查询：<p class=\"mh-detail \"><span>203.0.113.7</span>"
        "<span>中国&nbsp;浙江&nbsp;杭州 电信</span></p><div class=\"mh-search\"></div>\n</html>");
    RegexObject re;
    ASSERT_TRUE(re.Search(IpPattern(), page));
    EXPECT_EQ(re.GetSubMatchText(1, 1), "203.0.113.7");
    EXPECT_EQ(re.GetSubMatchText(1, 2), Local("中国&nbsp;浙江&nbsp;杭州 电信"));
}

}  // namespace
