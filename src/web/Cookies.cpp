// Cookie merging on code page 936 text. A blank is the ASCII space or the full-width
// space A1 A1 standing at a character boundary.

#include "web/Cookies.h"

#include "web/TextRoutines.h"

#include <algorithm>
#include <unordered_set>

namespace nomvera::web {
namespace {

using detail::FindLocal;
using detail::IsLocalLead;

constexpr std::string_view kDeleted = "=deleted";

bool IsFullWidthBlankAt(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && static_cast<unsigned char>(text[i]) == 0xA1 &&
           static_cast<unsigned char>(text[i + 1]) == 0xA1;
}

std::string RemoveBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
        } else if (IsFullWidthBlankAt(text, i)) {
            i += 2;
        } else if (IsLocalLead(text[i])) {
            out.append(text.substr(i, 2));
            i += 2;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

// `text` split at `separator` (character-wise), a trailing empty piece dropped. "" gives nothing.
std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = FindLocal(text, separator, from);
        if (at == std::string_view::npos) break;
        pieces.emplace_back(text.substr(from, at - from));
        from = at + separator.size();
    }
    pieces.emplace_back(text.substr(from));
    if (pieces.back().empty()) pieces.pop_back();
    return pieces;
}

std::string Join(const std::vector<std::string>& pieces, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) out.append(separator);
        out.append(pieces[i]);
    }
    return out;
}

bool EndsWithDeleted(std::string_view part) { return part.ends_with(kDeleted); }

}  // namespace

std::string CookieName(std::string_view part) {
    const std::size_t eq = part.find('=');  // "=" (0x3D) is never a trail byte
    std::string_view name = part.substr(0, eq);
    // Trim blanks at both ends, one character at a time.
    std::size_t begin = 0;
    while (begin < name.size()) {
        if (name[begin] == ' ')
            begin += 1;
        else if (IsFullWidthBlankAt(name, begin))
            begin += 2;
        else
            break;
    }
    std::size_t end = begin;  // end of the last non-blank character
    for (std::size_t i = begin; i < name.size();) {
        const std::size_t width = IsLocalLead(name[i]) ? 2 : 1;
        const bool blank = name[i] == ' ' || IsFullWidthBlankAt(name, i);
        i = std::min(i + width, name.size());
        if (!blank) end = i;
    }
    return std::string(name.substr(begin, end - begin));
}

bool HasCookieName(const std::vector<std::string>& parts, std::string_view name) {
    for (const auto& part : parts)
        if (CookieName(part) == name) return true;
    return false;
}

std::string JoinUnique(std::string_view text, std::string_view separator) {
    if (text.empty()) return {};
    if (separator.empty()) return std::string(text);  // nothing to split at
    std::vector<std::string> kept;
    std::unordered_set<std::string> seen;  // keeps long inputs linear
    for (auto& piece : Split(text, separator))
        if (seen.insert(piece).second) kept.push_back(std::move(piece));
    return Join(kept, separator);
}

std::string MergeCookies(std::string& cookies, std::string& receivedCookies) {
    cookies = RemoveBlanks(cookies);
    receivedCookies = RemoveBlanks(receivedCookies);
    std::vector<std::string> merged = Split(receivedCookies, ";");
    // The names of the merged list as it grows (HasCookieName(merged, ...) without the scan).
    std::unordered_set<std::string> names;
    for (const auto& part : merged) names.insert(CookieName(part));
    for (auto& part : Split(cookies, ";")) {
        std::string name = CookieName(part);
        if (names.insert(std::move(name)).second) merged.push_back(std::move(part));
    }
    std::vector<std::string> remaining;
    for (auto& part : merged)
        if (!EndsWithDeleted(part)) remaining.push_back(std::move(part));
    cookies = JoinUnique(Join(remaining, "; "), "; ");
    return cookies;
}

}  // namespace nomvera::web
