#include "detail/DetailDisplay.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "detail/ControlNames.h"
#include "detail/DetailSurface.h"
#include "web/CodePage.h"

namespace nomvera::detail {

namespace {

struct RuleShow {
    const char* text;  // UTF-8
    std::vector<std::string_view> redBoxes;
};

const std::array<RuleShow, 5>& RuleShows() {
    static const std::array<RuleShow, 5> shows = {{
        {"●注册日期小于30天●\r\n", {names::kRegistration}},
        {"●给出的中评大于2个●\r\n", {names::kGivenNeutral}},
        {"●给出的差评大于1个●\r\n", {names::kGivenBad}},
        {"●最近一周内交易超过5笔●\r\n",
         {names::kPeriodBoxes[0], names::kPeriodBoxes[1], names::kPeriodBoxes[2]}},
        {"●最近一月内交易超过20笔●\r\n",
         {names::kPeriodBoxes[3], names::kPeriodBoxes[4], names::kPeriodBoxes[5]}},
    }};
    return shows;
}

lookup::GradeInputs ReadInputs(DetailSurface& surface) {
    lookup::GradeInputs inputs;
    inputs.identity = surface.Text(names::kIdentity);
    inputs.registrationTime = surface.Text(names::kRegistration);
    inputs.givenNeutral = surface.Text(names::kGivenNeutral);
    inputs.givenBad = surface.Text(names::kGivenBad);
    inputs.weekGood = surface.Text(names::kPeriodBoxes[0]);
    inputs.weekNeutral = surface.Text(names::kPeriodBoxes[1]);
    inputs.weekBad = surface.Text(names::kPeriodBoxes[2]);
    inputs.monthGood = surface.Text(names::kPeriodBoxes[3]);
    inputs.monthNeutral = surface.Text(names::kPeriodBoxes[4]);
    inputs.monthBad = surface.Text(names::kPeriodBoxes[5]);
    return inputs;
}

GradePicture PictureOf(lookup::SafetyGrade grade) {
    switch (grade) {
        case lookup::SafetyGrade::Danger:
            return GradePicture::Danger;
        case lookup::SafetyGrade::NotGradable:
            return GradePicture::NotGradable;
        case lookup::SafetyGrade::Safe:
            break;
    }
    return GradePicture::Safe;
}

}  // namespace

void DetailDisplay(DetailSurface& surface, lookup::LocalTime now) {
    static const std::string kBuyer = web::Local("买家");
    static const std::string kSeller = web::Local("卖家");
    static const std::string kTmall = web::Local("天猫");
    static const std::string kHint = web::Local("↑单击上图可查看个人主页↑\r\n\r\n");

    const lookup::GradeInputs inputs = ReadInputs(surface);
    const bool buyer = inputs.identity == kBuyer;
    const bool shop = inputs.identity == kSeller || inputs.identity == kTmall;

    // Rules are shown for buyers only; a shop is not gradable whatever its numbers say.
    std::string fired;
    if (buyer) {
        const std::array<bool, 5> rules = lookup::EvaluateRules(inputs, now);
        for (std::size_t rule = 0; rule < rules.size(); ++rule) {
            if (!rules[rule]) continue;
            fired += web::Local(RuleShows()[rule].text);
            for (std::string_view box : RuleShows()[rule].redBoxes) surface.SetTextColour(box, kRed);
        }
    }
    if (buyer || shop) {
        surface.SetText(names::kSafetyInfo, kHint + fired);
        surface.SetTextColour(names::kIdentity, buyer ? kRed : kBlue);
        surface.SetCaption(names::kRegistrationLabel, web::Local(buyer ? "注册时间：" : "创店时间："));
    }
    surface.SetGradePicture(PictureOf(lookup::GradeProfile(inputs, now)));
}

}  // namespace nomvera::detail
