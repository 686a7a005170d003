// Cell references and the General-format text of numbers.

#include <gtest/gtest.h>

#include "batch/CellReference.h"
#include "batch/GeneralNumberText.h"
#include "batch/OoxmlText.h"

namespace nomvera::batch {
namespace {

TEST(CellReference, ParsesLettersOfEitherCaseAndDecimalRows) {
    EXPECT_EQ(CellReference::Parse("a2"), (CellPosition{2, 1}));
    EXPECT_EQ(CellReference::Parse("M13"), (CellPosition{13, 13}));
    EXPECT_EQ(CellReference::Parse("AB12"), (CellPosition{12, 28}));
    EXPECT_EQ(CellReference::Parse("XFD1048576"), (CellPosition{1048576, 16384}));
    for (const char* bad :
         {"", "a", "2", "a0", "a01", "XFE1", "a1048577", "a-1", "a1b", "$A$1", "a99999999999"}) {
        EXPECT_FALSE(CellReference::Parse(bad)) << bad;
    }
    EXPECT_EQ(CellReference::Format(2, 1), "a2");
    EXPECT_EQ(CellReference::Format(100001, 13), "m100001");
    EXPECT_EQ(CellReference::Format(7, 28), "ab7");
}

TEST(GeneralNumberText, ShowsNumbersAsASpreadsheetDoes) {
    const std::pair<double, const char*> cases[] = {
        {123, "123"},        {0.5, "0.5"},
        {-2.25, "-2.25"},    {0, "0"},
        {-0.0, "0"},         {1e20, "1E+20"},
        {1.5e20, "1.5E+20"}, {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},     {1234567890123456789.0, "1.23456789012346E+18"},
        {0.1 + 0.2, "0.3"},  {0.0001, "0.0001"},
        {0.00001, "1E-05"},  {-1.5e-7, "-1.5E-07"},
        {1e100, "1E+100"},   {42.0000000000001, "42.0000000000001"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(GeneralNumberText::Format(value), text) << text;
}

TEST(OoxmlText, DecodesEscapedCharacters) {
    EXPECT_EQ(OoxmlText::DecodeEscapes("a_x000D__x000A_b"), "a\r\nb");
    EXPECT_EQ(OoxmlText::DecodeEscapes("_x005F_x000D_"), "_x000D_");  // the escaped underscore
    EXPECT_EQ(OoxmlText::DecodeEscapes("_x4E2D_"), "\xE4\xB8\xAD");
    EXPECT_EQ(OoxmlText::DecodeEscapes("_xZZZZ_ _x12_ _xD800_"), "_xZZZZ_ _x12_ _xD800_");
}

}  // namespace
}  // namespace nomvera::batch
