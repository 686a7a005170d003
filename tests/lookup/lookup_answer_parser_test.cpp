// The answer pages of tests/data/answers read into profiles, and the small changes to them that
// decide between found, not found and unmatched.

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "automation/RegexObject.h"
#include "lookup/LookupAnswerParser.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

using web::Local;

const std::string kHost = "rate.taobao.com";

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(NOMVERA_TEST_DATA_DIR) + "/answers/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos)
        ADD_FAILURE() << "fixture lacks " << from;
    else
        text.replace(at, from.size(), to);
    return text;
}

// The 23 fields in group order, written in UTF-8.
CreditProfile Profile(const std::array<const char*, 23>& utf8) {
    CreditProfile p;
    std::string* fields[] = {&p.identity,         &p.ratingPageUrl,  &p.creditScore,     &p.levelIconUrl,
                             &p.registrationTime, &p.realNameStatus, &p.region,          &p.givenGood,
                             &p.givenNeutral,     &p.givenBad,       &p.goodRate,        &p.weekGood,
                             &p.weekNeutral,      &p.weekBad,        &p.monthGood,       &p.monthNeutral,
                             &p.monthBad,         &p.halfYearGood,   &p.halfYearNeutral, &p.halfYearBad,
                             &p.olderGood,        &p.olderNeutral,   &p.olderBad};
    for (std::size_t i = 0; i < utf8.size(); ++i) *fields[i] = Local(utf8[i]);
    return p;
}

const CreditProfile kBuyer = Profile({"买家",       "http://rate.taobao.com/user-rate-UMGxbvCNYOmIT.htm",
                                      "128",        "http://pics.taobaocdn.com/newrank/b_red_3.gif",
                                      "2010-05-03", "已认证",
                                      "浙江 杭州",  "120",
                                      "1",          "0",
                                      "99.17%",     "1",
                                      "0",          "0",
                                      "4",          "0",
                                      "0",          "23",
                                      "1",          "0",
                                      "100",        "0",
                                      "1"});

CreditProfile BuyerWithEmptyCells() {
    CreditProfile p = kBuyer;
    p.givenBad.clear();
    p.weekNeutral.clear();
    return p;
}

struct FixtureCase {
    const char* file;
    LookupOutcome expected;
};

void PrintTo(const FixtureCase& c, std::ostream* os) {
    *os << c.file;
}

class AnswerFixtureTest : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(AnswerFixtureTest, ParsesToTheExpectedOutcome) {
    const LookupOutcome outcome = ParseLookupAnswer(Fixture(GetParam().file), kHost);
    EXPECT_EQ(outcome.found, GetParam().expected.found);
    EXPECT_EQ(outcome.profile, GetParam().expected.profile);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, AnswerFixtureTest,
    ::testing::Values(
        FixtureCase{"buyer.html", {true, kBuyer}},
        FixtureCase{"seller.html",
                    {true, Profile({"卖家",
                                    "http://rate.taobao.com/user-rate-UvFIuOmH4MGN0.htm",
                                    "2650",
                                    "http://pics.taobaocdn.com/newrank/s_blue_1.gif",
                                    "2008-11-20 10:15:32",
                                    "已认证",
                                    "上海",
                                    "2588",
                                    "3",
                                    "2",
                                    "99.81%",
                                    "15",
                                    "0",
                                    "0",
                                    "61",
                                    "1",
                                    "0",
                                    "402",
                                    "2",
                                    "1",
                                    "2110",
                                    "0",
                                    "1"})}},
        FixtureCase{"tmall_shop.html",
                    {true, Profile({"天猫",       "http://rate.taobao.com/user-rate-UOFcYMCkLOmNW.htm",
                                    "0",          "http://pics.taobaocdn.com/newrank/s_cap_1.gif",
                                    "2011-06-18", "已认证",
                                    "广东 广州",  "0",
                                    "0",          "0",
                                    "0.00%",      "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0"})}},
        FixtureCase{"seller_zero_score.html",
                    {true, Profile({"卖家",       "http://rate.taobao.com/user-rate-UMmNWvFHuOFcY.htm",
                                    "0",          "http://pics.taobaocdn.com/newrank/s_red_1.gif",
                                    "2013-01-09", "已认证",
                                    "江苏 南京",  "0",
                                    "0",          "0",
                                    "100.00%",    "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0",          "0",
                                    "0"})}},
        FixtureCase{"not_found.html", {false, {}}}, FixtureCase{"buyer_cut_in_half.html", {true, {}}},
        FixtureCase{"buyer_upper_case_markup.html", {true, kBuyer}},
        FixtureCase{"buyer_nbsp_real_name.html", {true, kBuyer}},
        FixtureCase{"buyer_empty_count_cell.html", {true, BuyerWithEmptyCells()}}),
    [](const auto& test) {
        std::string name = test.param.file;
        name = name.substr(0, name.find('.'));
        std::erase(name, '_');
        return name;
    });

// One change to a fixture page, and the one field it decides.
struct ChangeCase {
    const char* name;
    const char* file;
    const char* from;  // UTF-8, replaced once
    const char* to;
    bool found;
    std::string CreditProfile::*field;
    const char* expected;  // UTF-8
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class AnswerChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(AnswerChangeTest, DecidesTheField) {
    const ChangeCase& c = GetParam();
    const LookupOutcome outcome = ParseLookupAnswer(Replaced(Fixture(c.file), c.from, c.to), kHost);
    EXPECT_EQ(outcome.found, c.found);
    EXPECT_EQ(outcome.profile.*c.field, Local(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, AnswerChangeTest,
    ::testing::Values(
        ChangeCase{"BuyerWithZeroScoreStaysBuyer", "tmall_shop.html", "【淘宝卖家】", "【淘宝买家】", true,
                   &CreditProfile::identity, "买家"},
        ChangeCase{"ScoreMustBeExactlyZero", "tmall_shop.html", "<b>0</b>", "<b>00</b>", true,
                   &CreditProfile::identity, "卖家"},
        ChangeCase{"RateMustBeExactlyZeroPercent", "tmall_shop.html", ">0.00%<", ">0.0%<", true,
                   &CreditProfile::identity, "卖家"},
        ChangeCase{"CapitalEntityStays", "buyer_nbsp_real_name.html", "&nbsp;已认证", "&NBSP;已认证", true,
                   &CreditProfile::realNameStatus, "&NBSP;已认证"},
        ChangeCase{"EveryEntityGoes", "buyer_nbsp_real_name.html", "&nbsp;已认证&nbsp;",
                   "&nbsp;&nbsp;已&nbsp;认证&nbsp;", true, &CreditProfile::realNameStatus, "已认证"},
        ChangeCase{"OnlyTheRealNameLosesEntities", "buyer.html", "浙江 杭州", "浙江&nbsp;杭州", true,
                   &CreditProfile::region, "浙江&nbsp;杭州"},
        ChangeCase{"RegistrationTextKeptAsWritten", "buyer.html", "2010-05-03", " 2010年5月3日 ", true,
                   &CreditProfile::registrationTime, " 2010年5月3日 "},
        ChangeCase{"CharacterOutsideGbkBecomesDefault", "buyer.html", "浙江 杭州", "浙江 \xF0\x9F\x98\x80",
                   true, &CreditProfile::region, "浙江 ?"},
        ChangeCase{"HostDotsMatchAnyCharacter", "buyer.html", "rate.taobao.com", "rate-taobao/com", true,
                   &CreditProfile::ratingPageUrl, "http://rate-taobao/com/user-rate-UMGxbvCNYOmIT.htm"},
        ChangeCase{"CountsTakeAsciiDigitsOnly", "buyer.html", "<b>128</b>", "<b>１２８</b>", true,
                   &CreditProfile::identity, ""},
        ChangeCase{"RegionNeedsTheSpaceBeforeTheItemEnd", "buyer.html", "杭州 </li>", "杭州</li>", true,
                   &CreditProfile::identity, ""},
        ChangeCase{"NotFoundLinkComparedWithCase", "not_found.html", "http://rate.taobao.com/user-rate-.htm",
                   "http://RATE.taobao.com/user-rate-.htm", true, &CreditProfile::ratingPageUrl,
                   "http://RATE.taobao.com/user-rate-.htm"},
        ChangeCase{"NotFoundWhateverTheRestSays", "not_found.html", "<b></b></font> <img",
                   "<b>999</b></font> <img", false, &CreditProfile::creditScore, ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ParseLookupAnswer, EmptyAnswerIsFoundWithEveryFieldEmpty) {
    const LookupOutcome outcome = ParseLookupAnswer("", kHost);
    EXPECT_TRUE(outcome.found);
    EXPECT_EQ(outcome.profile, CreditProfile{});
}

TEST(ParseLookupAnswer, ReadsUpToTheFirstZeroByte) {
    const std::string buyer = Fixture("buyer.html");
    EXPECT_EQ(ParseLookupAnswer(buyer + '\0' + Fixture("seller.html"), kHost).profile, kBuyer);
    const std::string cut = buyer.substr(0, buyer.size() / 2) + '\0' + buyer.substr(buyer.size() / 2);
    const LookupOutcome outcome = ParseLookupAnswer(cut, kHost);
    EXPECT_TRUE(outcome.found);
    EXPECT_EQ(outcome.profile, CreditProfile{});
}

TEST(ParseLookupAnswer, OnlyTheFirstRecordCounts) {
    EXPECT_EQ(ParseLookupAnswer(Fixture("buyer.html") + Fixture("seller.html"), kHost).profile, kBuyer);
    EXPECT_EQ(ParseLookupAnswer(Fixture("seller.html") + Fixture("buyer.html"), kHost).profile.identity,
              Local("卖家"));
}

TEST(ParseLookupAnswer, UsesTheRatingHostItIsGiven) {
    const std::string host = "127.0.0.1:38765";
    const std::string page = Replaced(Fixture("buyer.html"), kHost, host);
    EXPECT_EQ(ParseLookupAnswer(page, host).profile.ratingPageUrl,
              "http://127.0.0.1:38765/user-rate-UMGxbvCNYOmIT.htm");
    EXPECT_EQ(ParseLookupAnswer(page, kHost).profile, CreditProfile{});
    EXPECT_FALSE(ParseLookupAnswer(Replaced(Fixture("not_found.html"), kHost, host), host).found);
    EXPECT_TRUE(ParseLookupAnswer(Fixture("not_found.html"), host).found);
}

TEST(LookupPattern, HasOneGroupPerField) {
    automation::RegexObject regex;
    ASSERT_TRUE(regex.Search(LookupPattern(kHost), web::Utf8ToLocal(Fixture("buyer.html"))));
    EXPECT_EQ(regex.GetMatchCount(), 1);
    EXPECT_EQ(regex.GetSubMatchCount(), 23);
}

TEST(NotFoundLink, IsTheRatingAddressWithAnEmptyId) {
    EXPECT_EQ(NotFoundLink(kHost), "http://rate.taobao.com/user-rate-.htm");
}

TEST(ParseLookupAnswer, ConcurrentCallsShareNothing) {
    const std::string buyer = Fixture("buyer.html");
    const std::string seller = Fixture("seller.html");
    const CreditProfile sellerProfile = ParseLookupAnswer(seller, kHost).profile;
    std::vector<std::thread> threads;
    std::array<int, 4> wrong{};
    for (std::size_t t = 0; t < wrong.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 25; ++i) {
                const bool useBuyer = (t + static_cast<std::size_t>(i)) % 2 == 0;
                const LookupOutcome o = ParseLookupAnswer(useBuyer ? buyer : seller, kHost);
                if (o.profile != (useBuyer ? kBuyer : sellerProfile)) ++wrong[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(wrong, (std::array<int, 4>{}));
}

}  // namespace
}  // namespace nomvera::lookup
