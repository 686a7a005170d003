// The stand-in's pages, read the way the program reads them: the answer parser, the grading
// rules and the IP pattern, over real HTTP on 127.0.0.1.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "StandInClient.h"
#include "automation/RegexObject.h"
#include "support/StandInProcess.h"

namespace nomvera::tools::testing {
namespace {

using lookup::CreditProfile;
using web::Local;

class StandInPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() { standIn_ = new nomvera::testing::StandInProcess(); }
    static void TearDownTestSuite() {
        delete standIn_;
        standIn_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(standIn_->running()) << "the stand-in did not start"; }
    static int Port() { return standIn_->port(); }

private:
    static nomvera::testing::StandInProcess* standIn_;
};
nomvera::testing::StandInProcess* StandInPages::standIn_ = nullptr;

struct KindCase {
    const char* prefix;
    const char* identity;  // UTF-8, after the parser's Tmall rule
    std::array<bool, 5> rules;
};

TEST_F(StandInPages, EachPrefixGivesItsKindAndFiresExactlyItsRule) {
    const KindCase cases[] = {
        {"safe", "买家", {false, false, false, false, false}},
        {"new", "买家", {true, false, false, false, false}},
        {"neutral", "买家", {false, true, false, false, false}},
        {"bad", "买家", {false, false, true, false, false}},
        {"week", "买家", {false, false, false, true, false}},
        {"month", "买家", {false, false, false, false, true}},
        {"Safe", "买家", {false, false, false, false, false}},
        {"seller", "卖家", {}},
        {"tmall", "天猫", {}},
    };
    const auto now = lookup::LocalNow();
    for (const KindCase& c : cases) {
        for (int i = 0; i < 25; ++i) {
            const std::string name = std::string(c.prefix) + "_" + std::to_string(i);
            SCOPED_TRACE(name);
            const auto outcome = LookupOutcomeOf(Port(), name);
            ASSERT_TRUE(outcome.found);
            const CreditProfile& p = outcome.profile;
            EXPECT_EQ(p.identity, Local(c.identity));
            EXPECT_EQ(p.realNameStatus.find("&nbsp;"), std::string::npos);
            EXPECT_FALSE(p.realNameStatus.empty());
            EXPECT_EQ(p.goodRate.back(), '%');
            if (p.identity == Local("买家")) {
                EXPECT_EQ(lookup::EvaluateRules(GradeInputsOf(p), now), c.rules);
            }
            if (p.identity == Local("天猫")) {
                EXPECT_EQ(p.creditScore + " " + p.goodRate, "0 0.00%");
            }
            if (p.identity == Local("卖家")) {
                EXPECT_NE(p.creditScore, "0");
            }
        }
    }
}

TEST_F(StandInPages, UnknownAccountsGetTheEmptyRatingAddress) {
    for (const char* name : {"nobody", "nobody_7", "notfound_x", "NotFound2", ""}) {
        SCOPED_TRACE(name);
        const std::string body = LookupBody(Port(), name);
        EXPECT_NE(body.find("http://rate.taobao.com/user-rate-.htm"), std::string::npos);
        EXPECT_FALSE(lookup::ParseLookupAnswer(body, kDefaultRatingHost).found);
    }
}

TEST_F(StandInPages, OtherNamesSpreadOverEveryKindAndRepeatExactly) {
    std::set<std::string> seen;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "buyer" + std::to_string(i);
        const std::string body = LookupBody(Port(), name);
        const auto outcome = lookup::ParseLookupAnswer(body, kDefaultRatingHost);
        seen.insert(outcome.found ? outcome.profile.identity : "not found");
        if (i % 50 == 0) {
            EXPECT_EQ(LookupBody(Port(), name), body) << name;
        }
    }
    EXPECT_EQ(seen, (std::set<std::string>{Local("买家"), Local("卖家"), Local("天猫"), "not found"}));
}

TEST_F(StandInPages, ChineseAccountNamesTravelAsUtf8) {
    const std::string name = "safe张三的小店";
    const std::string body = LookupBody(Port(), name);
    EXPECT_NE(body.find("class=\"tb_nick\">safe张三的小店</a>"), std::string::npos);
    const auto outcome = lookup::ParseLookupAnswer(body, kDefaultRatingHost);
    ASSERT_TRUE(outcome.found);
    EXPECT_EQ(outcome.profile.identity, Local("买家"));
}

TEST_F(StandInPages, RequestsWithoutTheRightTokenAreRefused) {
    const std::string account = "safe_alice";
    const std::string token = lookup::testing::OracleToken(account);
    ASSERT_NE(token.find('+'), std::string::npos) << "the raw-plus case needs a token with +";
    std::string rawPlus = token;  // "+" unencoded reads as a space in a form body
    const struct {
        const char* what;
        std::string body;
    } refused[] = {
        {"token of another account",
         LookupForm(account, FormEncode(lookup::testing::OracleToken("safe_bob")))},
        {"token of the name in other case",
         LookupForm(account, FormEncode(lookup::testing::OracleToken("Safe_alice")))},
        {"no k field", "nick=" + account + "&stype=1"},
        {"empty k", LookupForm(account, "")},
        {"plus not encoded", LookupForm(account, rawPlus)},
        {"no nick field", "stype=1&k=" + FormEncode(token)},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.what);
        const RawExchange answer = PostForm(Port(), "/GetResult.ashx", r.body);
        EXPECT_EQ(answer.Status(), 200);
        const auto outcome = lookup::ParseLookupAnswer(answer.Body(), kDefaultRatingHost);
        EXPECT_TRUE(outcome.found);
        EXPECT_EQ(outcome.profile, CreditProfile{});
    }
    const auto accepted = LookupOutcomeOf(Port(), account);
    EXPECT_EQ(accepted.profile.identity, Local("买家"));
}

TEST_F(StandInPages, LevelPictureComesFromTheStandInAsPng) {
    const auto outcome = LookupOutcomeOf(Port(), "seller_pictures");
    const std::string prefix = "http://127.0.0.1:" + std::to_string(Port());
    ASSERT_EQ(outcome.profile.levelIconUrl.rfind(prefix + "/level/", 0), 0u) << outcome.profile.levelIconUrl;
    const RawExchange picture = Get(Port(), outcome.profile.levelIconUrl.substr(prefix.size()));
    ASSERT_EQ(picture.Status(), 200);
    EXPECT_EQ(picture.Header("Content-Type"), "image/png");
    const std::string png = picture.Body();
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 12), std::string("IHDR\0\0\0\x3c\0\0\0\x10", 12));  // 60 x 16
}

TEST_F(StandInPages, IpPageNamesTheCallerForTheIpPattern) {
    const RawExchange page = Get(Port(), "/s?q=ip");
    ASSERT_EQ(page.Status(), 200);
    automation::RegexObject regex;
    ASSERT_TRUE(regex.Search(Local("地址查询.*?mh-detail \"><span>(.*?)</span><span>(.*?)</span></p><div "
                                   "class=\"mh-search\">"),
                             web::Utf8ToLocal(page.Body())));
    EXPECT_EQ(regex.GetSubMatchText(1, 1), "127.0.0.1");
    EXPECT_EQ(regex.GetSubMatchText(1, 2), Local("本地&nbsp;局域网"));
}

TEST_F(StandInPages, RoutesAnswerWithTheirStatusAndType) {
    const struct {
        const char* target;
        int status;
        const char* type;
    } routes[] = {
        {"/", 200, "text/html; charset=utf-8"},
        {"/version.htm", 200, "text/html; charset=gb2312"},
        {"/level/0.png", 200, "image/png"},
        {"/level/20.png", 200, "image/png"},
        {"/level/21.png", 404, nullptr},
        {"/level/x.png", 404, nullptr},
        {"/GetResult.ashx", 405, nullptr},
        {"/nothing-here", 404, nullptr},
        {"/s?q=weather", 200, "text/html; charset=utf-8"},
    };
    for (const auto& r : routes) {
        SCOPED_TRACE(r.target);
        const RawExchange answer = Get(Port(), r.target);
        EXPECT_EQ(answer.Status(), r.status);
        if (r.type) {
            EXPECT_EQ(answer.Header("Content-Type"), r.type);
        }
    }
}

TEST_F(StandInPages, VersionPageIsCodePage936) {
    const std::string page = Get(Port(), "/version.htm").Body();
    EXPECT_NE(page.find(Local("软件版本：v3.4_")), std::string::npos);
    EXPECT_EQ(page.find("软件版本"), std::string::npos);  // no UTF-8 left in it
}

}  // namespace
}  // namespace nomvera::tools::testing
