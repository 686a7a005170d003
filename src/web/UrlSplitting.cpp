// Fixed-rule URL splitting. Text is code page 936: lower-casing and searching work one
// local character at a time, so the trail byte of a two-byte character is never taken for a
// letter, a ":" or a "/".

#include "web/UrlSplitting.h"

#include "web/TextRoutines.h"

#include <climits>

namespace nomvera::web {
namespace {

using detail::FindLocal;

// The decimal number at the start of the text: leading blanks skipped, an optional sign, digits;
// 0 without digits; saturated at the int range.
int LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

}  // namespace

std::string GetUrlHost(std::string_view url, bool keepPort) {
    std::string lower = detail::LowerLocal(url);
    if (lower.empty() || lower.back() != '/') lower.push_back('/');
    std::string host;
    if (lower.starts_with("https://")) {
        host = TextBetween(lower, "https://", "/");
    } else {
        if (FindLocal(lower, "http://") == std::string::npos) lower.insert(0, "http://");
        host = TextBetween(lower, "http://", "/");
    }
    if (!keepPort) {
        const std::size_t colon = FindLocal(host, ":");
        if (colon != std::string::npos) host.resize(colon);
    }
    return host;
}

int GetUrlPort(std::string_view url) {
    const std::string host = GetUrlHost(url, true);
    // The last ":" at a character boundary (":" is never a trail byte, but stay consistent).
    std::size_t colon = std::string::npos;
    for (std::size_t p = FindLocal(host, ":"); p != std::string::npos; p = FindLocal(host, ":", p + 1)) colon = p;
    if (colon == std::string::npos) return detail::LowerLocal(url.substr(0, 5)) == "https" ? 443 : 80;
    return LeadingNumber(std::string_view(host).substr(colon + 1));
}

std::string GetUrlPath(std::string_view url) {
    const std::string host = GetUrlHost(url);
    // An empty host is found nowhere (as an empty search text), which gives the path "/".
    const std::size_t at = FindLocal(url, host, 0, true);
    if (at == std::string::npos) return "/";
    const std::size_t slash = FindLocal(url, "/", at);
    if (slash == std::string::npos) return "/";
    return std::string(url.substr(slash));
}

}  // namespace nomvera::web
