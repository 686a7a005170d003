#pragma once
// The lookup service's answer page read into a CreditProfile by one regular expression whose
// 23 groups are the profile's fields in order. Pure functions, safe on any thread.

#include <string>
#include <string_view>

#include "lookup/CreditProfile.h"

namespace nomvera::lookup {

// The answer pattern (code page 936) for the given rating host; the host goes in as it is, so
// its dots match any character.
std::string LookupPattern(std::string_view ratingHost);
// The rating-page address with an empty id that the service writes for an unknown account.
std::string NotFoundLink(std::string_view ratingHost);

// answer: the UTF-8 bytes the service sent (read up to the first zero byte). A page the pattern
// does not match, an empty one included, is found with every field empty.
LookupOutcome ParseLookupAnswer(std::string_view answer, std::string_view ratingHost);

}  // namespace nomvera::lookup
