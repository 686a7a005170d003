// The service's registration texts ("2010-05-03", "2010/5/3 8:05:09", "2010年5月3日 8时5分")
// read as a local moment. Anything that is not such a date reads as the earliest moment the
// OLE Automation date type holds, so that it can never count as a fresh account.

#include <array>
#include <string>

#include "lookup/SafetyGrade.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

using namespace std::chrono;

constexpr int kEarliestYear = 100;  // the date type's range: 100-01-01 to 9999-12-31
constexpr int kLatestYear = 9999;

const LocalTime& EarliestMoment() {
    static const LocalTime kEarliest{local_days{year{kEarliestYear} / January / 1}};
    return kEarliest;
}

// Steps over code page 936 text. Every token is ASCII or a whole two-byte character, so the
// position always stays on a character boundary.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }

    // A run of 1..maxDigits ASCII digits; -1 when there is none or the run is longer.
    int Digits(std::size_t maxDigits) {
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
        if (end == pos_ || end - pos_ > maxDigits) return -1;
        int value = 0;
        for (; pos_ < end; ++pos_) value = value * 10 + (text_[pos_] - '0');
        return value;
    }

    bool Take(std::string_view token) {
        if (text_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }

    bool TakeSeparator() {
        if (AtEnd()) return false;
        const char c = text_[pos_];
        if (c != '-' && c != '.' && c != '/' && c != ':') return false;
        ++pos_;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct Suffixes {
    std::string year = web::Local("年");
    std::string month = web::Local("月");
    std::string day = web::Local("日");
    std::array<std::string, 3> time = {web::Local("时"), web::Local("分"), web::Local("秒")};
};

const Suffixes& Suffix() {
    static const Suffixes kSuffixes;
    return kSuffixes;
}

// Hours, minutes and seconds after the date; missing trailing parts stay 0. False when the
// time is malformed or anything follows it.
bool ReadTime(Reader& reader, std::array<int, 3>& parts) {
    for (std::size_t part = 0; part < parts.size(); ++part) {
        parts[part] = reader.Digits(2);
        if (parts[part] < 0) return false;
        if (reader.AtEnd()) return true;
        if (reader.Take(Suffix().time[part])) {
            if (reader.AtEnd()) return true;
            continue;  // the next part's digits follow the suffix directly
        }
        if (part + 1 < parts.size() && reader.TakeSeparator()) continue;
        return false;
    }
    return reader.AtEnd();
}

}  // namespace

LocalTime ParseRegistrationTime(std::string_view text) {
    Reader reader(text);
    const int y = reader.Digits(4);
    if (y < 0 || !(reader.TakeSeparator() || reader.Take(Suffix().year))) return EarliestMoment();
    const int m = reader.Digits(2);
    if (m < 0 || !(reader.TakeSeparator() || reader.Take(Suffix().month))) return EarliestMoment();
    const int d = reader.Digits(2);
    if (d < 0) return EarliestMoment();
    reader.Take(Suffix().day);

    std::array<int, 3> time = {0, 0, 0};
    if (!reader.AtEnd()) {
        if (!reader.Take(" ")) reader.TakeSeparator();
        if (!ReadTime(reader, time)) return EarliestMoment();
    }

    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (y < kEarliestYear || y > kLatestYear || !date.ok()) return EarliestMoment();
    if (time[0] > 23 || time[1] > 59 || time[2] > 59) return EarliestMoment();
    return local_days{date} + hours{time[0]} + minutes{time[1]} + seconds{time[2]};
}

}  // namespace nomvera::lookup
