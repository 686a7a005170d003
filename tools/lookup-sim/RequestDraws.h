#pragma once
// The random part of serving a request: its delay and whether and how it fails. Seeded, so a
// run with the same seed and the same order of requests fails the same requests.

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "Options.h"

namespace nomvera::sim {

class RequestDraws {
public:
    RequestDraws(const Options& options, std::uint64_t seed) : options_(options), random_(seed) {}

    int DelayMs();
    std::optional<FailMode> Failure();
    std::string Garbage();  // bytes that are no HTTP answer

private:
    const Options& options_;
    std::mt19937_64 random_;
};

}  // namespace nomvera::sim
