#include "RequestDraws.h"

namespace nomvera::sim {

int RequestDraws::DelayMs() {
    if (options_.jitterMs == 0) return options_.latencyMs;
    return options_.latencyMs + std::uniform_int_distribution<int>(0, options_.jitterMs)(random_);
}

std::optional<FailMode> RequestDraws::Failure() {
    if (options_.failRate <= 0.0 || options_.failModes.empty()) return std::nullopt;
    if (std::uniform_real_distribution<double>(0.0, 1.0)(random_) >= options_.failRate) return std::nullopt;
    const auto pick = std::uniform_int_distribution<std::size_t>(0, options_.failModes.size() - 1)(random_);
    return options_.failModes[pick];
}

std::string RequestDraws::Garbage() {
    std::string bytes(std::uniform_int_distribution<std::size_t>(64, 1024)(random_), '\0');
    for (char& c : bytes) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random_));
    bytes[0] = '\x7f';  // never the start of a status line
    return bytes;
}

}  // namespace nomvera::sim
