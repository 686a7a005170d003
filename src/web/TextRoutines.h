#pragma once
// Text cutting, URL encoding, file extensions. Every text is code page 936 (GBK) bytes:
// a byte of 0x80 or above and the byte after it are one character.

#include <cstddef>
#include <string>
#include <string_view>

namespace nomvera::web {

// The text between the first startMarker (searched from byte startPosition, 1-based) and the
// first endMarker after it; "" when either is missing. "#引号" in a marker stands for '"'.
std::string TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        int startPosition = 1, bool ignoreCase = false);

// Percent-encodes every byte ("%XX", upper-case hex); with keepSafe, A-Z a-z 0-9 - . stay.
// With utf8 the text is first converted from code page 936 to UTF-8.
std::string UrlEncode(std::string_view text, bool keepSafe = false, bool utf8 = false);

// The extension of the last path component with its dot, as Windows' PathFindExtensionA marks it.
// Both "\\" and "/" separate path components here (PathFindExtensionA knows only "\\").
std::string GetFileExtension(std::string_view path);

namespace detail {

// Shared by the web routines (URL splitting, cookies); not part of the agreed API.

// True for a byte that starts a two-byte local character (0x80 or above).
inline bool IsLocalLead(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Position of the first occurrence of `marker` in `text` at a local character boundary, counting
// characters from byte `from`; npos when not found or when `marker` is empty. With ignoreCase, the
// ASCII letters (single-byte characters only) compare without regard to case. Linear time.
std::size_t FindLocal(std::string_view text, std::string_view marker, std::size_t from = 0,
                      bool ignoreCase = false);

// ASCII letters of single-byte characters lower-cased; two-byte characters untouched.
std::string LowerLocal(std::string_view text);

}  // namespace detail

}  // namespace nomvera::web
