#pragma once
// Conversions between code page 936 (the program's text), UTF-8 (the wire) and UTF-16 (Qt, PCRE2,
// Duktape), with Windows semantics: characters 936 cannot hold become "?", invalid input is
// replaced (U+FFFD when decoding), never reported. Safe to call from any thread.

#include <string>
#include <string_view>

namespace nomvera::web {

enum CodePage : int {
    kCodePageAnsi = 0,  // the system's ANSI code page, which is 936 here
    kCodePage936 = 936,
    kCodePageUtf8 = 65001,
};

std::string LocalToUtf8(std::string_view text);
std::string Utf8ToLocal(std::string_view text);

// UTF-16LE bytes of the whole text followed by one zero unit.
std::string MultiByteToWide(std::string_view text, int codePage = kCodePageUtf8);
// The text up to the first zero unit of a UTF-16LE byte string, in codePage.
std::string WideToMultiByte(std::string_view wide, int codePage = kCodePageAnsi);

// The same conversions with native UTF-16 strings, for the edges that speak UTF-16.
std::u16string LocalToUtf16(std::string_view text);
std::string Utf16ToLocal(std::u16string_view text);

// Convenience for program constants written as UTF-8 in our sources.
inline std::string Local(std::string_view utf8) { return Utf8ToLocal(utf8); }

}  // namespace nomvera::web
