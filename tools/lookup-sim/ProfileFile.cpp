#include "ProfileFile.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace nomvera::sim {
namespace {

constexpr std::size_t kFieldCount = 12;

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text = text.substr(at + 1);
    }
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc{} && end == text.data() + text.size() && out >= 0;
}

bool ReadCounts(std::string_view text, Counts& out) {
    const auto parts = Split(text, ',');
    if (parts.size() != 3) return false;
    for (std::size_t i = 0; i < 3; ++i)
        if (!ReadNumber(parts[i], out[i])) return false;
    return true;
}

// Gives an error text for the line, empty when it was read into `profile`.
std::string ReadLine(std::string_view line, std::string& account, SimProfile& profile) {
    const auto f = Split(line, '|');
    if (f.size() != kFieldCount) return "expected " + std::to_string(kFieldCount) + " fields separated by |";
    account = f[0];
    if (f[1] == "-") {
        profile.found = false;
        return {};
    }
    if (f[1] != "买家" && f[1] != "卖家") return "identity must be 买家, 卖家 or -";
    profile.identity = f[1];
    if (!ReadNumber(f[2], profile.score)) return "score must be a whole number";
    profile.registrationTime = f[3];
    profile.realName = f[4];
    profile.region = f[5];
    profile.goodRate = f[7];
    if (!ReadCounts(f[6], profile.given) || !ReadCounts(f[8], profile.week) ||
        !ReadCounts(f[9], profile.month) || !ReadCounts(f[10], profile.halfYear) ||
        !ReadCounts(f[11], profile.older))
        return "count fields must be good,neutral,bad";
    // A stable id from the name keeps the rating address different per account.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : account) hash = (hash ^ c) * 1099511628211ull;
    char id[24];
    std::snprintf(id, sizeof id, "Uf%016llx", static_cast<unsigned long long>(hash));
    profile.id = id;
    return {};
}

}  // namespace

ProfileFileResult ParseProfileText(const std::string& text) {
    ProfileFileResult result;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        std::string account;
        SimProfile profile;
        const std::string error = ReadLine(line, account, profile);
        if (!error.empty()) {
            result.error = "line " + std::to_string(number) + ": " + error;
            result.profiles.clear();
            return result;
        }
        result.profiles[account] = std::move(profile);
    }
    return result;
}

ProfileFileResult ReadProfileFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {{}, "cannot open " + path};
    std::ostringstream text;
    text << file.rdbuf();
    ProfileFileResult result = ParseProfileText(text.str());
    if (!result.error.empty()) result.error = path + ": " + result.error;
    return result;
}

}  // namespace nomvera::sim
