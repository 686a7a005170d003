#pragma once
// The five fixed rules that spot a fraudulent buyer, shared by the batch list and the detail window.

#include <array>
#include <chrono>
#include <string>
#include <string_view>

namespace nomvera::lookup {

enum class SafetyGrade { Safe, Danger, NotGradable };

// "安全", "危险", "未知" in code page 936.
const std::string& GradeText(SafetyGrade grade);

struct GradeInputs {
    std::string identity;
    std::string registrationTime;
    std::string givenNeutral;
    std::string givenBad;
    std::string weekGood;
    std::string weekNeutral;
    std::string weekBad;
    std::string monthGood;
    std::string monthNeutral;
    std::string monthBad;
};

using LocalTime = std::chrono::local_time<std::chrono::seconds>;

// Which of rules 1..5 fire (index 0..4); evaluated for every identity, callers decide who is graded.
std::array<bool, 5> EvaluateRules(const GradeInputs& inputs, LocalTime now);
SafetyGrade GradeProfile(const GradeInputs& inputs, LocalTime now);

// The number at the start of a text ("12abc" -> 12, "" or "?" -> 0).
double NumberOfText(std::string_view text);
// The registration text as a moment; the earliest representable date when it is not a date.
LocalTime ParseRegistrationTime(std::string_view text);

// The current local time, to the second.
LocalTime LocalNow();

}  // namespace nomvera::lookup
