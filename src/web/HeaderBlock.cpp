#include "web/HeaderBlock.h"

#include <algorithm>

#include "web/TextRoutines.h"

namespace nomvera::web {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

bool Contains(std::string_view text, std::string_view marker, bool ignoreCase = false) {
    return detail::FindLocal(text, marker, 0, ignoreCase) != std::string_view::npos;
}

// Pieces of `text` between "\r\n" separators; the piece after a final separator is kept (empty).
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(kLineBreak, start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + kLineBreak.size();
    }
}

// Length of the space at `pos` (1 or 2 bytes), 0 when the character there is no space.
std::size_t SpaceAt(std::string_view text, std::size_t pos) {
    if (text[pos] == ' ') return 1;
    if (text.substr(pos, 2) == kFullWidthSpace) return 2;
    return 0;
}

// Removes every `marker` found without regard to letter case.
std::string RemoveAllIgnoreCase(std::string_view text, std::string_view marker) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t pos; (pos = detail::FindLocal(text, marker, from, true)) != std::string_view::npos;) {
        out.append(text.substr(from, pos - from));
        from = pos + marker.size();
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace

void CompleteRequestHeaders(std::string& block, std::string_view url, const std::string* cookies) {
    if (block.empty()) {
        block = "Accept: */*";
    } else if (!Contains(block, "Accept:")) {
        block += "\r\nAccept: */*";
    }
    if (!Contains(block, "Referer:")) {
        block += "\r\nReferer: ";
        block += url;
    }
    if (!Contains(block, "Accept-Language:")) block += "\r\nAccept-Language: zh-cn";
    if (!Contains(block, "Content-Type:")) block += "\r\nContent-Type: application/x-www-form-urlencoded";
    if (cookies != nullptr && !cookies->empty()) {
        block += "\r\nCookie: ";
        block += *cookies;
    }
}

std::string UserAgentOf(std::string_view headers) {
    constexpr std::string_view kName = "User-Agent:";
    const std::size_t pos = detail::FindLocal(headers, kName, 0, true);
    if (pos == std::string_view::npos) return std::string(kDefaultUserAgent);
    std::string_view rest = headers.substr(pos + kName.size());
    rest = rest.substr(0, rest.find(kLineBreak));
    return TrimSpaces(rest);
}

std::vector<std::string> CurlHeaderEntries(std::string_view block) {
    std::vector<std::string> entries;
    for (std::string_view line : SplitLines(block)) {
        if (line.empty()) continue;
        const std::size_t colon = line.find(':');
        const bool emptyValue = colon != std::string_view::npos &&
                                line.find_first_not_of(" \t", colon + 1) == std::string_view::npos;
        // libcurl reads "Name:" as "drop this header" and "Name;" as "send it empty".
        entries.emplace_back(emptyValue ? std::string(line.substr(0, colon)) + ";" : std::string(line));
    }
    // Empty entries: libcurl sends none of these itself once it finds them among ours.
    for (const char* suppressed : {"Accept:", "Expect:", "Content-Type:", "Proxy-Connection:"}) {
        entries.emplace_back(suppressed);
    }
    return entries;
}

std::string ResponseHeadersText(std::string_view rawBlock, bool complete) {
    // The buffer holds the text before its first zero byte.
    rawBlock = rawBlock.substr(0, rawBlock.find('\0'));
    if (!complete || rawBlock.size() >= kResponseHeaderBuffer) return std::string(kResponseHeaderBuffer, ' ');
    constexpr std::string_view kSetCookie = "Set-Cookie";
    std::string text(rawBlock);
    for (std::size_t pos = 0; (pos = detail::FindLocal(text, kSetCookie, pos, true)) != std::string::npos;
         pos += kSetCookie.size()) {
        text.replace(pos, kSetCookie.size(), kSetCookie);
    }
    return text;
}

std::string ReceivedCookiesOf(std::string_view responseHeaders) {
    std::string received;
    for (std::string_view line : SplitLines(responseHeaders)) {
        if (!Contains(line, "Set-Cookie")) continue;
        const std::string value = line.find(';') != std::string_view::npos
                                      ? TextBetween(line, "Set-Cookie:", ";")
                                      : RemoveAllIgnoreCase(line, "Set-Cookie:");
        received += TrimSpaces(value);
        received += "; ";
    }
    if (received.size() >= 2) received.resize(received.size() - 2);
    return received;
}

std::string TrimSpaces(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t space = SpaceAt(text, begin);
        if (space == 0) break;
        begin += space;
    }
    // Walk by characters so that a trail byte A1 is never taken for half a full-width space.
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        const std::size_t space = SpaceAt(text, pos);
        const std::size_t step = space != 0 ? space : (detail::IsLocalLead(text[pos]) ? 2 : 1);
        if (space == 0) end = std::min(pos + step, text.size());
        pos += step;
    }
    return std::string(text.substr(begin, end - begin));
}

}  // namespace nomvera::web
