#include "batch/OoxmlText.h"

namespace nomvera::batch {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string OoxmlText::DecodeEscapes(std::string_view utf8) {
    if (utf8.find("_x") == std::string_view::npos) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (i + 7 <= utf8.size() && utf8[i] == '_' && utf8[i + 1] == 'x' && utf8[i + 6] == '_') {
            unsigned code = 0;
            bool hex = true;
            for (std::size_t k = 2; k < 6 && hex; ++k) {
                const int digit = HexValue(utf8[i + k]);
                hex = digit >= 0;
                code = code * 16 + static_cast<unsigned>(digit);
            }
            // A lone surrogate half would be no character at all; leave such text as written.
            if (hex && (code < 0xD800 || code > 0xDFFF)) {
                AppendUtf8(out, code);
                i += 7;
                continue;
            }
        }
        out += utf8[i++];
    }
    return out;
}

}  // namespace nomvera::batch
