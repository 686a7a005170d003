// UrlEncode on arbitrary bytes: the output is "%XX" triples and (with keepSafe) safe bytes,
// and decoding it gives back the bytes that were encoded.

#include "web/CodePage.h"
#include "web/TextRoutines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace nomvera::web;

namespace {

bool IsSafe(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '.';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;  // lower-case hex is not allowed
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool keepSafe = (data[0] & 1) != 0;
    const bool utf8 = (data[0] & 2) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string encoded = UrlEncode(text, keepSafe, utf8);
    const std::string expectedBytes = utf8 ? (text.empty() ? std::string() : LocalToUtf8(text)) : std::string(text);

    std::string decoded;
    for (std::size_t i = 0; i < encoded.size();) {
        if (encoded[i] == '%') {
            if (i + 2 >= encoded.size()) std::abort();
            const int hi = HexValue(encoded[i + 1]), lo = HexValue(encoded[i + 2]);
            if (hi < 0 || lo < 0) std::abort();
            const char byte = static_cast<char>(hi << 4 | lo);
            if (keepSafe && IsSafe(byte)) std::abort();  // safe bytes are never encoded
            decoded.push_back(byte);
            i += 3;
        } else {
            if (!keepSafe || !IsSafe(encoded[i])) std::abort();
            decoded.push_back(encoded[i]);
            ++i;
        }
    }
    if (decoded != expectedBytes) std::abort();
    return 0;
}
