#include "FormBody.h"

namespace nomvera::sim {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                   HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> FormValue(std::string_view body, std::string_view name) {
    while (!body.empty()) {
        const std::size_t amp = body.find('&');
        const std::string_view field = body.substr(0, amp);
        const std::size_t eq = field.find('=');
        if (PercentDecode(field.substr(0, eq)) == name)
            return eq == std::string_view::npos ? std::string{} : PercentDecode(field.substr(eq + 1));
        body = amp == std::string_view::npos ? std::string_view{} : body.substr(amp + 1);
    }
    return std::nullopt;
}

}  // namespace nomvera::sim
