// Text cutting, URL encoding and file extensions on code page 936 (GBK) bytes.

#include "web/TextRoutines.h"

#include "web/CodePage.h"

#include <vector>

namespace nomvera::web {
namespace detail {
namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The marker with its single-byte ASCII letters folded when ignoreCase (trail bytes stay).
std::string FoldMarker(std::string_view marker, bool ignoreCase) {
    std::string out(marker);
    if (!ignoreCase) return out;
    for (std::size_t i = 0; i < out.size();) {
        if (IsLocalLead(out[i])) {
            i += 2;
        } else {
            out[i] = FoldAscii(out[i]);
            ++i;
        }
    }
    return out;
}

}  // namespace

// Knuth-Morris-Pratt over the folded byte streams, accepting only matches that begin at a
// character boundary of the text (boundaries counted from `from`). A match at a boundary of the
// folded streams is exactly a character-wise match: both streams agree on which bytes are lead
// bytes, and only single-byte characters are folded. A ring of m flags remembers the boundaries.
std::size_t FindLocal(std::string_view text, std::string_view marker, std::size_t from, bool ignoreCase) {
    const std::size_t m = marker.size();
    if (m == 0 || from >= text.size() || text.size() - from < m) return std::string_view::npos;
    const std::string pat = FoldMarker(marker, ignoreCase);
    std::vector<std::size_t> fail(m, 0);
    for (std::size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && pat[i] != pat[k]) k = fail[k - 1];
        if (pat[i] == pat[k]) ++k;
        fail[i] = k;
    }
    std::vector<char> boundary(m, 0);
    std::size_t nextBoundary = from;  // the next position that starts a character
    std::size_t k = 0;
    for (std::size_t j = from; j < text.size(); ++j) {
        const bool isBoundary = j == nextBoundary;
        if (isBoundary) nextBoundary = j + (IsLocalLead(text[j]) ? 2 : 1);
        boundary[(j - from) % m] = isBoundary ? 1 : 0;
        const char c = (ignoreCase && isBoundary && !IsLocalLead(text[j])) ? FoldAscii(text[j]) : text[j];
        while (k > 0 && c != pat[k]) k = fail[k - 1];
        if (c == pat[k]) ++k;
        if (k == m) {
            const std::size_t start = j + 1 - m;
            if (boundary[(start - from) % m]) return start;
            k = fail[k - 1];
        }
    }
    return std::string_view::npos;
}

std::string LowerLocal(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        if (IsLocalLead(out[i])) {
            i += 2;
        } else {
            out[i] = FoldAscii(out[i]);
            ++i;
        }
    }
    return out;
}

}  // namespace detail

namespace {

// "#引号" in code page 936 bytes stands for a double quote in markers.
constexpr std::string_view kQuoteToken = "#\xD2\xFD\xBA\xC5";

std::string ReplaceQuoteToken(std::string_view marker) {
    std::string out;
    out.reserve(marker.size());
    for (std::size_t i = 0; i < marker.size();) {
        if (marker.substr(i, kQuoteToken.size()) == kQuoteToken) {
            out.push_back('"');
            i += kQuoteToken.size();
        } else {
            out.push_back(marker[i]);
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        int startPosition, bool ignoreCase) {
    const std::string start = ReplaceQuoteToken(startMarker);
    const std::string end = ReplaceQuoteToken(endMarker);
    const std::size_t from = startPosition < 1 ? 0 : static_cast<std::size_t>(startPosition) - 1;
    const std::size_t p = detail::FindLocal(text, start, from, ignoreCase);
    if (p == std::string_view::npos) return {};
    const std::size_t content = p + start.size();
    const std::size_t q = detail::FindLocal(text, end, content, ignoreCase);
    if (q == std::string_view::npos) return {};
    return std::string(text.substr(content, q - content));
}

std::string UrlEncode(std::string_view text, bool keepSafe, bool utf8) {
    if (text.empty()) return {};
    const std::string converted = utf8 ? LocalToUtf8(text) : std::string();
    const std::string_view bytes = utf8 ? std::string_view(converted) : text;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const bool safe = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
                          b == '-' || b == '.';
        if (keepSafe && safe) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[b >> 4]);
            out.push_back(kHex[b & 0x0F]);
        }
    }
    return out;
}

// PathFindExtensionA: walk the C string (up to its first zero byte) one character at a time
// (CharNextA: a lead byte 0x81-0xFE followed by a non-zero byte is one character); a separator or
// a space forgets the candidate, a "." starts a new one. "/" counts as a separator too.
std::string GetFileExtension(std::string_view path) {
    const std::size_t zero = path.find('\0');
    if (zero != std::string_view::npos) path = path.substr(0, zero);
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < path.size();) {
        const auto b = static_cast<unsigned char>(path[i]);
        if (b == '\\' || b == '/' || b == ' ') {
            dot = std::string_view::npos;
        } else if (b == '.') {
            dot = i;
        }
        i += (b >= 0x81 && b <= 0xFE && i + 1 < path.size()) ? 2 : 1;
    }
    if (dot == std::string_view::npos) return {};
    return std::string(path.substr(dot));
}

}  // namespace nomvera::web
