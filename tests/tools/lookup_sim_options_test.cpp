// The stand-in's options: fixed profiles, the rating host, the announced version and failure
// injection. Each case starts its own stand-in.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "StandInClient.h"
#include "support/StandInProcess.h"

namespace nomvera::tools::testing {
namespace {

using lookup::CreditProfile;
using nomvera::testing::StandInProcess;
using web::Local;

// A profile file in /tmp that lives as long as the test.
class ProfileFile {
public:
    explicit ProfileFile(const std::string& text) {
        char name[] = "/tmp/nomvera-sim-profiles-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        path_ = name;
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~ProfileFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(StandInOptions, FixedProfilesOverrideAndComeBackFieldForField) {
    const ProfileFile file(
        "# account|identity|score|registered|real-name|region|given|rate|week|month|half-year|older\n"
        "\n"
        "safe_fixed|买家|1234|2019-03-04 10:11:12|支付宝个人认证|浙江 "
        "杭州|12,3,2|98.50%|1,2,3|4,5,6|7,8,9|10,11,12\n"
        "张三的小店|卖家|0|2019年3月4日|支付宝商家认证|上海|0,0,0|0.00%|0,0,0|0,0,0|0,0,0|0,0,0\r\n"
        "safe_gone|-||||||||||\n");
    StandInProcess standIn({"--profiles", file.path()});
    ASSERT_TRUE(standIn.running());

    const auto fixed = LookupOutcomeOf(standIn.port(), "safe_fixed");
    ASSERT_TRUE(fixed.found);
    CreditProfile expected{Local("买家"),
                           fixed.profile.ratingPageUrl,
                           "1234",
                           "http://127.0.0.1:" + std::to_string(standIn.port()) + "/level/8.png",
                           "2019-03-04 10:11:12",
                           Local("支付宝个人认证"),
                           Local("浙江 杭州"),
                           "12",
                           "3",
                           "2",
                           "98.50%",
                           "1",
                           "2",
                           "3",
                           "4",
                           "5",
                           "6",
                           "7",
                           "8",
                           "9",
                           "10",
                           "11",
                           "12"};
    EXPECT_EQ(fixed.profile, expected);
    EXPECT_EQ(fixed.profile.ratingPageUrl.rfind("http://rate.taobao.com/user-rate-", 0), 0u);
    EXPECT_NE(fixed.profile.ratingPageUrl, "http://rate.taobao.com/user-rate-.htm");

    const auto shop = LookupOutcomeOf(standIn.port(), "张三的小店");
    ASSERT_TRUE(shop.found);
    EXPECT_EQ(shop.profile.identity, Local("天猫"));
    EXPECT_EQ(shop.profile.registrationTime, Local("2019年3月4日"));

    EXPECT_FALSE(LookupOutcomeOf(standIn.port(), "safe_gone").found);  // the prefix alone would say found
}

TEST(StandInOptions, BrokenProfileFileStopsTheStart) {
    for (const char* text : {"only|three|fields\n", "x|买家|12|t|r|g|1,2|9%|0,0,0|0,0,0|0,0,0|0,0,0\n",
                             "x|顾客|12|t|r|g|1,2,3|9%|0,0,0|0,0,0|0,0,0|0,0,0\n"}) {
        SCOPED_TRACE(text);
        const ProfileFile file(text);
        EXPECT_FALSE(StandInProcess({"--profiles", file.path()}).running());
    }
    EXPECT_FALSE(StandInProcess({"--profiles", "/nonexistent/profiles.txt"}).running());
}

TEST(StandInOptions, RatingHostGoesIntoTheAddresses) {
    StandInProcess standIn({"--rating-host", "rate.example.test"});
    ASSERT_TRUE(standIn.running());
    const auto found = LookupOutcomeOf(standIn.port(), "safe_host", "rate.example.test");
    EXPECT_EQ(found.profile.ratingPageUrl.rfind("http://rate.example.test/user-rate-", 0), 0u);
    EXPECT_FALSE(LookupOutcomeOf(standIn.port(), "nobody_host", "rate.example.test").found);
    EXPECT_EQ(LookupOutcomeOf(standIn.port(), "safe_host").profile, CreditProfile{});  // other host: no match
}

TEST(StandInOptions, AnnouncedVersionIsSettable) {
    StandInProcess standIn({"--version-announce", "3.5"});
    ASSERT_TRUE(standIn.running());
    const std::string page = Get(standIn.port(), "/version.htm").Body();
    EXPECT_NE(page.find(Local("软件版本：v3.5_")), std::string::npos);
    EXPECT_EQ(page.find(Local("软件版本：v3.4_")), std::string::npos);
}

TEST(StandInOptions, EveryFailureModeBreaksTheAnswerItsOwnWay) {
    const struct {
        const char* mode;
        std::function<void(const RawExchange&)> check;
    } modes[] = {
        {"500", [](const RawExchange& a) { EXPECT_EQ(a.Status(), 500); }},
        {"reset",
         [](const RawExchange& a) {
             EXPECT_TRUE(a.reset);
             EXPECT_TRUE(a.bytes.empty());
         }},
        {"short",
         [](const RawExchange& a) {
             EXPECT_EQ(a.Status(), 200);
             EXPECT_LT(a.Body().size(), std::stoul(a.Header("Content-Length")));
             EXPECT_EQ(lookup::ParseLookupAnswer(a.Body(), kDefaultRatingHost).profile, CreditProfile{});
         }},
        {"garbage",
         [](const RawExchange& a) {
             EXPECT_FALSE(a.bytes.empty());
             EXPECT_EQ(a.Status(), 0);
         }},
        {"drip",  // slow, but whole and good
         [](const RawExchange& a) {
             EXPECT_EQ(a.Status(), 200);
             EXPECT_EQ(a.Body().size(), std::stoul(a.Header("Content-Length")));
             EXPECT_EQ(lookup::ParseLookupAnswer(a.Body(), kDefaultRatingHost).profile.identity,
                       Local("买家"));
         }},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        StandInProcess standIn({"--fail-rate", "1", "--fail-modes", m.mode});
        ASSERT_TRUE(standIn.running());
        const std::string token = FormEncode(lookup::testing::OracleToken("safe_fail"));
        const RawExchange answer =
            PostForm(standIn.port(), "/GetResult.ashx", LookupForm("safe_fail", token));
        ASSERT_TRUE(answer.connected);
        m.check(answer);
    }
}

TEST(StandInOptions, FailRateFailsAShareOfRequests) {
    StandInProcess standIn({"--fail-rate", "0.5", "--fail-modes", "500", "--seed", "7"});
    ASSERT_TRUE(standIn.running());
    int failed = 0;
    for (int i = 0; i < 60; ++i) failed += Get(standIn.port(), "/").Status() == 500 ? 1 : 0;
    EXPECT_GT(failed, 10);
    EXPECT_LT(failed, 50);
}

}  // namespace
}  // namespace nomvera::tools::testing
