// One account through the whole lookup road against the stand-in service: CleanAccount,
// FetchLookupAnswer, ParseLookupAnswer and GradeProfile give the grade the service's profile implies.

#include <gtest/gtest.h>

#include <string>

#include "lookup/LookupAnswerParser.h"
#include "lookup/LookupFetch.h"
#include "lookup/LookupRequest.h"
#include "lookup/SafetyGrade.h"
#include "lookup/ServiceAddresses.h"
#include "support/StandInProcess.h"
#include "web/CodePage.h"
#include "web/HttpEngine.h"
#include "web/TextRoutines.h"

namespace nomvera::lookup {
namespace {

const std::string kRatingHost = ServiceAddresses{}.ratingHost;

testing::StandInProcess& StandIn() {
    static testing::StandInProcess standIn;
    return standIn;
}

GradeInputs InputsOf(const CreditProfile& p) {
    return {p.identity,   p.registrationTime, p.givenNeutral, p.givenBad,    p.weekGood,
            p.weekNeutral, p.weekBad,          p.monthGood,    p.monthNeutral, p.monthBad};
}

struct RoadCase {
    const char* typed;  // UTF-8, as a user typed it
    bool found;
    SafetyGrade grade;  // only when found
    const char* identity;
};

class LookupRoad : public ::testing::TestWithParam<RoadCase> {};

TEST_P(LookupRoad, GradeFollowsTheServiceProfile) {
    ASSERT_TRUE(StandIn().running());
    const RoadCase& c = GetParam();
    const std::string account = CleanAccount(web::Local(c.typed));
    EXPECT_EQ(account.find(' '), std::string::npos);

    const LookupOutcome outcome = ParseLookupAnswer(FetchLookupAnswer(account, StandIn().host()), kRatingHost);
    ASSERT_EQ(outcome.found, c.found);
    if (!c.found) return;
    EXPECT_EQ(outcome.profile.identity, web::Local(c.identity));
    EXPECT_EQ(outcome.profile.ratingPageUrl.rfind("http://" + kRatingHost + "/user-rate-", 0), 0u);
    EXPECT_NE(outcome.profile.ratingPageUrl, NotFoundLink(kRatingHost));
    EXPECT_EQ(GradeProfile(InputsOf(outcome.profile), LocalNow()), c.grade);
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, LookupRoad,
    ::testing::Values(RoadCase{"safe buyer 1", true, SafetyGrade::Safe, "买家"},
                      RoadCase{"new\r\nbuyer", true, SafetyGrade::Danger, "买家"},
                      RoadCase{"neutral　buyer", true, SafetyGrade::Danger, "买家"},  // full-width blank
                      RoadCase{"bad7", true, SafetyGrade::Danger, "买家"},
                      RoadCase{"week7", true, SafetyGrade::Danger, "买家"},
                      RoadCase{"month7", true, SafetyGrade::Danger, "买家"},
                      RoadCase{"seller7", true, SafetyGrade::NotGradable, "卖家"},
                      RoadCase{"tmall7", true, SafetyGrade::NotGradable, "天猫"},
                      RoadCase{"nobody7", false, SafetyGrade::NotGradable, ""},
                      RoadCase{"", false, SafetyGrade::NotGradable, ""}));

// The stand-in checks the token as the real service does; a body with a wrong one is refused with a
// page the pattern does not read, which grades "未知", never "安全".
TEST(LookupRoadRefused, WrongTokenGivesAnUnmatchedPageGradedNotGradable) {
    ASSERT_TRUE(StandIn().running());
    const std::string body = "nick=safe1&stype=1&k=" + web::UrlEncode(ComputeRequestToken("safe2"), true, false);
    const std::string answer = web::HttpEngine("http://" + StandIn().host() + "/GetResult.ashx", 1, body);
    EXPECT_FALSE(answer.empty());
    const LookupOutcome outcome = ParseLookupAnswer(answer, kRatingHost);
    EXPECT_TRUE(outcome.found);
    EXPECT_EQ(outcome.profile, CreditProfile{});
    EXPECT_EQ(GradeProfile(InputsOf(outcome.profile), LocalNow()), SafetyGrade::NotGradable);
}

TEST(LookupRoadRefused, UnreachableServiceGivesAnEmptyAnswer) {
    // Port 1 on loopback: nothing listens there.
    const std::string answer = FetchLookupAnswer("safe1", "127.0.0.1:1");
    EXPECT_TRUE(answer.empty());
    const LookupOutcome outcome = ParseLookupAnswer(answer, kRatingHost);
    EXPECT_TRUE(outcome.found);
    EXPECT_EQ(GradeProfile(InputsOf(outcome.profile), LocalNow()), SafetyGrade::NotGradable);
}

}  // namespace
}  // namespace nomvera::lookup
