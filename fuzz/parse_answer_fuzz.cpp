// Arbitrary answer bytes through parsing and grading: no crash, and the outcome's invariants hold.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lookup/LookupAnswerParser.h"
#include "lookup/SafetyGrade.h"
#include "web/CodePage.h"

using namespace nomvera;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

lookup::GradeInputs InputsOf(const lookup::CreditProfile& p) {
    return {p.identity,  p.registrationTime, p.givenNeutral, p.givenBad,     p.weekGood,
            p.weekNeutral, p.weekBad,        p.monthGood,    p.monthNeutral, p.monthBad};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string kSeller = web::Local("卖家");
    static const std::string kBuyer = web::Local("买家");
    const std::string_view answer(reinterpret_cast<const char*>(data), size);

    const lookup::LookupOutcome outcome = lookup::ParseLookupAnswer(answer, "rate.taobao.com");
    if (!outcome.found) Check(outcome.profile == lookup::CreditProfile{});
    const lookup::CreditProfile& p = outcome.profile;
    Check(!(p.identity == kSeller && p.creditScore == "0" && p.goodRate == "0.00%"));

    // Nothing after a zero byte counts.
    const std::string withTail = std::string(answer.substr(0, answer.find('\0'))) + '\0' + "<b>1</b>";
    const lookup::LookupOutcome again = lookup::ParseLookupAnswer(withTail, "rate.taobao.com");
    Check(again.found == outcome.found && again.profile == p);

    const lookup::LocalTime now = lookup::LocalTime{} + std::chrono::hours{24 * 365 * 54};
    const lookup::SafetyGrade grade = lookup::GradeProfile(InputsOf(p), now);
    if (p.identity != kBuyer) Check(grade == lookup::SafetyGrade::NotGradable);

    // The rules' readers on raw text, too.
    (void)lookup::NumberOfText(answer);
    (void)lookup::ParseRegistrationTime(answer);
    return 0;
}
