// RegexObject::ReplaceMatches: the replacement patterns of ECMAScript's String.prototype.replace.

#include <gtest/gtest.h>

#include "automation/RegexObject.h"
#include "web/CodePage.h"

using nomvera::automation::RegexObject;
using nomvera::web::Local;

namespace {

struct ReplaceCase {
    const char* name;
    const char* pattern;
    const char* subject;
    const char* replacement;
    const char* result;
    bool global = true;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << c.name;
}

class RegexReplace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(RegexReplace, ExpandsTheReplacement) {
    const ReplaceCase& c = GetParam();
    RegexObject re;
    ASSERT_TRUE(re.Search(Local(c.pattern), Local(c.subject), false, true, c.global));
    EXPECT_EQ(re.ReplaceMatches(Local(c.replacement)), Local(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegexReplace,
    ::testing::Values(ReplaceCase{"group 1 in every match", "(b)", "abcb", "[$1]", "a[b]c[b]"},
                      ReplaceCase{"first match only when not global", "(b)", "abcb", "[$1]", "a[b]cb", false},
                      ReplaceCase{"whole match", "b", "abcb", "$&$&", "abbcbb"},
                      ReplaceCase{"dollar sign", "b", "abc", "$$1", "a$1c"},
                      ReplaceCase{"text before the match", "b", "abc", "[$`]", "a[a]c"},
                      ReplaceCase{"text after the match", "b", "abc", "[$']", "a[c]c"},
                      ReplaceCase{"$0 stays literal", "(b)", "abc", "$0", "a$0c"},
                      ReplaceCase{"$00 stays literal", "(b)", "abc", "$00", "a$00c"},
                      ReplaceCase{"group beyond the count stays literal", "(b)", "abc", "$2", "a$2c"},
                      ReplaceCase{"two digits beyond the count: one digit and a 0", "(b)", "abc", "$10",
                                  "ab0c"},
                      ReplaceCase{"two digits with a leading zero", "(b)", "abc", "$01", "abc"},
                      ReplaceCase{"two-digit group", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)", "abcdefghijkl",
                                  "$12$11$1", "lka"},
                      ReplaceCase{"group that took no part", "(x)?b", "abc", "[$1]", "a[]c"},
                      ReplaceCase{"lone and unknown dollars", "b", "abc", "$x$", "a$x$c"},
                      ReplaceCase{"empty matches between characters", "x*", "abc", "-", "-a-b-c-"},
                      ReplaceCase{"no match leaves the subject", "z", "abc", "-", "abc"},
                      ReplaceCase{"Chinese text", "(中)", "一中二中", "【$1】", "一【中】二【中】"}));

}  // namespace
