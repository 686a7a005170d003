// Where ECMAScript and PCRE2 read the same text differently, the ECMAScript meaning is spelled
// out for PCRE2; everything else is passed through for PCRE2 to accept or reject.
//
//  - \s, \S: ECMAScript white space includes U+00A0, U+3000 and the other Unicode spaces; PCRE2
//    without UCP knows only the ASCII ones. (UCP is left off because it would also widen \d, \w
//    and \b beyond ASCII, which ECMAScript does not.)
//  - \v is the one character U+000B (PCRE2: any vertical space); "\c" without a letter is a
//    backslash and a "c".
//  - An escaped letter without an ECMAScript meaning is that letter (\A, \z, \Q, \E, \K, \R, \h,
//    \p, \G, \N, \X, \k...), not one of PCRE2's assertions or classes.
//  - Classes: "[" inside is literal (no POSIX [:alpha:]), "[]" matches nothing, "[^]" anything.
//  - A brace that does not form a quantifier is literal.
//  - "(?" other than (?: (?= (?! (?<= (?<!, "(*", and a quantifier on a quantifier (possessive
//    a*+, a{2}{3}) are rejected: ECMAScript calls them syntax errors, PCRE2 gives them meanings.

#include "automation/EcmaPattern.h"

namespace nomvera::automation {
namespace {

// ECMAScript WhiteSpace and LineTerminator, as class items in PCRE2 syntax (ALT_BSUX \u escapes).
constexpr std::u16string_view kSpaceItems =
    u"\\s\\u00a0\\u1680\\u2000-\\u200a\\u2028\\u2029\\u202f\\u205f\\u3000\\ufeff";
constexpr std::u16string_view kAnyChar = u"[\\s\\S]";  // PCRE2's own complementary pair
constexpr std::u16string_view kNothing = u"(?!)";

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
bool IsAsciiPunct(char16_t c) {
    return c < 0x80 && !IsAsciiLetter(c) && !IsDigit(c);
}

// Length of a {n}, {n,} or {n,m} quantifier at p[i], 0 when the brace is literal text.
size_t BraceQuantifierLength(std::u16string_view p, size_t i) {
    size_t j = i + 1;
    const size_t digitsFrom = j;
    while (j < p.size() && IsDigit(p[j])) ++j;
    if (j == digitsFrom) return 0;
    if (j < p.size() && p[j] == u',') {
        ++j;
        while (j < p.size() && IsDigit(p[j])) ++j;
    }
    return (j < p.size() && p[j] == u'}') ? j + 1 - i : 0;
}

size_t QuantifierLength(std::u16string_view p, size_t i) {
    if (i >= p.size()) return 0;
    if (p[i] == u'*' || p[i] == u'+' || p[i] == u'?') return 1;
    return p[i] == u'{' ? BraceQuantifierLength(p, i) : 0;
}

// Letters whose escape means the same in both syntaxes (ALT_BSUX makes \x and \u agree).
bool IsSharedEscapeLetter(char16_t c) {
    return std::u16string_view(u"dDwWbBfnrtxu").find(c) != std::u16string_view::npos;
}

// One escape at p[i] == '\\'; appends its PCRE2 form and returns the number of units consumed,
// 0 for a trailing backslash. In a class \b is a backspace in both syntaxes, \B a plain letter.
size_t TranslateEscape(std::u16string_view p, size_t i, bool inClass, std::u16string& out) {
    if (i + 1 >= p.size()) return 0;
    const char16_t c = p[i + 1];
    if (c == u'v') {
        out += u'\x0b';
    } else if (c == u'c') {
        if (i + 2 < p.size() && IsAsciiLetter(p[i + 2])) {
            out.append(p.substr(i, 3));
            return 3;
        }
        out += u"\\\\";  // the "c" is read again as an ordinary character
        return 1;
    } else if ((IsSharedEscapeLetter(c) && !(inClass && c == u'B')) || IsDigit(c)) {
        out.append(p.substr(i, 2));
    } else if (IsAsciiLetter(c)) {
        out += c;
    } else if (IsAsciiPunct(c)) {
        out.append(p.substr(i, 2));
    } else {
        out += c;  // an escaped non-ASCII character is itself, and literal unescaped
    }
    return 2;
}

// A class starting at p[i] == '['; appends its PCRE2 form, returns units consumed or 0 when the
// class is not closed.
size_t TranslateClass(std::u16string_view p, size_t i, std::u16string& out) {
    size_t j = i + 1;
    const bool negated = j < p.size() && p[j] == u'^';
    if (negated) ++j;
    if (j < p.size() && p[j] == u']') {
        out += negated ? kAnyChar : kNothing;
        return j + 1 - i;
    }
    std::u16string items;
    bool hasSpace = false;
    bool hasNonSpace = false;
    while (j < p.size() && p[j] != u']') {
        if (p[j] == u'\\' && j + 1 < p.size() && (p[j + 1] == u's' || p[j + 1] == u'S')) {
            if (p[j + 1] == u's') {
                hasSpace = true;
                items += kSpaceItems;
            } else {
                hasNonSpace = true;
            }
            j += 2;
        } else if (p[j] == u'\\') {
            const size_t used = TranslateEscape(p, j, true, items);
            if (used == 0) return 0;
            j += used;
        } else {
            if (p[j] == u'[') items += u'\\';
            items += p[j++];
        }
    }
    if (j >= p.size()) return 0;
    const size_t used = j + 1 - i;
    if (!hasNonSpace) {
        out += negated ? u"[^" : u"[";
        out += items;
        out += u']';
    } else if (hasSpace) {
        out += negated ? kNothing : kAnyChar;
    } else if (items.empty()) {
        out += negated ? u"[" : u"[^";
        out += kSpaceItems;
        out += u']';
    } else if (!negated) {  // items, or any non-space
        out += u"(?:[" + items + u"]|[^" + std::u16string(kSpaceItems) + u"])";
    } else {  // a space that is not one of the items
        out += u"(?:(?![" + items + u"])[" + std::u16string(kSpaceItems) + u"])";
    }
    return used;
}

// "(" at p[i]; appends the group opening and returns units consumed, 0 when rejected.
size_t TranslateGroupOpen(std::u16string_view p, size_t i, std::u16string& out) {
    const std::u16string_view rest = p.substr(i);
    for (std::u16string_view open : {u"(?:", u"(?=", u"(?!", u"(?<=", u"(?<!"}) {
        if (rest.substr(0, open.size()) == open) {
            out += open;
            return open.size();
        }
    }
    if (rest.size() > 1 && (rest[1] == u'?' || rest[1] == u'*')) return 0;
    out += u'(';
    return 1;
}

}  // namespace

std::optional<std::u16string> TranslateEcmaPattern(std::u16string_view p) {
    std::u16string out;
    out.reserve(p.size() + p.size() / 4);
    size_t i = 0;
    while (i < p.size()) {
        const char16_t c = p[i];
        size_t used = 1;
        if (c == u'\\' && i + 1 < p.size() && (p[i + 1] == u's' || p[i + 1] == u'S')) {
            out += p[i + 1] == u's' ? u"[" : u"[^";
            out += kSpaceItems;
            out += u']';
            used = 2;
        } else if (c == u'\\') {
            used = TranslateEscape(p, i, false, out);
        } else if (c == u'[') {
            used = TranslateClass(p, i, out);
        } else if (c == u'(') {
            used = TranslateGroupOpen(p, i, out);
        } else if (const size_t q = QuantifierLength(p, i); q > 0) {
            size_t end = i + q;
            if (end < p.size() && p[end] == u'?') ++end;  // lazy
            if (QuantifierLength(p, end) > 0) return std::nullopt;
            out.append(p.substr(i, end - i));
            used = end - i;
        } else if (c == u'{' || c == u'}' || c == u']') {
            out += u'\\';
            out += c;
        } else {
            out += c;
        }
        if (used == 0) return std::nullopt;
        i += used;
    }
    return out;
}

}  // namespace nomvera::automation
