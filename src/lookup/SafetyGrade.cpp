// The five danger rules and the grade built on them. Counts and dates arrive as the texts the
// service wrote; they become numbers only here.

#include "lookup/SafetyGrade.h"

#include <charconv>
#include <cmath>
#include <ctime>

#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

constexpr double kTolerance = 0.0000001;
constexpr double kFreshAccountDays = 30;
constexpr double kMaxGivenNeutral = 2;
constexpr double kMaxGivenBad = 1;
constexpr double kMaxWeekTrades = 5;
constexpr double kMaxMonthTrades = 20;
constexpr double kSecondsPerDay = 86400;

bool Exceeds(double a, double b) {
    return a - b > kTolerance;
}
bool AtMost(double a, double b) {
    return a - b <= kTolerance;
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// from_chars leaves the value alone on overflow or underflow; tell the two apart by the decimal
// magnitude of the number it matched, as strtod would give HUGE_VAL or 0.
double OutOfRangeValue(std::string_view number) {
    long long magnitude = 0;  // position of the leading significant digit relative to the point
    bool significant = false;
    std::size_t i = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
        significant = significant || number[i] != '0';
        if (significant) ++magnitude;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && IsDigit(number[i]); ++i) {
            if (significant) continue;
            significant = number[i] != '0';
            if (!significant) --magnitude;
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
        long long exponent = 0;
        for (; i < number.size() && IsDigit(number[i]); ++i)
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[i] - '0');
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0 ? HUGE_VAL : 0.0;
}

}  // namespace

const std::string& GradeText(SafetyGrade grade) {
    static const std::string kSafe = web::Local("安全");
    static const std::string kDanger = web::Local("危险");
    static const std::string kNotGradable = web::Local("未知");
    switch (grade) {
        case SafetyGrade::Danger:
            return kDanger;
        case SafetyGrade::NotGradable:
            return kNotGradable;
        case SafetyGrade::Safe:
            break;
    }
    return kSafe;
}

double NumberOfText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only plain decimal forms: no second sign, no "inf"/"nan", no hexadecimal.
    const bool startsWithDigit = i < text.size() && IsDigit(text[i]);
    const bool startsWithPoint = i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1]);
    if (!startsWithDigit && !startsWithPoint) return 0.0;
    const std::string_view digits = text.substr(i);
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        value = OutOfRangeValue(digits.substr(0, static_cast<std::size_t>(end - digits.data())));
    else if (error != std::errc{})
        return 0.0;
    return negative ? -value : value;
}

std::array<bool, 5> EvaluateRules(const GradeInputs& inputs, LocalTime now) {
    const std::chrono::duration<double> age = now - ParseRegistrationTime(inputs.registrationTime);
    const double ageInDays = age.count() / kSecondsPerDay;
    const double weekTrades =
        NumberOfText(inputs.weekGood) + NumberOfText(inputs.weekNeutral) + NumberOfText(inputs.weekBad);
    const double monthTrades =
        NumberOfText(inputs.monthGood) + NumberOfText(inputs.monthNeutral) + NumberOfText(inputs.monthBad);
    return {
        AtMost(ageInDays, kFreshAccountDays),
        Exceeds(NumberOfText(inputs.givenNeutral), kMaxGivenNeutral),
        Exceeds(NumberOfText(inputs.givenBad), kMaxGivenBad),
        Exceeds(weekTrades, kMaxWeekTrades),
        Exceeds(monthTrades, kMaxMonthTrades),
    };
}

SafetyGrade GradeProfile(const GradeInputs& inputs, LocalTime now) {
    static const std::string kBuyer = web::Local("买家");
    // Only a buyer is graded. Sellers, Tmall shops and an identity the answer did not give (an
    // unmatched page: nothing is known about the account) are not gradable.
    if (inputs.identity != kBuyer) return SafetyGrade::NotGradable;
    for (bool fired : EvaluateRules(inputs, now))
        if (fired) return SafetyGrade::Danger;
    return SafetyGrade::Safe;
}

LocalTime LocalNow() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) return LocalTime{};
    using namespace std::chrono;
    const local_days day{year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday};
    return day + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

}  // namespace nomvera::lookup
