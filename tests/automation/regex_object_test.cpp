// RegexObject: ECMAScript pattern meanings on PCRE2, match collection, group and index reads,
// positions in code page 936 text, quote escapes, Copy. Texts are written as UTF-8 and converted.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/RegexObject.h"
#include "web/CodePage.h"

using nomvera::automation::RegexObject;
using nomvera::web::Local;

namespace {

struct SyntaxCase {
    const char* name;
    const char* pattern;
    const char* subject;
    int count;
    const char* first;  // text of match 1 (UTF-8)
    bool caseSensitive = false;
    bool multiline = true;
    bool global = true;
};

void PrintTo(const SyntaxCase& c, std::ostream* os) {
    *os << c.name;
}

class RegexSyntax : public ::testing::TestWithParam<SyntaxCase> {};

TEST_P(RegexSyntax, MatchesAsEcmaScriptDoes) {
    const SyntaxCase& c = GetParam();
    RegexObject re;
    ASSERT_TRUE(re.Search(Local(c.pattern), Local(c.subject), c.caseSensitive, c.multiline, c.global));
    EXPECT_EQ(re.GetMatchCount(), c.count);
    EXPECT_EQ(re.GetMatchText(1), Local(c.first));
}

const std::vector<SyntaxCase> kSyntaxCases = {
    {"case ignored by default", "abc", "xABCx", 1, "ABC"},
    {"case counts when asked", "abc", "ABC", 0, "", true},
    {"full-width letters fold", "ａｂ", "ＡＢ", 1, "ＡＢ"},
    {"Greek letters fold", "αβ", "ΑΒ", 1, "ΑΒ"},
    {"dot stops at a line feed", "a.c", "a\nc", 0, ""},
    {"dot takes a carriage return", "a.c", "a\rc", 1, "a\rc"},
    {"dot takes one Chinese character", "【淘宝(..)】", "【淘宝买家】", 1, "【淘宝买家】"},
    {"[\\s\\S] crosses lines", "a[\\s\\S]*?c", "a\n\nc c", 1, "a\n\nc"},
    {"lazy quantifier", "<b>(.*?)</b>", "<b>1</b><b>2</b>", 2, "<b>1</b>"},
    {"greedy quantifier", "<b>.*</b>", "<b>1</b><b>2</b>", 1, "<b>1</b><b>2</b>"},
    {"global off collects the first only", "a", "aa", 1, "a", false, true, false},
    {"multi-line ^ after a line feed", "^b", "a\nb", 1, "b"},
    {"multi-line ^ after a final line feed", "^", "a\n", 2, ""},
    {"single-line ^ only at the start", "^b", "a\nb", 0, "", false, false},
    {"single-line $ only at the very end", "a$", "a\n", 0, "", false, false},
    {"multi-line $ before a line feed", "a$", "a\nb", 1, "a"},
    {"empty matches step one unit", "x*", "abc", 4, ""},
    {"lazy empty matches", "a*?", "aaa", 4, ""},
    {"empty match then a longer one", "a*", "baa", 3, ""},
    {"\\s takes the ideographic space", "a\\sb", "a　b", 1, "a　b"},
    {"\\S refuses the ideographic space", "a\\Sb", "a　b", 0, ""},
    {"[^\\s] stops at ideographic spaces", "[^\\s]+", "　中文　", 1, "中文"},
    {"class of \\S and a space", "[　\\S]+", " 中　文 ", 1, "中　文"},
    {"negated class of \\S and a blank", "[^ \\S]+", "x　 　y", 2, "　"},
    {"\\d is ASCII only", "\\d", "１", 0, ""},
    {"\\w is ASCII only", "\\w", "中", 0, ""},
    {"word boundary", "\\bab\\b", "abc ab", 1, "ab"},
    {"[] matches nothing", "a[]", "a", 0, ""},
    {"[^] matches anything", "a[^]b", "a\nb", 1, "a\nb"},
    {"no POSIX classes", "[[:a]+", "a:[", 1, "a:["},
    {"escaped letters without meaning are letters", "\\A\\z\\Q\\E\\K", "AzQEK", 1, "AzQEK"},
    {"\\v is the vertical tab only", "a\\vb", "a\nb a\vb", 1, "a\vb"},
    {"\\u with four digits", "\\u4e2d", "中", 1, "中"},
    {"\\u with fewer digits is a u", "\\u4e2", "u4e2", 1, "u4e2"},
    {"\\x with two digits", "\\x41", "a", 1, "a"},
    {"\\c without a letter", "\\c1", "\\c1", 1, "\\c1"},
    {"brace that is no quantifier", "a{,2}}", "a{,2}}", 1, "a{,2}}"},
    {"brace quantifier", "a{2}", "aaa", 1, "aa"},
    {"unset back-reference matches empty", "(a)?\\1b", "b", 1, "b"},
    {"forward reference matches empty", "\\1(a)", "a", 1, "a"},
    {"look-behind", "(?<=中)文", "文中文", 1, "文"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RegexSyntax, ::testing::ValuesIn(kSyntaxCases));

// Patterns ECMAScript rejects; several of them mean something else to PCRE2.
class RejectedPattern : public ::testing::TestWithParam<const char*> {};

TEST_P(RejectedPattern, SearchFailsAndEveryReadIsEmpty) {
    RegexObject re;
    ASSERT_TRUE(re.Search("(a)", "aa"));  // the earlier matches must not survive
    EXPECT_FALSE(re.Search(GetParam(), "a (a) aa"));
    EXPECT_EQ(re.GetMatchCount(), 0);
    EXPECT_EQ(re.GetSubMatchCount(), 0);
    EXPECT_EQ(re.GetMatchText(1), "");
    EXPECT_EQ(re.GetSubMatchText(1, 1), "");
    EXPECT_EQ(re.ReplaceMatches("x"), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, RejectedPattern,
                         ::testing::Values("(", "a)", "[a", "*a", "a**", "a\\", "(?i)a", "(*UTF)a", "a++",
                                           "a*+", "a{2}{3}", "(?<n>a)", "(?#c)a", "(?>a)",
                                           // a lone surrogate cannot occur in a 936 subject
                                           "\\ud800"));

TEST(RegexObject, EmptyObjectReadsEmpty) {
    RegexObject re;
    int position = 7;
    EXPECT_EQ(re.GetPattern(), "");
    EXPECT_EQ(re.GetMatchCount(), 0);
    EXPECT_EQ(re.GetSubMatchCount(), 0);
    EXPECT_EQ(re.GetMatchText(1, &position), "");
    EXPECT_EQ(position, -2);
    EXPECT_EQ(re.ReplaceMatches("x"), "");
}

TEST(RegexObject, NoMatchRunsAndReadsEmpty) {
    RegexObject re;
    ASSERT_TRUE(re.Search("(a)(b)", "xyz"));
    EXPECT_EQ(re.GetMatchCount(), 0);
    EXPECT_EQ(re.GetSubMatchCount(), 0);
    EXPECT_EQ(re.GetSubMatchText(1, 1), "");
    EXPECT_EQ(re.ReplaceMatches("q"), "xyz");
}

TEST(RegexObject, GroupThatTookNoPartReadsEmpty) {
    RegexObject re;
    ASSERT_TRUE(re.Search("(a)|(b)|(x*)c", "b c"));
    ASSERT_EQ(re.GetMatchCount(), 2);
    EXPECT_EQ(re.GetSubMatchCount(), 3);
    int position = 0;
    EXPECT_EQ(re.GetSubMatchText(1, 1, &position), "");
    EXPECT_EQ(position, -2);  // no place for a group that did not take part
    EXPECT_EQ(re.GetSubMatchText(1, 2), "b");
    EXPECT_EQ(re.GetSubMatchText(2, 3, &position), "");  // took part, captured nothing
    EXPECT_EQ(position, 2);
}

struct IndexCase {
    int match;
    int group;  // 0: GetMatchText
    const char* text;
};

class RegexIndexes : public ::testing::TestWithParam<IndexCase> {};

TEST_P(RegexIndexes, OutOfRangeReadsEmpty) {
    RegexObject re;
    ASSERT_TRUE(re.Search("(\\d)(\\d)?", "12 3"));
    ASSERT_EQ(re.GetMatchCount(), 2);
    const IndexCase& c = GetParam();
    const std::string text = c.group == 0 ? re.GetMatchText(c.match) : re.GetSubMatchText(c.match, c.group);
    EXPECT_EQ(text, c.text) << "match " << c.match << " group " << c.group;
}

INSTANTIATE_TEST_SUITE_P(Cases, RegexIndexes,
                         ::testing::Values(IndexCase{1, 0, "12"}, IndexCase{2, 0, "3"}, IndexCase{0, 0, ""},
                                           IndexCase{-1, 0, ""}, IndexCase{3, 0, ""}, IndexCase{1, 1, "1"},
                                           IndexCase{1, 2, "2"}, IndexCase{2, 1, "3"}, IndexCase{2, 2, ""},
                                           IndexCase{1, 3, ""}, IndexCase{1, -1, ""}, IndexCase{0, 1, ""},
                                           IndexCase{3, 1, ""}, IndexCase{-5, -5, ""}));

struct PositionCase {
    const char* name;
    const char* pattern;
    const char* subject;
    int match;
    int group;  // 0: the whole match
    const char* text;
    int position;  // byte offset in the 936 subject
};

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << c.name;
}

class RegexPositions : public ::testing::TestWithParam<PositionCase> {};

TEST_P(RegexPositions, ByteOffsetInTheLocalSubject) {
    const PositionCase& c = GetParam();
    RegexObject re;
    ASSERT_TRUE(re.Search(Local(c.pattern), Local(c.subject)));
    int position = -99;
    const std::string text =
        c.group == 0 ? re.GetMatchText(c.match, &position) : re.GetSubMatchText(c.match, c.group, &position);
    EXPECT_EQ(text, Local(c.text));
    EXPECT_EQ(position, c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexPositions,
    ::testing::Values(PositionCase{"first of two adjacent matches", "a", "aa", 1, 0, "a", 0},
                      PositionCase{"second of two adjacent matches", "a", "aa", 2, 0, "a", 1},
                      PositionCase{"after two-byte characters", "a", "中中a", 1, 0, "a", 4},
                      PositionCase{"repeated Chinese text", "文", "中文中文", 2, 0, "文", 6},
                      PositionCase{"mixed widths", "b", "中a中b", 1, 0, "b", 5},
                      PositionCase{"group text also earlier in its match", "a.(a)", "aba", 1, 1, "a", 2},
                      PositionCase{"group in a later match", "中(文)", "中文中文", 2, 1, "文", 6},
                      PositionCase{"empty match at the end", "$", "中文", 1, 0, "", 4}));

TEST(RegexObject, ChineseTextRoundTripsByteIdentical) {
    // Chinese, full-width punctuation, the euro byte and a user-defined character (AAA1).
    const std::string subject = Local("【淘宝卖家】浙江　杭州，“好评”€ ") + "\x80\xAA\xA1" + Local("结束");
    RegexObject re;
    ASSERT_TRUE(re.Search("[\\s\\S]+", subject));
    EXPECT_EQ(re.GetMatchText(1), subject);
    ASSERT_TRUE(re.Search(Local("【淘宝(..)】(.*?)，"), subject));
    EXPECT_EQ(re.GetSubMatchText(1, 1), Local("卖家"));
    EXPECT_EQ(re.GetSubMatchText(1, 2), Local("浙江　杭州"));
    EXPECT_EQ(re.ReplaceMatches("$&"), subject);
}

struct QuoteCase {
    const char* name;
    bool quoteEscapes;
    const char* subject;
    int count;
    const char* pattern;  // what GetPattern reports
};

void PrintTo(const QuoteCase& c, std::ostream* os) {
    *os << c.name;
}

class QuoteEscapes : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteEscapes, MarkBecomesADoubleQuoteOnlyWhenAsked) {
    const QuoteCase& c = GetParam();
    RegexObject re;
    ASSERT_TRUE(re.Search(Local("=#引号(.*?)#引号"), Local(c.subject), false, true, true, c.quoteEscapes));
    EXPECT_EQ(re.GetMatchCount(), c.count);
    EXPECT_EQ(re.GetPattern(), Local(c.pattern));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuoteEscapes,
    ::testing::Values(QuoteCase{"left out: literal mark", false, "a=#引号v#引号", 1, "=#引号(.*?)#引号"},
                      QuoteCase{"left out: no quote", false, "a=\"v\"", 0, "=#引号(.*?)#引号"},
                      QuoteCase{"asked: quotes", true, "a=\"v\" b=\"w\"", 2, "=\"(.*?)\""},
                      QuoteCase{"asked: mark no longer literal", true, "a=#引号v#引号", 0, "=\"(.*?)\""}));

TEST(RegexObject, QuoteEscapedGroupReadsTheQuotedText) {
    RegexObject re;
    ASSERT_TRUE(re.Search(Local("src=#引号(.*?)#引号"), "<img src=\"a.gif\">", false, true, true, true));
    EXPECT_EQ(re.GetSubMatchText(1, 1), "a.gif");
}

TEST(RegexObject, PatternOfALaterRejectedSearchIsKept) {
    RegexObject re;
    EXPECT_FALSE(re.Search("a(", "a"));
    EXPECT_EQ(re.GetPattern(), "a(");
}

TEST(RegexObject, CopySharesMatchesAndOutlivesTheOriginal) {
    RegexObject re;
    ASSERT_TRUE(re.Search("(b)", "abcb"));
    RegexObject copy = re.Copy();
    ASSERT_TRUE(re.Search("z", "zz"));
    EXPECT_EQ(re.GetMatchCount(), 2);
    re.Destroy();
    EXPECT_EQ(re.GetMatchCount(), 0);
    EXPECT_EQ(re.GetPattern(), "");
    EXPECT_EQ(copy.GetPattern(), "(b)");
    EXPECT_EQ(copy.GetMatchCount(), 2);
    EXPECT_EQ(copy.GetSubMatchText(2, 1), "b");
    EXPECT_EQ(copy.ReplaceMatches("[$1]"), "a[b]c[b]");
}

TEST(RegexObject, DestroyedObjectIsUsableAgain) {
    RegexObject re;
    ASSERT_TRUE(re.Search("a", "a"));
    re.Destroy();
    EXPECT_EQ(re.ReplaceMatches("x"), "");
    ASSERT_TRUE(re.Search("b", "abc"));
    EXPECT_EQ(re.ReplaceMatches("x"), "axc");
}

}  // namespace
