#include "ProfileMaker.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace nomvera::sim {
namespace {

std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

// splitmix64: every field draws from one stream seeded by the name, so a name always gives the same profile.
class Draws {
public:
    explicit Draws(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Between(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }

private:
    std::uint64_t state_;
};

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

Counts Plus(const Counts& a, const Counts& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

std::string RegistrationText(std::time_t now, int daysAgo, int secondsOfDay, bool dateOnly) {
    const std::time_t moment = now - static_cast<std::time_t>(daysAgo) * 86400 - secondsOfDay;
    std::tm t{};
    localtime_r(&moment, &t);
    char text[64];
    if (dateOnly)
        std::snprintf(text, sizeof text, "%d年%d月%d日", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                      t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

std::string RateText(const Counts& a, const Counts& b) {
    const int good = a[0] + b[0];
    const int total = good + a[1] + b[1] + a[2] + b[2];
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", total == 0 ? 0.0 : 100.0 * good / total);
    return text;
}

constexpr std::array<const char*, 10> kRegions{"浙江杭州", "广东深圳", "北京",     "上海",     "江苏南京",
                                               "四川成都", "湖北武汉", "福建厦门", "山东青岛", "河南郑州"};

}  // namespace

ProfileKind KindOfAccount(std::string_view accountUtf8) {
    static constexpr std::pair<std::string_view, ProfileKind> kPrefixes[] = {
        {"safe", ProfileKind::Safe},        {"new", ProfileKind::New},     {"neutral", ProfileKind::Neutral},
        {"bad", ProfileKind::Bad},          {"week", ProfileKind::Week},   {"month", ProfileKind::Month},
        {"seller", ProfileKind::Seller},    {"tmall", ProfileKind::Tmall}, {"nobody", ProfileKind::NotFound},
        {"notfound", ProfileKind::NotFound}};
    if (accountUtf8.empty()) return ProfileKind::NotFound;
    for (const auto& [prefix, kind] : kPrefixes)
        if (StartsWithIgnoringCase(accountUtf8, prefix)) return kind;
    // Mostly safe buyers, like a real list: 11 in 20 safe, 2 in 20 sellers, 1 in 20 of each other kind.
    static constexpr ProfileKind kByHash[20] = {
        ProfileKind::Safe,   ProfileKind::Safe,  ProfileKind::Safe,     ProfileKind::Safe,
        ProfileKind::Safe,   ProfileKind::Safe,  ProfileKind::Safe,     ProfileKind::Safe,
        ProfileKind::Safe,   ProfileKind::Safe,  ProfileKind::New,      ProfileKind::Neutral,
        ProfileKind::Bad,    ProfileKind::Week,  ProfileKind::Month,    ProfileKind::Seller,
        ProfileKind::Seller, ProfileKind::Tmall, ProfileKind::NotFound, ProfileKind::Safe};
    return kByHash[(Fnv1a(accountUtf8) >> 7) % 20];
}

SimProfile MakeProfile(std::string_view accountUtf8, std::time_t now) {
    const ProfileKind kind = KindOfAccount(accountUtf8);
    SimProfile p;
    if (kind == ProfileKind::NotFound) {
        p.found = false;
        return p;
    }
    const std::uint64_t hash = Fnv1a(accountUtf8);
    Draws d(hash);
    char id[24];
    std::snprintf(id, sizeof id, "Uv%016llx", static_cast<unsigned long long>(hash));
    p.id = id;
    p.region = kRegions[d.Next() % kRegions.size()];

    // A buyer that fires no rule: old, few neutral and bad ratings given, a quiet week and month.
    int daysAgo = d.Between(400, 4000);
    p.given = {d.Between(0, 300), d.Between(0, 2), d.Between(0, 1)};
    p.week = {d.Between(0, 3), d.Between(0, 1), d.Between(0, 1)};
    p.month = Plus(p.week, {d.Between(0, 8), d.Between(0, 2), d.Between(0, 1)});
    switch (kind) {
        case ProfileKind::New:
            daysAgo = d.Between(3, 20);
            break;
        case ProfileKind::Neutral:
            p.given[1] = d.Between(3, 9);
            break;
        case ProfileKind::Bad:
            p.given[2] = d.Between(2, 9);
            break;
        case ProfileKind::Week:
            p.week = {d.Between(4, 8), d.Between(1, 2), d.Between(1, 2)};
            p.month = Plus(p.week, {d.Between(0, 5), 0, 0});
            break;
        case ProfileKind::Month:
            p.month = Plus(p.week, {d.Between(21, 35), d.Between(0, 3), d.Between(0, 2)});
            break;
        default:
            break;
    }
    const bool seller = kind == ProfileKind::Seller || kind == ProfileKind::Tmall;
    p.halfYear = Plus(p.month, {d.Between(0, seller ? 3000 : 60), d.Between(0, 3), d.Between(0, 2)});
    p.older = kind == ProfileKind::New ? Counts{}
                                       : Counts{d.Between(seller ? 100 : 0, seller ? 20000 : 400),
                                                d.Between(0, 5), d.Between(0, 3)};
    p.registrationTime = RegistrationText(now, daysAgo, d.Between(0, 86399), (d.Next() & 1) == 0);
    p.score = p.halfYear[0] + p.older[0] - p.halfYear[2] - p.older[2];
    if (p.score < 0) p.score = 0;
    p.goodRate = RateText(p.halfYear, p.older);
    if (seller) {
        p.identity = "卖家";
        p.realName = "支付宝商家认证";
    }
    if (kind == ProfileKind::Tmall) {
        p.score = 0;
        p.goodRate = "0.00%";
    }
    return p;
}

int LevelOfScore(long long score) {
    static constexpr long long kThresholds[] = {4,      11,     41,      91,      151,     251,     501,
                                                1001,   2001,   5001,    10001,   20001,   50001,   100001,
                                                200001, 500001, 1000001, 2000001, 5000001, 10000001};
    int level = 0;
    for (long long threshold : kThresholds)
        if (score >= threshold) ++level;
    return level;
}

}  // namespace nomvera::sim
