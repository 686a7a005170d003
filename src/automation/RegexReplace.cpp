// Two-digit references follow current ECMAScript: $nn names group nn when that group exists, else
// it is $n followed by a digit; $0, $00 and references beyond the groups stay literal text.

#include "automation/RegexReplace.h"

namespace nomvera::automation {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

void AppendGroup(std::u16string& out, std::u16string_view subject, const MatchList& matches, size_t match,
                 size_t group) {
    const size_t begin = matches.Begin(match, group);
    if (begin != MatchList::kUnset) out.append(subject.substr(begin, matches.End(match, group) - begin));
}

// Expands the replacement for one match onto out.
void Substitute(std::u16string& out, std::u16string_view subject, const MatchList& matches, size_t match,
                std::u16string_view replacement) {
    const size_t groups = matches.groupCount;
    size_t i = 0;
    while (i < replacement.size()) {
        const char16_t c = replacement[i];
        const char16_t next = i + 1 < replacement.size() ? replacement[i + 1] : u'\0';
        if (c != u'$' || i + 1 >= replacement.size()) {
            out += c;
            ++i;
        } else if (next == u'$') {
            out += u'$';
            i += 2;
        } else if (next == u'&') {
            AppendGroup(out, subject, matches, match, 0);
            i += 2;
        } else if (next == u'`') {
            out.append(subject.substr(0, matches.Begin(match, 0)));
            i += 2;
        } else if (next == u'\'') {
            out.append(subject.substr(matches.End(match, 0)));
            i += 2;
        } else if (IsDigit(next)) {
            size_t digits = i + 2 < replacement.size() && IsDigit(replacement[i + 2]) ? 2 : 1;
            size_t index = static_cast<size_t>(next - u'0');
            if (digits == 2) {
                const size_t two = index * 10 + static_cast<size_t>(replacement[i + 2] - u'0');
                if (two > groups)
                    digits = 1;
                else
                    index = two;
            }
            if (index >= 1 && index <= groups)
                AppendGroup(out, subject, matches, match, index);
            else
                out.append(replacement.substr(i, 1 + digits));
            i += 1 + digits;
        } else {
            out += c;
            ++i;
        }
    }
}

}  // namespace

std::u16string ReplaceMatchesIn(std::u16string_view subject, const MatchList& matches,
                                std::u16string_view replacement) {
    std::u16string out;
    out.reserve(subject.size());
    size_t copied = 0;
    for (size_t m = 0; m < matches.Count(); ++m) {
        out.append(subject.substr(copied, matches.Begin(m, 0) - copied));
        Substitute(out, subject, matches, m, replacement);
        copied = matches.End(m, 0);
    }
    out.append(subject.substr(copied));
    return out;
}

}  // namespace nomvera::automation
