#include "batch/TextFileDecoding.h"

#include "web/CodePage.h"

namespace nomvera::batch {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Length of the well-formed UTF-8 sequence at bytes[i], 0 when ill-formed (RFC 3629 table).
std::size_t SequenceLength(std::string_view bytes, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char b = at(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    if (at(i + 1) < low || at(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

bool TextFileDecoding::IsNonAsciiUtf8(std::string_view bytes) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(bytes, i);
        if (length == 0) return false;
        nonAscii = true;
        i += length;
    }
    return nonAscii;
}

std::string TextFileDecoding::ToLocal(std::string_view bytes) {
    if (const std::size_t zero = bytes.find('\0'); zero != std::string_view::npos)
        bytes = bytes.substr(0, zero);
    if (bytes.starts_with(kUtf8Bom)) return web::Utf8ToLocal(bytes.substr(kUtf8Bom.size()));
    if (IsNonAsciiUtf8(bytes)) return web::Utf8ToLocal(bytes);
    return std::string(bytes);
}

}  // namespace nomvera::batch
