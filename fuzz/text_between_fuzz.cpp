// TextBetween on arbitrary bytes: the input is split into text, start and end markers at the
// first two 0x01 bytes; the result must be a substring of the text that the markers frame.

#include "web/TextRoutines.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using nomvera::web::TextBetween;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view all(reinterpret_cast<const char*>(data) + 1, size - 1);
    const int startPosition = static_cast<int>(data[0] % 16) - 2;
    const bool ignoreCase = (data[0] & 0x80) != 0;
    const std::size_t a = all.find('\x01');
    const std::size_t b = a == std::string_view::npos ? a : all.find('\x01', a + 1);
    const std::string_view text = all.substr(0, a);
    const std::string_view start = a == std::string_view::npos ? std::string_view() : all.substr(a + 1, b - a - 1);
    const std::string_view end = b == std::string_view::npos ? std::string_view() : all.substr(b + 1);

    const std::string result = TextBetween(text, start, end, startPosition, ignoreCase);
    if (result.size() > text.size()) std::abort();
    if (!result.empty() && text.find(result) == std::string_view::npos) std::abort();
    // Without "#" in the markers (no quote token) and case-sensitive, the result is framed by them.
    if (!result.empty() && !ignoreCase && start.find('#') == std::string_view::npos &&
        end.find('#') == std::string_view::npos) {
        const std::string framed = std::string(start) + result + std::string(end);
        if (text.find(framed) == std::string_view::npos) std::abort();
    }
    // An empty marker is never found.
    if ((start.empty() || end.empty()) && !result.empty()) std::abort();
    return 0;
}
