// The lookup's writes into a batch row: which cells, which texts and in which order.

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "MemoryAccountList.h"
#include "lookup/RowOperations.h"
#include "web/CodePage.h"

namespace nomvera::lookup {
namespace {

using namespace std::chrono;
using testing::MemoryAccountList;
using web::Local;

const std::string kMaker = "http://127.0.0.1:38765/";
const LocalTime kNow = local_days{year{2024} / March / 15} + hours{14};

std::array<std::string, kColumnCount> FilledCells(const std::string& mark) {
    std::array<std::string, kColumnCount> cells;
    for (int c = 0; c < kColumnCount; ++c) cells[static_cast<std::size_t>(c)] = mark + std::to_string(c);
    return cells;
}

// Every field a distinct text, so a field written to the wrong column shows.
CreditProfile DistinctProfile() {
    CreditProfile p;
    p.identity = Local("买家");
    p.ratingPageUrl = "http://rate.taobao.com/user-rate-UMGxbvCNYOmIT.htm";
    p.creditScore = "128";
    p.registrationTime = "2010-05-03";
    p.realNameStatus = Local("已认证");
    p.region = Local("浙江 杭州");
    p.givenNeutral = "31";
    p.givenBad = "41";
    p.weekGood = "51";
    p.weekNeutral = "61";
    p.weekBad = "71";
    p.monthGood = "81";
    p.monthNeutral = "91";
    p.monthBad = "101";
    return p;
}

class RowOperationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int row = 0; row < list.RowCount(); ++row)
            list.Preset(row, FilledCells("r" + std::to_string(row) + "c"));
    }
    // Rows 0 and 2 must never change when row 1 is worked on.
    void ExpectNeighboursUntouched() {
        for (int row : {0, 2})
            for (int c = 0; c < kColumnCount; ++c)
                EXPECT_EQ(list.CellText(row, c), "r" + std::to_string(row) + "c" + std::to_string(c));
        for (const auto& w : list.Writes()) EXPECT_EQ(w.row, 1);
    }
    MemoryAccountList list{3};
};

TEST_F(RowOperationsTest, ResetEmptiesColumnsTwoToThirteenAndKeepsTheAccount) {
    ResetRowForQuery(list, 1, kMaker);
    EXPECT_EQ(list.WrittenColumns(), (std::vector<int>{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(list.CellText(1, kColumnLink), kMaker);
    EXPECT_EQ(list.CellText(1, kColumnAccount), "r1c1");
    for (int c = kColumnGrade; c < kColumnCount; ++c) EXPECT_EQ(list.CellText(1, c), "") << c;
    ExpectNeighboursUntouched();
}

TEST_F(RowOperationsTest, NotFoundMarksTwelveColumnsThenTheLink) {
    MarkRowNotFound(list, 1, kMaker);
    EXPECT_EQ(list.WrittenColumns(), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0}));
    for (int c = kColumnGrade; c < kColumnCount; ++c) EXPECT_EQ(list.CellText(1, c), "?") << c;
    EXPECT_EQ(list.CellText(1, kColumnLink), kMaker);
    EXPECT_EQ(list.CellText(1, kColumnAccount), "r1c1");
    ExpectNeighboursUntouched();
}

TEST_F(RowOperationsTest, FillWritesInTheAgreedOrderAndLeavesTheGrade) {
    const CreditProfile p = DistinctProfile();
    std::vector<int> reported;
    FillRow(list, 1, p, [&](int column) {
        // The callback comes after the write it reports.
        EXPECT_EQ(list.Writes().back().column, column);
        reported.push_back(column);
    });
    const std::vector<int> order = {0, 11, 12, 13, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(list.WrittenColumns(), order);
    EXPECT_EQ(reported, order);

    const std::array<std::string, kColumnCount> expected = {
        p.ratingPageUrl,    "r1c1",          "r1c2",      p.givenNeutral, p.givenBad, p.weekGood,
        p.weekNeutral,      p.weekBad,       p.monthGood, p.monthNeutral, p.monthBad, p.identity,
        p.registrationTime, p.realNameStatus};
    for (int c = 0; c < kColumnCount; ++c)
        EXPECT_EQ(list.CellText(1, c), expected[static_cast<std::size_t>(c)]) << c;
    ExpectNeighboursUntouched();
}

TEST_F(RowOperationsTest, FillWorksWithoutACallback) {
    FillRow(list, 1, DistinctProfile());
    EXPECT_EQ(list.Writes().size(), 12u);
}

TEST_F(RowOperationsTest, GradeInputsComeFromTheColumnsFillWrote) {
    const CreditProfile p = DistinctProfile();
    FillRow(list, 1, p);
    const GradeInputs in = GradeInputsFromRow(list, 1);
    EXPECT_EQ(in.identity, p.identity);
    EXPECT_EQ(in.registrationTime, p.registrationTime);
    EXPECT_EQ(in.givenNeutral, p.givenNeutral);
    EXPECT_EQ(in.givenBad, p.givenBad);
    EXPECT_EQ(in.weekGood, p.weekGood);
    EXPECT_EQ(in.weekNeutral, p.weekNeutral);
    EXPECT_EQ(in.weekBad, p.weekBad);
    EXPECT_EQ(in.monthGood, p.monthGood);
    EXPECT_EQ(in.monthNeutral, p.monthNeutral);
    EXPECT_EQ(in.monthBad, p.monthBad);
}

struct GradeRowCase {
    const char* name;
    const char* identity;
    const char* registrationTime;
    const char* givenBad;
    const char* expectedUtf8;
};

void PrintTo(const GradeRowCase& c, std::ostream* os) {
    *os << c.name;
}

class GradeRowTest : public ::testing::TestWithParam<GradeRowCase> {};

TEST_P(GradeRowTest, WritesOnlyTheGradeColumn) {
    MemoryAccountList list(1);
    CreditProfile p;
    p.identity = Local(GetParam().identity);
    p.registrationTime = GetParam().registrationTime;
    p.givenBad = GetParam().givenBad;
    FillRow(list, 0, p);
    list.ClearWrites();
    GradeRow(list, 0, kNow);
    ASSERT_EQ(list.Writes().size(), 1u);
    EXPECT_EQ(list.Writes()[0].column, kColumnGrade);
    EXPECT_EQ(list.CellText(0, kColumnGrade), Local(GetParam().expectedUtf8));
}

INSTANTIATE_TEST_SUITE_P(Rows, GradeRowTest,
                         ::testing::Values(GradeRowCase{"QuietBuyer", "买家", "2010-05-03", "0", "安全"},
                                           GradeRowCase{"BuyerWithBadRatings", "买家", "2010-05-03", "2",
                                                        "危险"},
                                           GradeRowCase{"FreshBuyer", "买家", "2024-03-01", "0", "危险"},
                                           GradeRowCase{"Seller", "卖家", "2024-03-01", "9", "未知"},
                                           GradeRowCase{"TmallShop", "天猫", "2010-05-03", "0", "未知"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(RowOperations, UnmatchedAnswerFillsEmptyTextsAndIsNotGradable) {
    MemoryAccountList list(1);
    list.Preset(0, FilledCells("old"));
    FillRow(list, 0, CreditProfile{});
    GradeRow(list, 0, kNow);
    EXPECT_EQ(list.CellText(0, kColumnLink), "");
    EXPECT_EQ(list.CellText(0, kColumnAccount), "old1");
    for (int c = kColumnGivenNeutral; c < kColumnCount; ++c) EXPECT_EQ(list.CellText(0, c), "") << c;
    EXPECT_EQ(list.CellText(0, kColumnGrade), Local("未知"));
}

}  // namespace
}  // namespace nomvera::lookup
