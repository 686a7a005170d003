#pragma once
// Lookups against a running stand-in, read with the program's own answer parser.

#include <string>
#include <string_view>

#include "RawHttp.h"
#include "lookup/AesOracle.h"
#include "lookup/CreditProfile.h"
#include "lookup/LookupAnswerParser.h"
#include "lookup/SafetyGrade.h"
#include "web/CodePage.h"

namespace nomvera::tools::testing {

inline constexpr std::string_view kDefaultRatingHost = "rate.taobao.com";

// The answer body for a correctly tokened request.
inline std::string LookupBody(int port, std::string_view accountUtf8) {
    const std::string token = FormEncode(lookup::testing::OracleToken(accountUtf8));
    return PostForm(port, "/GetResult.ashx", LookupForm(accountUtf8, token)).Body();
}

inline lookup::LookupOutcome LookupOutcomeOf(int port, std::string_view accountUtf8,
                                             std::string_view ratingHost = kDefaultRatingHost) {
    return lookup::ParseLookupAnswer(LookupBody(port, accountUtf8), ratingHost);
}

inline lookup::GradeInputs GradeInputsOf(const lookup::CreditProfile& p) {
    return {p.identity,    p.registrationTime, p.givenNeutral, p.givenBad,     p.weekGood,
            p.weekNeutral, p.weekBad,          p.monthGood,    p.monthNeutral, p.monthBad};
}

}  // namespace nomvera::tools::testing
