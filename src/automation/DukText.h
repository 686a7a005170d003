#pragma once
// Text between code page 936 and the script engine's strings. The engine keeps strings as
// CESU-8: each UTF-16 code unit, surrogates included, as its own 1-3 byte sequence. Strings that
// C code pushed as plain UTF-8 may also hold 4-byte sequences; both forms are read here.

#include <string>
#include <string_view>

namespace nomvera::automation {

std::string Utf16ToCesu8(std::u16string_view text);
// Ill-formed bytes read as U+FFFD, one per byte.
std::u16string Cesu8ToUtf16(std::string_view text);

// Code and names end at their first zero byte, as a C string handed to the engine would.
inline std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::string LocalToCesu8(std::string_view text);
std::string Cesu8ToLocal(std::string_view text);

}  // namespace nomvera::automation
