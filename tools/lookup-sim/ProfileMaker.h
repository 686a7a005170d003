#pragma once
// Synthetic profiles, derived from the account name alone (plus the current date for the
// registration time), so that tests and demos can pick what they get by the name's prefix.

#include <ctime>
#include <string_view>

#include "SimProfile.h"

namespace nomvera::sim {

enum class ProfileKind { Safe, New, Neutral, Bad, Week, Month, Seller, Tmall, NotFound };

// The prefix ("safe", "new", "neutral", "bad", "week", "month", "seller", "tmall", "nobody",
// "notfound"; ASCII letters in any case) picks the kind; other names get one by their hash.
ProfileKind KindOfAccount(std::string_view accountUtf8);

SimProfile MakeProfile(std::string_view accountUtf8, std::time_t now);

}  // namespace nomvera::sim
