#pragma once
// Rewrites an ECMAScript (3rd edition) pattern into the PCRE2 syntax that RegexEngine compiles it
// with (UTF-16, PCRE2_UTF, PCRE2_ALT_BSUX, no PCRE2_UCP), so that both read it the same way.

#include <optional>
#include <string>
#include <string_view>

namespace nomvera::automation {

// The PCRE2 form of an ECMAScript pattern, or nothing when the pattern uses a construct that
// ECMAScript rejects but PCRE2 would accept with another meaning (inline options, verbs,
// possessive quantifiers, named groups, comments) or that is malformed before PCRE2 sees it.
std::optional<std::u16string> TranslateEcmaPattern(std::u16string_view pattern);

}  // namespace nomvera::automation
