#pragma once
// Command-line options of the stand-in service.

#include <cstdint>
#include <string>
#include <vector>

namespace nomvera::sim {

enum class FailMode { Reset, Short, Error500, Drip, Garbage };

struct Options {
    int port = 38765;
    int latencyMs = 0;
    int jitterMs = 0;
    double failRate = 0.0;
    std::vector<FailMode> failModes{FailMode::Reset, FailMode::Short, FailMode::Error500, FailMode::Drip,
                                    FailMode::Garbage};
    std::uint64_t seed = 1;
    int threads = 1;
    std::string ratingHost = "rate.taobao.com";
    std::string profilesPath;
    std::string versionAnnounce = "3.4";
};

struct ParsedOptions {
    Options options;
    bool showHelp = false;
    std::string error;  // non-empty when the command line was not understood
};

ParsedOptions ParseOptions(const std::vector<std::string>& arguments);
std::string HelpText();
const char* FailModeName(FailMode mode);

}  // namespace nomvera::sim
