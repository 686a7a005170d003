#include "Options.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace nomvera::sim {
namespace {

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<FailMode> ParseFailMode(std::string_view name) {
    for (FailMode mode :
         {FailMode::Reset, FailMode::Short, FailMode::Error500, FailMode::Drip, FailMode::Garbage})
        if (name == FailModeName(mode)) return mode;
    return std::nullopt;
}

std::optional<std::vector<FailMode>> ParseFailModes(std::string_view list) {
    std::vector<FailMode> modes;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const auto mode = ParseFailMode(list.substr(0, comma));
        if (!mode) return std::nullopt;
        modes.push_back(*mode);
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    if (modes.empty()) return std::nullopt;
    return modes;
}

// Applies one option with its value; gives an error text, empty on success.
std::string Apply(Options& o, std::string_view name, std::string_view value) {
    auto bad = [&] { return "bad value for " + std::string(name) + ": " + std::string(value); };
    if (name == "--port") {
        const auto v = ParseNumber<int>(value);
        if (!v || *v < 0 || *v > 65535) return bad();
        o.port = *v;
    } else if (name == "--latency-ms" || name == "--jitter-ms") {
        const auto v = ParseNumber<int>(value);
        if (!v || *v < 0 || *v > 3'600'000) return bad();
        (name == "--latency-ms" ? o.latencyMs : o.jitterMs) = *v;
    } else if (name == "--fail-rate") {
        const auto v = ParseNumber<double>(value);
        if (!v || !(*v >= 0.0 && *v <= 1.0)) return bad();
        o.failRate = *v;
    } else if (name == "--fail-modes") {
        auto modes = ParseFailModes(value);
        if (!modes) return bad();
        o.failModes = std::move(*modes);
    } else if (name == "--seed") {
        const auto v = ParseNumber<std::uint64_t>(value);
        if (!v) return bad();
        o.seed = *v;
    } else if (name == "--threads") {
        const auto v = ParseNumber<int>(value);
        if (!v || *v < 1 || *v > 64) return bad();
        o.threads = *v;
    } else if (name == "--rating-host") {
        if (value.empty()) return bad();
        o.ratingHost = value;
    } else if (name == "--profiles") {
        o.profilesPath = value;
    } else if (name == "--version-announce") {
        o.versionAnnounce = value;
    } else {
        return "unknown option: " + std::string(name);
    }
    return {};
}

}  // namespace

const char* FailModeName(FailMode mode) {
    switch (mode) {
        case FailMode::Reset:
            return "reset";
        case FailMode::Short:
            return "short";
        case FailMode::Error500:
            return "500";
        case FailMode::Drip:
            return "drip";
        case FailMode::Garbage:
            return "garbage";
    }
    return "";
}

ParsedOptions ParseOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            parsed.showHelp = true;
            continue;
        }
        std::string_view name = argument;
        std::string_view value;
        if (const std::size_t eq = argument.find('=');
            argument.starts_with("--") && eq != std::string_view::npos) {
            name = argument.substr(0, eq);
            value = argument.substr(eq + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            parsed.error = "missing value for " + std::string(argument);
            return parsed;
        }
        parsed.error = Apply(parsed.options, name, value);
        if (!parsed.error.empty()) return parsed;
    }
    return parsed;
}

std::string HelpText() {
    return "Usage: nomvera-lookup-sim [options]\n"
           "Stand-in lookup service on 127.0.0.1: POST /GetResult.ashx, GET /s?q=ip, GET /, GET "
           "/version.htm,\n"
           "GET /level/<n>.png.\n"
           "\n"
           "  --port N               port to listen on (default 38765; 0 picks a free one)\n"
           "  --latency-ms N         delay before every answer (default 0)\n"
           "  --jitter-ms M          add a random 0..M ms to the delay (default 0)\n"
           "  --fail-rate P          share of requests that fail, 0..1 (default 0)\n"
           "  --fail-modes LIST      comma list of reset,short,500,drip,garbage (default all)\n"
           "  --seed S               seed of the latency and failure draws (default 1)\n"
           "  --threads N            event loops, each on its own SO_REUSEPORT socket (default 1)\n"
           "  --rating-host HOST     host written into the rating-page addresses (default rate.taobao.com)\n"
           "  --profiles FILE        fixed account profiles that override the synthetic ones\n"
           "  --version-announce V   version announced on /version.htm (default 3.4)\n"
           "  --help                 this text\n"
           "\n"
           "Prints \"listening on 127.0.0.1:PORT\" once it accepts connections; SIGINT/SIGTERM end it.\n";
}

}  // namespace nomvera::sim
