// The five danger rules and the grade, with the clock fixed so that ages are exact to the second.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "lookup/SafetyGrade.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

using namespace std::chrono;
using web::Local;

// 2024-03-15 14:30:00 local; 30 days back is 2024-02-14 14:30:00 (2024 is a leap year).
const LocalTime kNow = local_days{year{2024} / March / 15} + hours{14} + minutes{30};

struct NumberCase {
    const char* text;
    double expected;
};

class NumberOfTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberOfTextTest, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(NumberOfText(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberOfTextTest,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"?", 0}, NumberCase{"12", 12}, NumberCase{"12abc", 12},
                      NumberCase{"abc12", 0}, NumberCase{"  \t\r\n7", 7}, NumberCase{"+3.5", 3.5},
                      NumberCase{"-2", -2}, NumberCase{" -0.25x", -0.25}, NumberCase{".5", 0.5},
                      NumberCase{"5.", 5}, NumberCase{".", 0}, NumberCase{"-", 0}, NumberCase{"1e3", 1000},
                      NumberCase{"1E+2%", 100}, NumberCase{"25e-1", 2.5}, NumberCase{"7e", 7},
                      NumberCase{"7e+", 7}, NumberCase{"3,5", 3},  // never the locale's decimal comma
                      NumberCase{"--5", 0}, NumberCase{"+-5", 0}, NumberCase{"- 5", 0}, NumberCase{"inf", 0},
                      NumberCase{"nan", 0}, NumberCase{"0x10", 0}, NumberCase{"1e-400", 0},
                      NumberCase{"99.17%", 99.17}));

TEST(NumberOfText, OverflowIsHugeNotZero) {
    EXPECT_EQ(NumberOfText("1e400"), HUGE_VAL);
    EXPECT_EQ(NumberOfText("-1e400"), -HUGE_VAL);
    EXPECT_EQ(NumberOfText(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(NumberOfText("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumberOfText, FullWidthDigitsAreNoNumber) {
    EXPECT_EQ(NumberOfText(Local("１２")), 0.0);
}

TEST(GradeText, IsTheCodePage936Word) {
    EXPECT_EQ(GradeText(SafetyGrade::Safe), "\xB0\xB2\xC8\xAB");         // 安全
    EXPECT_EQ(GradeText(SafetyGrade::Danger), "\xCE\xA3\xCF\xD5");       // 危险
    EXPECT_EQ(GradeText(SafetyGrade::NotGradable), "\xCE\xB4\xD6\xAA");  // 未知
}

struct GradeCase {
    const char* name;
    const char* identity;  // UTF-8
    const char* registrationTime;
    std::array<const char*, 8>
        counts;  // givenNeutral, givenBad, week good/neutral/bad, month good/neutral/bad
    std::array<bool, 5> fired;
    SafetyGrade grade;
};

void PrintTo(const GradeCase& c, std::ostream* os) {
    *os << c.name;
}

GradeInputs InputsOf(const GradeCase& c) {
    GradeInputs in;
    in.identity = Local(c.identity);
    in.registrationTime = Local(c.registrationTime);
    std::string* counts[] = {&in.givenNeutral, &in.givenBad,  &in.weekGood,     &in.weekNeutral,
                             &in.weekBad,      &in.monthGood, &in.monthNeutral, &in.monthBad};
    for (std::size_t i = 0; i < c.counts.size(); ++i) *counts[i] = c.counts[i];
    return in;
}

constexpr std::array<const char*, 8> kNoCounts = {"0", "0", "0", "0", "0", "0", "0", "0"};
constexpr std::array<bool, 5> kQuiet = {false, false, false, false, false};
constexpr std::array<bool, 5> kRule1 = {true, false, false, false, false};
constexpr std::array<bool, 5> kRule2 = {false, true, false, false, false};
constexpr std::array<bool, 5> kRule3 = {false, false, true, false, false};
constexpr std::array<bool, 5> kRule4 = {false, false, false, true, false};
constexpr std::array<bool, 5> kRule5 = {false, false, false, false, true};
constexpr std::array<bool, 5> kAllRules = {true, true, true, true, true};

class GradeProfileTest : public ::testing::TestWithParam<GradeCase> {};

TEST_P(GradeProfileTest, FiresTheRulesAndGrades) {
    const GradeCase& c = GetParam();
    EXPECT_EQ(EvaluateRules(InputsOf(c), kNow), c.fired);
    EXPECT_EQ(GradeProfile(InputsOf(c), kNow), c.grade);
}

const GradeCase kGradeCases[] = {
    {"OldQuietBuyer", "买家", "2010-05-03", kNoCounts, kQuiet, SafetyGrade::Safe},
    {"BuyerTenDaysOld", "买家", "2024-03-05 14:30:00", kNoCounts, kRule1, SafetyGrade::Danger},
    {"BuyerExactlyThirtyDays", "买家", "2024-02-14 14:30:00", kNoCounts, kRule1, SafetyGrade::Danger},
    {"BuyerThirtyDaysAndOneSecond", "买家", "2024-02-14 14:29:59", kNoCounts, kQuiet, SafetyGrade::Safe},
    {"BuyerMidnightThirtyDaysBack", "买家", "2024-02-14", kNoCounts, kQuiet, SafetyGrade::Safe},
    {"BuyerRegisteredInTheFuture", "买家", "2030-01-01", kNoCounts, kRule1, SafetyGrade::Danger},
    {"BuyerRegisteredTodayInChinese", "买家", "2024年3月15日 9时", kNoCounts, kRule1, SafetyGrade::Danger},
    {"TwoNeutralGiven",
     "买家",
     "2010-05-03",
     {"2", "0", "0", "0", "0", "0", "0", "0"},
     kQuiet,
     SafetyGrade::Safe},
    {"ThreeNeutralGiven",
     "买家",
     "2010-05-03",
     {"3", "0", "0", "0", "0", "0", "0", "0"},
     kRule2,
     SafetyGrade::Danger},
    {"NeutralWithinTolerance",
     "买家",
     "2010-05-03",
     {"2.00000005", "0", "0", "0", "0", "0", "0", "0"},
     kQuiet,
     SafetyGrade::Safe},
    {"NeutralBeyondTolerance",
     "买家",
     "2010-05-03",
     {"2.0000002", "0", "0", "0", "0", "0", "0", "0"},
     kRule2,
     SafetyGrade::Danger},
    {"OneBadGiven",
     "买家",
     "2010-05-03",
     {"0", "1", "0", "0", "0", "0", "0", "0"},
     kQuiet,
     SafetyGrade::Safe},
    {"TwoBadGiven",
     "买家",
     "2010-05-03",
     {"0", "2", "0", "0", "0", "0", "0", "0"},
     kRule3,
     SafetyGrade::Danger},
    {"FiveTradesThisWeek",
     "买家",
     "2010-05-03",
     {"0", "0", "2", "2", "1", "0", "0", "0"},
     kQuiet,
     SafetyGrade::Safe},
    {"SixTradesThisWeek",
     "买家",
     "2010-05-03",
     {"0", "0", "2", "2", "2", "0", "0", "0"},
     kRule4,
     SafetyGrade::Danger},
    {"TwentyTradesThisMonth",
     "买家",
     "2010-05-03",
     {"0", "0", "0", "0", "0", "10", "5", "5"},
     kQuiet,
     SafetyGrade::Safe},
    {"TwentyOneTradesThisMonth",
     "买家",
     "2010-05-03",
     {"0", "0", "0", "0", "0", "10", "5", "6"},
     kRule5,
     SafetyGrade::Danger},
    {"RulesTwoAndFour",
     "买家",
     "2010-05-03",
     {"3", "0", "6", "0", "0", "0", "0", "0"},
     {false, true, false, true, false},
     SafetyGrade::Danger},
    {"EmptyCountsAndDate", "买家", "", {"", "", "", "", "", "", "", ""}, kQuiet, SafetyGrade::Safe},
    {"NotADateLeavesRulesTwoToFive",
     "买家",
     "很久以前",
     {"0", "2", "0", "0", "0", "0", "0", "0"},
     kRule3,
     SafetyGrade::Danger},
    {"SellerFiringEveryRule",
     "卖家",
     "2024-03-10",
     {"9", "9", "9", "9", "9", "9", "9", "9"},
     kAllRules,
     SafetyGrade::NotGradable},
    {"TmallShopFiringEveryRule",
     "天猫",
     "2024-03-10",
     {"9", "9", "9", "9", "9", "9", "9", "9"},
     kAllRules,
     SafetyGrade::NotGradable},
    // An unmatched answer leaves every field empty: nothing is known, so it is no safe buyer.
    {"UnmatchedAnswerIsNotGradable",
     "",
     "",
     {"", "", "", "", "", "", "", ""},
     kQuiet,
     SafetyGrade::NotGradable},
    {"IdentityComparedExactly", "买家 ", "2010-05-03", kNoCounts, kQuiet, SafetyGrade::NotGradable},
    {"OtherIdentity", "用户", "2010-05-03", kNoCounts, kQuiet, SafetyGrade::NotGradable},
};

INSTANTIATE_TEST_SUITE_P(Cases, GradeProfileTest, ::testing::ValuesIn(kGradeCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(GradeProfile, MidnightThirtyDaysBackIsFreshOnlyAtMidnight) {
    GradeInputs buyer;
    buyer.identity = Local("买家");
    buyer.registrationTime = "2024-02-14";
    const LocalTime midnight = local_days{year{2024} / March / 15};
    EXPECT_EQ(GradeProfile(buyer, midnight), SafetyGrade::Danger);
    EXPECT_EQ(GradeProfile(buyer, midnight + seconds{1}), SafetyGrade::Safe);
}

}  // namespace
}  // namespace nomvera::lookup
