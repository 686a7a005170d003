#include <gtest/gtest.h>

#include <string>

#include "AesOracle.h"
#include "lookup/LookupRequest.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

using testing::OracleToken;
using testing::PercentEncoded;

struct CleanCase {
    const char* name;
    std::string text;     // code page 936
    std::string cleaned;  // code page 936
};

class CleanAccountTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanAccountTest, RemovesLineBreakPairsAndSpaces) {
    EXPECT_EQ(CleanAccount(GetParam().text), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CleanAccountTest,
    ::testing::Values(
        CleanCase{"Plain", "tb_buyer-1.x", "tb_buyer-1.x"}, CleanCase{"Empty", "", ""},
        CleanCase{"PairsAnywhere", "\r\nab\r\nc\r\n", "abc"},
        CleanCase{"LoneBreaksStay", "a\rb\nc\n\rd", "a\rb\nc\n\rd"},
        CleanCase{"PairsRemovedInOnePass", "a\r\r\n\nb", "a\r\nb"},
        CleanCase{"SpacesAnywhere", "  a b  c ", "abc"}, CleanCase{"TabsStay", "a\tb", "a\tb"},
        CleanCase{"FullWidthSpaces", web::Local("\u3000张\u3000三\u3000"), web::Local("张三")},
        CleanCase{"EveryKindTogether", web::Local(" 小\r\n店\u3000 x\r\n"), web::Local("小店x")},
        // 啊 is B0 A1 and 、 is A1 A2: the A1 A1 across them is not a full-width space.
        CleanCase{"FullWidthSpaceOnlyOnCharacterBoundaries", web::Local("啊、"), web::Local("啊、")},
        CleanCase{"LoneLeadByteAtTheEnd", std::string("a \xB0"), std::string("a\xB0")}),
    [](const auto& test) { return std::string(test.param.name); });

struct BodyCase {
    const char* name;
    const char* utf8;  // the account
    const char* nick;  // its expected encoded form
};

class BuildLookupRequestTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(BuildLookupRequestTest, IsNickStypeAndEncodedTokenOfTheSameAccount) {
    const BodyCase& c = GetParam();
    const std::string expected =
        std::string("nick=") + c.nick + "&stype=1&k=" + PercentEncoded(OracleToken(c.utf8));
    EXPECT_EQ(BuildLookupRequest(web::Local(c.utf8)), expected);
}

INSTANTIATE_TEST_SUITE_P(Accounts, BuildLookupRequestTest,
                         ::testing::Values(BodyCase{"Empty", "", ""},
                                           BodyCase{"SafeCharactersStay", "Tb-01.x", "Tb-01.x"},
                                           BodyCase{"UnderscoreEncoded", "tb_seller", "tb%5Fseller"},
                                           BodyCase{"ChineseAsUtf8", "张三", "%E5%BC%A0%E4%B8%89"},
                                           BodyCase{"Reserved", "a+b&c=d", "a%2Bb%26c%3Dd"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(BuildLookupRequest, TokenCharactersAreAllEncoded) {
    // Base64 holds "+", "/" and "="; none may reach the form body unencoded after "k=".
    bool sawPlusAndSlash[2] = {false, false};
    for (int i = 0; i < 40; ++i) {
        const std::string account = "acct" + std::to_string(i);
        const std::string raw = OracleToken(account);
        sawPlusAndSlash[0] |= raw.find('+') != std::string::npos;
        sawPlusAndSlash[1] |= raw.find('/') != std::string::npos;
        const std::string body = BuildLookupRequest(account);
        const std::string encoded = body.substr(body.find("&k=") + 3);
        EXPECT_EQ(encoded.find_first_of("+/="), std::string::npos) << body;
        EXPECT_EQ(encoded, PercentEncoded(raw));
    }
    EXPECT_TRUE(sawPlusAndSlash[0] && sawPlusAndSlash[1]);  // the accounts did exercise both
}

}  // namespace
}  // namespace nomvera::lookup
