// The answer page is read as a whole by one lazy pattern; a page that holds only part of the
// expected content sets no group at all.

#include "lookup/LookupAnswerParser.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "automation/RegexObject.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

constexpr int kGroupCount = 23;
constexpr int kRatingLinkGroup = 2;

// Good, neutral and bad of one period: each count is the digits between a ">" and "</font>".
constexpr std::string_view kThreeCounts =
    R"re([\s\S]*?>([0-9]*?)</font>[\s\S]*?>([0-9]*?)</font>[\s\S]*?>([0-9]*?)</font>)re";

// The pattern after the rating host, in UTF-8. "." never crosses a line break, so every gap
// that may span lines is written [\s\S]*?.
std::string PatternAfterHostUtf8() {
    std::string tail = R"re(/user-rate-.*?htm))re"
                       R"re(.*?tb_nick[\s\S]*?家信用.*?<b>([0-9]*?)</b></font>)re"
                       R"re(.*?"(.*?)")re"
                       R"re([\s\S]*?注册时间.*?<b>(.*?)</b></font>)re"
                       R"re([\s\S]*?实名认证.*?#00CC33">(.*?)<)re"
                       R"re([\s\S]*?所在地区：</span>(.*?) </li>)re"
                       R"re([\s\S]*?家评价[\s\S]*?好评.*?>([0-9]*?)</font>)re"
                       R"re([\s\S]*?中评.*?>([0-9]*?)</font>)re"
                       R"re([\s\S]*?差评.*?>([0-9]*?)</font>)re"
                       R"re([\s\S]*?好评率.*?">(.*?%)<)re";
    for (std::string_view period : {R"re([\s\S]*?买家信用[\s\S]*?最近一周)re", R"re([\s\S]*?最近一月)re",
                                    R"re([\s\S]*?最近半年)re", R"re([\s\S]*?半年以前)re"}) {
        tail += period;
        tail += kThreeCounts;
    }
    return tail;
}

// The pattern around the rating host, in code page 936, converted once.
struct PatternPieces {
    std::string beforeHost = web::Local(R"re(【淘宝(..)】[\s\S]*?(http://)re");
    std::string afterHost = web::Local(PatternAfterHostUtf8());
};

const PatternPieces& Pieces() {
    static const PatternPieces kPieces;
    return kPieces;
}

// The profile's fields in the order of the pattern's groups.
std::array<std::string*, kGroupCount> FieldsInGroupOrder(CreditProfile& p) {
    return {&p.identity,       &p.ratingPageUrl, &p.creditScore,  &p.levelIconUrl,    &p.registrationTime,
            &p.realNameStatus, &p.region,        &p.givenGood,    &p.givenNeutral,    &p.givenBad,
            &p.goodRate,       &p.weekGood,      &p.weekNeutral,  &p.weekBad,         &p.monthGood,
            &p.monthNeutral,   &p.monthBad,      &p.halfYearGood, &p.halfYearNeutral, &p.halfYearBad,
            &p.olderGood,      &p.olderNeutral,  &p.olderBad};
}

void RemoveAll(std::string& text, std::string_view what) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t pos = 0;;) {
        const std::size_t hit = text.find(what, pos);
        kept.append(text, pos, hit == std::string::npos ? std::string::npos : hit - pos);
        if (hit == std::string::npos) break;
        pos = hit + what.size();
    }
    text = std::move(kept);
}

// A seller with score 0 and rate 0.00% is how the service shows a Tmall shop.
void PostProcess(CreditProfile& profile) {
    static const std::string kSeller = web::Local("卖家");
    static const std::string kTmall = web::Local("天猫");
    if (profile.identity == kSeller && profile.creditScore == "0" && profile.goodRate == "0.00%")
        profile.identity = kTmall;
    RemoveAll(profile.realNameStatus, "&nbsp;");
}

}  // namespace

std::string LookupPattern(std::string_view ratingHost) {
    std::string pattern = Pieces().beforeHost;
    pattern.append(ratingHost);
    pattern += Pieces().afterHost;
    return pattern;
}

std::string NotFoundLink(std::string_view ratingHost) {
    std::string link = "http://";
    link.append(ratingHost);
    link += "/user-rate-.htm";
    return link;
}

LookupOutcome ParseLookupAnswer(std::string_view answer, std::string_view ratingHost) {
    const std::string text = web::Utf8ToLocal(answer.substr(0, answer.find('\0')));

    automation::RegexObject regex;
    regex.Search(LookupPattern(ratingHost), text);

    LookupOutcome outcome;
    if (regex.GetSubMatchText(1, kRatingLinkGroup) == NotFoundLink(ratingHost)) return outcome;
    outcome.found = true;
    const auto fields = FieldsInGroupOrder(outcome.profile);
    for (int group = 1; group <= kGroupCount; ++group)
        *fields[static_cast<std::size_t>(group - 1)] = regex.GetSubMatchText(1, group);
    PostProcess(outcome.profile);
    return outcome;
}

}  // namespace nomvera::lookup
