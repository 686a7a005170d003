#include "batch/GeneralNumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace nomvera::batch {

std::string GeneralNumberText::Format(double value) {
    if (std::isnan(value) || std::isinf(value)) return "#NUM!";
    if (value == 0) return "0";  // -0 too

    // "d.dddddddddddddde±x": the 15 significant digits after rounding, and the decimal exponent.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    const std::string_view text = scientific;
    const std::size_t e = text.find('e');
    std::string digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
    const int exponent = std::atoi(scientific + e + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string result = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            result += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
            result += digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
        } else {
            const auto point = static_cast<std::size_t>(exponent) + 1;
            result += digits.substr(0, point) + "." + digits.substr(point);
        }
        return result;
    }
    result += digits.substr(0, 1);
    if (digits.size() > 1) result += "." + digits.substr(1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return result + tail;
}

}  // namespace nomvera::batch
