// Registration texts as the service writes them, read as local moments; everything else reads as
// the earliest moment of the date type.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "lookup/SafetyGrade.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

using namespace std::chrono;

const LocalTime kEarliest = local_days{year{100} / January / 1};

LocalTime At(int y, unsigned m, unsigned d, int hh = 0, int mm = 0, int ss = 0) {
    return local_days{year{y} / m / d} + hours{hh} + minutes{mm} + seconds{ss};
}

struct DateCase {
    const char* utf8;
    LocalTime expected;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << '"' << c.utf8 << '"';
}

class RegistrationTimeTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(RegistrationTimeTest, ReadsTheCodePage936Text) {
    EXPECT_EQ(ParseRegistrationTime(web::Local(GetParam().utf8)), GetParam().expected)
        << '"' << GetParam().utf8 << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Dates, RegistrationTimeTest,
    ::testing::Values(DateCase{"2010-05-03", At(2010, 5, 3)}, DateCase{"2010.5.3", At(2010, 5, 3)},
                      DateCase{"2010/05/03", At(2010, 5, 3)}, DateCase{"2010:05:03", At(2010, 5, 3)},
                      DateCase{"2010-5/3", At(2010, 5, 3)}, DateCase{"999-12-31", At(999, 12, 31)},
                      DateCase{"2000-02-29", At(2000, 2, 29)}, DateCase{"2010年5月3日", At(2010, 5, 3)},
                      DateCase{"2010年05月03", At(2010, 5, 3)}));

INSTANTIATE_TEST_SUITE_P(DatesWithTimes, RegistrationTimeTest,
                         ::testing::Values(DateCase{"2010-05-03 08:05:09", At(2010, 5, 3, 8, 5, 9)},
                                           DateCase{"2010-05-03 8:5", At(2010, 5, 3, 8, 5)},
                                           DateCase{"2010-05-03 23", At(2010, 5, 3, 23)},
                                           DateCase{"2010/5/3-8.5.9", At(2010, 5, 3, 8, 5, 9)},
                                           DateCase{"2010.5.3.12-30/45", At(2010, 5, 3, 12, 30, 45)},
                                           DateCase{"2010年5月3日 8时5分9秒", At(2010, 5, 3, 8, 5, 9)},
                                           DateCase{"2010年5月3日8时30分", At(2010, 5, 3, 8, 30)},
                                           DateCase{"2010年5月3日 8时", At(2010, 5, 3, 8)},
                                           DateCase{"2010-05-03 12时30分", At(2010, 5, 3, 12, 30)},
                                           DateCase{"2010-05-03 00:00:00", At(2010, 5, 3)}));

INSTANTIATE_TEST_SUITE_P(
    NotDates, RegistrationTimeTest,
    ::testing::Values(DateCase{"", kEarliest}, DateCase{"?", kEarliest}, DateCase{"很久以前", kEarliest},
                      DateCase{"2010-02-30", kEarliest}, DateCase{"2009-02-29", kEarliest},
                      DateCase{"2010-13-01", kEarliest}, DateCase{"2010-00-10", kEarliest},
                      DateCase{"2010-05-00", kEarliest}, DateCase{"2010-05-03 24:00", kEarliest},
                      DateCase{"2010-05-03 12:60", kEarliest}, DateCase{"2010-05-03 12:00:60", kEarliest},
                      DateCase{"20100-05-03", kEarliest}, DateCase{"2010-005-03", kEarliest},
                      DateCase{"2010-05-003", kEarliest}, DateCase{"2010-05-0312:00", kEarliest},
                      DateCase{"2010-05-03x", kEarliest}, DateCase{"2010-05-03 12:30:45:10", kEarliest},
                      DateCase{"2010-05-03 12:30:", kEarliest}, DateCase{"2010-05-03 ", kEarliest},
                      DateCase{"2010-05-03  12:00", kEarliest}, DateCase{" 2010-05-03", kEarliest},
                      DateCase{"2010 05 03", kEarliest}, DateCase{"2010-05", kEarliest},
                      DateCase{"2010年5月", kEarliest}, DateCase{"99-05-03", kEarliest},
                      DateCase{"２０１０-05-03", kEarliest}, DateCase{"2010年5月3日 8时5分9秒后", kEarliest},
                      DateCase{"2010-05-03 8时5分9秒10", kEarliest}));

TEST(RegistrationTime, ChineseSuffixesAreReadAsCodePage936) {
    // The same text left in UTF-8 does not carry the code page 936 suffixes.
    EXPECT_EQ(ParseRegistrationTime("2010\xE5\xB9\xB4"
                                    "5\xE6\x9C\x88"
                                    "3\xE6\x97\xA5"),
              kEarliest);
    EXPECT_EQ(ParseRegistrationTime("2010\xC4\xEA"
                                    "5\xD4\xC2"
                                    "3\xC8\xD5"),
              At(2010, 5, 3));
}

}  // namespace
}  // namespace nomvera::lookup
