#pragma once
// Text cutting, URL encoding, file extensions. Every text is code page 936 (GBK) bytes:
// a byte of 0x80 or above and the byte after it are one character.

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
std::string GetFileExtension(std::string_view path);

}  // namespace nomvera::web
