#pragma once
// One account as the stand-in describes it, in UTF-8; the answer page is written from it.

#include <array>
#include <string>

namespace nomvera::sim {

// Good, neutral and bad counts.
using Counts = std::array<int, 3>;

struct SimProfile {
    bool found = true;
    std::string identity = "买家";  // "买家" or "卖家"; a Tmall shop is a seller with score 0 and rate 0.00%
    std::string id;                 // the rating-page id; empty for an unknown account
    long long score = 0;
    std::string registrationTime;
    std::string realName = "支付宝个人认证";
    std::string region;
    Counts given{};
    std::string goodRate = "0.00%";
    Counts week{};
    Counts month{};
    Counts halfYear{};
    Counts older{};
};

// The credit level 0..20 that a score reaches; its picture is /level/<n>.png.
int LevelOfScore(long long score);

}  // namespace nomvera::sim
