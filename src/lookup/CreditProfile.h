#pragma once
// What one lookup learned about one account: the 23 captured texts, code page 936, in the order of
// the answer pattern's groups. Counts stay texts.

#include <string>

namespace nomvera::lookup {

struct CreditProfile {
    std::string identity;
    std::string ratingPageUrl;
    std::string creditScore;
    std::string levelIconUrl;
    std::string registrationTime;
    std::string realNameStatus;
    std::string region;
    std::string givenGood;
    std::string givenNeutral;
    std::string givenBad;
    std::string goodRate;
    std::string weekGood;
    std::string weekNeutral;
    std::string weekBad;
    std::string monthGood;
    std::string monthNeutral;
    std::string monthBad;
    std::string halfYearGood;
    std::string halfYearNeutral;
    std::string halfYearBad;
    std::string olderGood;
    std::string olderNeutral;
    std::string olderBad;

    bool operator==(const CreditProfile&) const = default;
};

struct LookupOutcome {
    bool found = false;
    CreditProfile profile;  // empty and unused when not found
};

}  // namespace nomvera::lookup
