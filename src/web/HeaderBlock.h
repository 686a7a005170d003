#pragma once
// The texts around one HTTP exchange: the request header block the engine completes and sends,
// and what it reads back from the response header block. Pure functions, tested directly.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nomvera::web {

inline constexpr std::string_view kDefaultUserAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// The response header block is read into a buffer of this size, its terminating zero included.
inline constexpr std::size_t kResponseHeaderBuffer = 5000;

// Completes `block` with Accept, Referer, Accept-Language, Content-Type and (when `cookies` is
// given and not empty) Cookie lines; each test is an exact, case-sensitive search.
void CompleteRequestHeaders(std::string& block, std::string_view url, const std::string* cookies);

// The agent named by a User-Agent line (name in any letter case), trimmed; the default otherwise.
std::string UserAgentOf(std::string_view headers);

// The block as libcurl header entries, followed by entries that keep libcurl from adding headers
// of its own (Accept, Expect, Content-Type, Proxy-Connection) beyond Host, User-Agent and
// Content-Length. A line with an empty value is written "Name;" so that libcurl still sends it.
std::vector<std::string> CurlHeaderEntries(std::string_view block);

// The response header block as the caller sees it: 5000 spaces when no complete block arrived or
// it does not fit the buffer; otherwise the block with every "Set-Cookie" in any letter case
// written "Set-Cookie".
std::string ResponseHeadersText(std::string_view rawBlock, bool complete);

// The first name=value pair of every Set-Cookie line, trimmed, joined by "; ".
std::string ReceivedCookiesOf(std::string_view responseHeaders);

// `text` without the ASCII and full-width (A1 A1) spaces at both ends.
std::string TrimSpaces(std::string_view text);

}  // namespace nomvera::web
