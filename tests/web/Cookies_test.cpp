// MergeCookies, CookieName, HasCookieName and JoinUnique.

#include "web/Cookies.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace nomvera::web;

namespace {

struct MergeCase {
    const char* name;
    std::string cookies, received;
    std::string merged, receivedAfter;
};

}  // namespace

TEST(MergeCookies, Table) {
    const std::vector<MergeCase> cases = {
        {"spec: replace, delete, keep", "a=1; b=2; c=3", "b=9; c=deleted; d=4", "b=9; d=4; a=1", "b=9;c=deleted;d=4"},
        {"spec: empty old", "", "x=1", "x=1", "x=1"},
        {"spec: empty received", "x=1", "", "x=1", ""},
        {"spec: blanks removed, separators normalised", "a = 1 ;b=2", "", "a=1; b=2", ""},
        {"spec: two received with one name", "", "x=1; x=2", "x=1; x=2", "x=1;x=2"},
        {"spec: identical received", "", "x=1; x=1", "x=1", "x=1;x=1"},
        {"spec: first old of one name", "a=1;a=2", "", "a=1", ""},
        {"spec: inner space", "msg=hello world", "", "msg=helloworld", ""},
        {"spec: every pair deleted", "a=1", "a=deleted", "", "a=deleted"},
        {"both empty", "", "", "", ""},
        {"trailing separator", "a=1;", "b=2;", "b=2; a=1", "b=2;"},
        {"empty piece inside stays", "a=1;;b=2", "", "a=1; ; b=2", ""},
        {"deleted is case-sensitive", "", "a=DELETED", "a=DELETED", "a=DELETED"},
        {"deleted without name match", "a=1", "b=deleted", "a=1", "b=deleted"},
        {"old deleted part dropped", "a=deleted; b=1", "", "b=1", ""},
        {"part without =", "flag; a=1", "flag", "flag; a=1", "flag"},
        {"names case-sensitive", "A=1", "a=2", "a=2; A=1", "a=2"},
        {"full-width blank removed", "a=\xA1\xA1" "1", "\xA1\xA1" "b=2", "b=2; a=1", "b=2"},
        // B1 A1 is one character; the A1 A1 starting at its trail byte is no blank.
        {"A1A1 only at character boundaries", "v=\xB1\xA1\xA1", "", "v=\xB1\xA1\xA1", ""},
        {"A1A1 after a two-byte character", "v=\xB1\xA1\xA1\xA1", "", "v=\xB1\xA1", ""},
    };
    for (const auto& c : cases) {
        std::string cookies = c.cookies, received = c.received;
        const std::string result = MergeCookies(cookies, received);
        EXPECT_EQ(result, c.merged) << c.name;
        EXPECT_EQ(cookies, c.merged) << c.name;
        EXPECT_EQ(received, c.receivedAfter) << c.name;
    }
}

TEST(CookieName, Table) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a=1", "a"},      {" a =1", "a"},   {"a", "a"},     {" flag ", "flag"},   {"=1", ""},
        {"", ""},          {"a=b=c", "a"},   {"\xA1\xA1" "n\xA1\xA1=1", "n"},        {"A=1", "A"},
        {"\xD6\xD0=1", "\xD6\xD0"},          {"\xB1\xA1\xA1\xA1=1", "\xB1\xA1"},     {"a b=1", "a b"},
    };
    for (const auto& [part, name] : cases) EXPECT_EQ(CookieName(part), name) << part;
}

TEST(HasCookieName, Table) {
    const std::vector<std::string> parts = {"a=1", " b =2", "flag"};
    EXPECT_TRUE(HasCookieName(parts, "a"));
    EXPECT_TRUE(HasCookieName(parts, "b"));
    EXPECT_TRUE(HasCookieName(parts, "flag"));
    EXPECT_FALSE(HasCookieName(parts, "A"));
    EXPECT_FALSE(HasCookieName(parts, "a=1"));
    EXPECT_FALSE(HasCookieName({}, "a"));
    EXPECT_TRUE(HasCookieName({"=x"}, ""));
}

TEST(JoinUnique, Table) {
    struct Case {
        std::string text, separator, expected;
    };
    const std::vector<Case> cases = {
        {"", "; ", ""},
        {"a; b; a", "; ", "a; b"},
        {"a; b; ", "; ", "a; b"},
        {"a; a; ", "; ", "a"},
        {"a;b", "; ", "a;b"},
        {"x,y,x,,z,,", ",", "x,y,,z"},
        {"a", "; ", "a"},
        {"ab", "", "ab"},
        {"A; a", "; ", "A; a"},
        {"1--2--1--", "--", "1--2"},
    };
    for (const auto& c : cases) EXPECT_EQ(JoinUnique(c.text, c.separator), c.expected) << c.text;
}

TEST(MergeCookies, LongInputStaysFast) {
    std::string cookies(256u * 1024u, ';');
    std::string received;
    for (int i = 0; i < 100000; ++i) received += "n" + std::to_string(i) + "=v;";
    MergeCookies(cookies, received);
    EXPECT_FALSE(cookies.empty());
}
