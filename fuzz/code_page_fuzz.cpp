// Code page conversions on arbitrary bytes: no crash, and the stated invariants hold.

#include "web/CodePage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace nomvera::web;

namespace {

// True when every character of `text` is a valid GBK character with no zero byte: ASCII 01-7F,
// 0x80 (euro), or a lead byte 81-FE followed by a trail byte 40-7E / 80-FE.
bool IsValidGbk(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == 0 || b == 0xFF) return false;
        if (b <= 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) return false;
        const auto t = static_cast<unsigned char>(text[i + 1]);
        if (t < 0x40 || t == 0x7F || t == 0xFF) return false;
        i += 2;
    }
    return true;
}

bool IsValidUtf8(std::string_view s) {
    // Round trip through UTF-16 is an independent check: a valid UTF-8 text without zero bytes
    // survives MultiByteToWide + WideToMultiByte unchanged.
    return WideToMultiByte(MultiByteToWide(s, kCodePageUtf8), kCodePageUtf8) == s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t zero = text.find('\0');
    const std::string_view beforeZero = text.substr(0, zero);

    // GBK -> UTF-8 -> GBK.
    const std::string utf8 = LocalToUtf8(text);
    if (utf8.find('\0') != std::string::npos) std::abort();
    if (!IsValidUtf8(utf8)) std::abort();  // the output is always valid UTF-8
    if (IsValidGbk(beforeZero)) {
        const std::string back = Utf8ToLocal(utf8);
        // Every valid code round-trips except the few that share a character with an earlier
        // code; those come back as the same number of bytes.
        if (back.size() != beforeZero.size()) std::abort();
        if (Utf8ToLocal(LocalToUtf8(back)) != back) std::abort();
    }

    // UTF-8 -> GBK: output never longer than 2 bytes per input byte, no zero byte.
    const std::string local = Utf8ToLocal(text);
    if (local.size() > 2 * beforeZero.size()) std::abort();
    if (local.find('\0') != std::string::npos) std::abort();
    if (IsValidUtf8(beforeZero) && LocalToUtf8(local).size() > 4 * local.size()) std::abort();

    // MultiByteToWide: even size, ends with exactly one zero unit after the whole text.
    for (const int cp : {kCodePageUtf8, kCodePage936, kCodePageAnsi}) {
        const std::string wide = MultiByteToWide(text, cp);
        if (wide.size() < 2 || wide.size() % 2 != 0) std::abort();
        if (wide[wide.size() - 1] != '\0' || wide[wide.size() - 2] != '\0') std::abort();
        if (wide.size() > 2 * text.size() + 2) std::abort();
    }
    // WideToMultiByte on arbitrary units: stops at the first zero unit, never crashes.
    const std::string asGbk = WideToMultiByte(text, kCodePage936);
    const std::string asUtf8 = WideToMultiByte(text, kCodePageUtf8);
    if (asGbk.find('\0') != std::string::npos || asUtf8.find('\0') != std::string::npos) std::abort();
    if (!IsValidUtf8(asUtf8)) std::abort();

    // The native UTF-16 edges agree with the byte-string ones on text without zero bytes.
    const std::u16string u16 = LocalToUtf16(beforeZero);
    if (Utf16ToLocal(u16) != WideToMultiByte(MultiByteToWide(beforeZero, kCodePage936), kCodePage936)) std::abort();
    return 0;
}
