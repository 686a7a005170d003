#include "automation/DukText.h"

#include <cstdint>

#include "web/CodePage.h"

namespace nomvera::automation {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

void PutUnit(std::string& out, std::uint32_t u) {
    if (u < 0x80) {
        out.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (u >> 6)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (u >> 12)));
        out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
}

}  // namespace

std::string Utf16ToCesu8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    // Surrogates stay separate units: the engine then sees the same string length and
    // characters as a UTF-16 engine would.
    for (char16_t unit : text) PutUnit(out, unit);
    return out;
}

std::u16string Cesu8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        std::size_t length = 0;
        std::uint32_t value = 0;
        if (b < 0x80) {
            length = 1;
            value = b;
        } else if (b >= 0xC0 && b < 0xE0) {
            length = 2;
            value = b & 0x1Fu;
        } else if (b >= 0xE0 && b < 0xF0) {
            length = 3;
            value = b & 0x0Fu;
        } else if (b >= 0xF0 && b < 0xF8) {
            length = 4;
            value = b & 0x07u;
        }
        bool ok = length != 0 && i + length <= n;
        for (std::size_t k = 1; ok && k < length; ++k) {
            ok = IsContinuation(p[i + k]);
            value = value << 6 | (p[i + k] & 0x3Fu);
        }
        if (!ok || value > 0x10FFFF) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        if (value >= 0x10000) {
            value -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(value));
        }
        i += length;
    }
    return out;
}

std::string LocalToCesu8(std::string_view text) {
    return Utf16ToCesu8(web::LocalToUtf16(text));
}

std::string Cesu8ToLocal(std::string_view text) {
    return web::Utf16ToLocal(Cesu8ToUtf16(text));
}

}  // namespace nomvera::automation
