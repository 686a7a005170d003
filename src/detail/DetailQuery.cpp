#include "detail/DetailQuery.h"

#include <string>
#include <utility>

#include "app/LockedText.h"
#include "automation/RegexObject.h"
#include "detail/ControlNames.h"
#include "detail/DetailDisplay.h"
#include "detail/DetailSurface.h"
#include "detail/IpQuery.h"
#include "lookup/LookupAnswerParser.h"
#include "lookup/LookupFetch.h"
#include "lookup/LookupRequest.h"
#include "web/CodePage.h"
#include "web/HttpEngine.h"

namespace nomvera::detail {

DetailQuery::DetailQuery(DetailSurface& surface, lookup::ServiceAddresses addresses,
                         app::LockedText& ratingLink, const std::atomic<bool>& stop, Clock clock)
    : surface_(surface),
      addresses_(std::move(addresses)),
      ratingLink_(ratingLink),
      stop_(stop),
      clock_(std::move(clock)) {}

void DetailQuery::EmptyTheWindow() {
    for (std::string_view box : {names::kIdentity, names::kRegion, names::kRegistration, names::kRealName,
                                 names::kIp, names::kIpRegion, names::kCreditScore, names::kGoodRate,
                                 names::kGivenGood, names::kGivenNeutral, names::kGivenBad}) {
        surface_.SetText(box, std::string());
    }
    for (std::string_view box : names::kPeriodBoxes) surface_.SetText(box, std::string());
    surface_.SetText(names::kSafetyInfo, std::string());

    // The boxes the display may have turned red; the identity's colour is set by every display.
    for (std::string_view box : {names::kRegistration, names::kGivenNeutral, names::kGivenBad}) {
        surface_.SetTextColour(box, kBlack);
    }
    for (std::size_t i = 0; i < 6; ++i) surface_.SetTextColour(names::kPeriodBoxes[i], kBlack);

    surface_.SetCaption(names::kAccountGroup, web::Local("账号信息"));
    surface_.SetCaption(names::kCreditGroup, web::Local("信用及评价信息"));
    surface_.SetGradePicture(GradePicture::Initial);
    surface_.SetPicture(names::kLevelPicture, std::string());
}

void DetailQuery::Run() {
    automation::RegexObject regex;
    web::HttpControl control;
    control.cancel = &stop_;

    surface_.SetEnabled(names::kAccount, false);
    surface_.SetCaption(names::kQueryGroup, web::Local("正在查询·"));
    surface_.SetText(names::kAccount, lookup::CleanAccount(surface_.Text(names::kAccount)));
    EmptyTheWindow();
    if (Stopped()) return;

    const std::string account = surface_.Text(names::kAccount);
    const std::string answer = lookup::FetchLookupAnswer(account, addresses_.lookupHost, &control);
    if (Stopped()) return;
    const lookup::LookupOutcome outcome = lookup::ParseLookupAnswer(answer, addresses_.ratingHost);
    ratingLink_.Set(outcome.found ? outcome.profile.ratingPageUrl
                                  : lookup::NotFoundLink(addresses_.ratingHost));

    if (!outcome.found) {
        surface_.SetCaption(names::kAccountGroup, web::Local("该用户不存在或是淘宝正在对此店铺盘点！"));
        surface_.SetCaption(names::kQueryGroup, web::Local("查询"));
        surface_.SetEnabled(names::kAccount, true);
        IpQuery(surface_, regex, addresses_.ipSearchHost, &control);
        return;
    }

    const lookup::CreditProfile& profile = outcome.profile;
    surface_.SetText(names::kIdentity, profile.identity);
    surface_.SetText(names::kRegistration, profile.registrationTime);
    surface_.SetText(names::kRealName, profile.realNameStatus);
    surface_.SetText(names::kRegion, profile.region);
    surface_.SetCaption(names::kQueryGroup, web::Local("正在查询··"));
    surface_.SetText(names::kCreditScore, profile.creditScore);

    // An empty address would make the engine fetch nothing useful; skip the round trip.
    const std::string levelPicture =
        profile.levelIconUrl.empty()
            ? std::string()
            : web::HttpEngine(profile.levelIconUrl, 0, std::string(), nullptr, nullptr, nullptr, nullptr,
                              false, nullptr, std::string(), &control);
    if (Stopped()) return;
    surface_.SetPicture(names::kLevelPicture, levelPicture);

    surface_.SetText(names::kGoodRate, profile.goodRate);
    surface_.SetText(names::kGivenGood, profile.givenGood);
    surface_.SetText(names::kGivenNeutral, profile.givenNeutral);
    surface_.SetText(names::kGivenBad, profile.givenBad);
    const std::string* periods[12] = {
        &profile.weekGood,     &profile.weekNeutral, &profile.weekBad,      &profile.monthGood,
        &profile.monthNeutral, &profile.monthBad,    &profile.halfYearGood, &profile.halfYearNeutral,
        &profile.halfYearBad,  &profile.olderGood,   &profile.olderNeutral, &profile.olderBad,
    };
    for (std::size_t i = 0; i < names::kPeriodBoxes.size(); ++i)
        surface_.SetText(names::kPeriodBoxes[i], *periods[i]);

    surface_.SetCaption(names::kQueryGroup, web::Local("正在查询···"));
    IpQuery(surface_, regex, addresses_.ipSearchHost, &control);
    if (Stopped()) return;
    surface_.SetCaption(names::kQueryGroup, web::Local("查询完毕"));
    DetailDisplay(surface_, clock_());
    surface_.SetEnabled(names::kAccount, true);
}

}  // namespace nomvera::detail
