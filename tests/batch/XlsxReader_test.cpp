// Reading .xlsx packages: which sheet is first, how values become texts, where cells land, and
// what happens to broken or hostile files.

#include "batch/XlsxReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "XlsxFixture.h"

namespace nomvera::batch {
namespace {

using testing::SharedStringsXml;
using testing::SheetXml;
using testing::WorkbookParts;

class XlsxReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("xlsx_reader_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Reads sheet 1 of a package made of `parts`; false when the reader refuses it.
    bool ReadFirstSheet(const testing::Parts& parts, XlsxLimits limits = {}) {
        const auto path = dir_ / "book.xlsx";
        EXPECT_TRUE(testing::WriteZip(path, parts));
        XlsxReader reader(limits);
        return reader.Open(path) && reader.ReadSheet(1, cells_);
    }
    std::string Cell(std::uint32_t row, std::uint32_t column) const {
        return std::string(cells_.Text(row, column));
    }

    std::filesystem::path dir_;
    SheetCells cells_;
};

TEST_F(XlsxReaderTest, FirstSheetIsTheWorkbooksFirstNotTheFirstPartName) {
    ASSERT_TRUE(ReadFirstSheet(WorkbookParts(
        {{"sheet2.xml",
          SheetXml(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>listed first</t></is></c></row>)")},
         {"sheet1.xml",
          SheetXml(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>second</t></is></c></row>)")}})));
    EXPECT_EQ(Cell(1, 1), "listed first");
}

TEST_F(XlsxReaderTest, ValuesReadAsTheirShownText) {
    const std::string strings = SharedStringsXml(
        R"(<si><t>plain</t></si>)"
        R"(<si><r><t>rich </t></r><r><rPr><b/></rPr><t>runs</t></r><rPh sb="0" eb="1"><t>PHONETIC</t></rPh></si>)"
        R"(<si><t xml:space="preserve">  spaced  </t></si>)"
        R"(<si><t>line_x000D__x000A_break</t></si>)");
    const std::string rows =
        R"(<row r="2">)"
        R"(<c r="A2" t="s"><v>0</v></c><c r="B2" t="s"><v>1</v></c><c r="C2" t="s"><v>2</v></c>)"
        R"(<c r="D2"><v>123</v></c><c r="E2" t="n"><v>0.5</v></c><c r="F2"><v>1E+20</v></c>)"
        R"(<c r="G2" t="b"><v>1</v></c><c r="H2" t="b"><v>0</v></c><c r="I2" t="e"><v>#DIV/0!</v></c>)"
        R"(<c r="J2" t="str"><f>A2</f><v>formula text</v></c><c r="K2" t="inlineStr"><is><r><t>in</t></r><r><t>line</t></r></is></c>)"
        R"(<c r="L2" t="s"><v>3</v></c><c r="M2" t="s"><v>99</v></c><c r="N2"><v>beyond m</v></c>)"
        R"(</row>)";
    ASSERT_TRUE(ReadFirstSheet(WorkbookParts({{"sheet1.xml", SheetXml(rows)}}, strings)));
    const char* expected[] = {"plain", "rich runs", "  spaced  ", "123",          "0.5",    "1E+20",
                              "TRUE",  "FALSE",     "#DIV/0!",    "formula text", "inline", "line\r\nbreak",
                              ""};
    for (std::uint32_t column = 1; column <= 13; ++column) {
        EXPECT_EQ(Cell(2, column), expected[column - 1]) << "column " << column;
    }
    EXPECT_EQ(Cell(2, 14), "");
}

TEST_F(XlsxReaderTest, CellsLandByTheirReferencesWhateverTheOrder) {
    const std::string rows =
        R"(<row r="2"><c r="C2"><v>3</v></c></row>)"
        R"(<row r="5"><c r="B5" t="inlineStr"><is><t>b5</t></is></c><c r="A5" t="inlineStr"><is><t>a5</t></is></c></row>)"
        R"(<row><c t="inlineStr"><is><t>a6</t></is></c><c><v>6</v></c></row>)"  // no references: row 6, A
                                                                                // then B
        R"(<row r="9"><c r="A9"><v>1</v></c><c r="A9"><v>2</v></c></row>)"      // the later value wins
        R"(<row r="4"><c r="A4"><v>4</v></c></row>)";                           // rows out of order
    ASSERT_TRUE(ReadFirstSheet(WorkbookParts({{"sheet1.xml", SheetXml(rows)}})));
    EXPECT_EQ(Cell(5, 1), "a5");
    EXPECT_EQ(Cell(5, 2), "b5");
    EXPECT_EQ(Cell(2, 3), "3");
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(6, 1), "a6");
    EXPECT_EQ(Cell(6, 2), "6");
    EXPECT_EQ(Cell(9, 1), "2");
    EXPECT_EQ(Cell(4, 1), "4");
    EXPECT_EQ(Cell(3, 1), "");
}

TEST_F(XlsxReaderTest, PrefixedElementNamesReadTheSame) {
    const std::string sheet =
        R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><x:sheetData>)"
        R"(<x:row r="2"><x:c r="A2" t="inlineStr"><x:is><x:t>prefixed</x:t></x:is></x:c></x:row></x:sheetData></x:worksheet>)";
    ASSERT_TRUE(ReadFirstSheet(WorkbookParts({{"sheet1.xml", sheet}})));
    EXPECT_EQ(Cell(2, 1), "prefixed");
}

TEST_F(XlsxReaderTest, LongCellsAreCutToWhatACellHolds) {
    const std::string longText(100000, 'x');
    ASSERT_TRUE(ReadFirstSheet(WorkbookParts(
        {{"sheet1.xml",
          SheetXml(R"(<row r="2"><c r="A2" t="inlineStr"><is><t>)" + longText + "</t></is></c></row>")}},
        SharedStringsXml("<si><t>" + longText + "</t></si>"))));
    EXPECT_EQ(Cell(2, 1).size(), SheetCells::kMaxCellCharacters);
}

TEST_F(XlsxReaderTest, RefusesBrokenPackages) {
    const auto good = WorkbookParts({{"sheet1.xml", SheetXml(R"(<row r="2"><c r="A2"><v>1</v></c></row>)")}});
    auto truncatedXml = good;
    truncatedXml[0].second.resize(truncatedXml[0].second.size() / 2);
    auto doctype = good;
    doctype[0].second =
        R"(<?xml version="1.0"?><!DOCTYPE w [<!ENTITY a "aaaaaaaa">]><worksheet>&a;</worksheet>)";
    auto noWorkbook = good;
    noWorkbook.erase(noWorkbook.begin() + 1);  // xl/workbook.xml
    EXPECT_FALSE(ReadFirstSheet(truncatedXml));
    EXPECT_FALSE(ReadFirstSheet(doctype));
    EXPECT_FALSE(ReadFirstSheet(noWorkbook));
    EXPECT_EQ(cells_.CellCount(), 0u);

    XlsxReader reader;
    EXPECT_FALSE(reader.OpenBytes("PK\x03\x04 not really a zip"));
    EXPECT_FALSE(reader.OpenBytes(""));
}

TEST_F(XlsxReaderTest, RefusesAZipCutShortOrDamaged) {
    const auto path = dir_ / "book.xlsx";
    ASSERT_TRUE(testing::WriteZip(path, WorkbookParts({{"sheet1.xml", SheetXml(std::string(2000, ' '))}})));
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    XlsxReader reader;
    EXPECT_FALSE(reader.OpenBytes(bytes.substr(0, bytes.size() / 2))) << "truncated";
    std::string damaged = bytes;
    for (std::size_t i = 40; i < 200 && i < damaged.size(); ++i)
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    SheetCells cells;
    EXPECT_FALSE(reader.OpenBytes(damaged) && reader.ReadSheet(1, cells)) << "damaged";
}

TEST_F(XlsxReaderTest, StopsAZipBombAtTheUnpackLimit) {
    // 64 MB of XML that compresses to a few hundred kilobytes; the limit is set below it.
    std::string rows = R"(<row r="2"><c r="A2" t="inlineStr"><is><t>)";
    rows.append(64u << 20, 'a');
    rows += "</t></is></c></row>";
    XlsxLimits limits;
    limits.maxUnpackedBytes = 8u << 20;
    EXPECT_FALSE(ReadFirstSheet(WorkbookParts({{"sheet1.xml", SheetXml(rows)}}), limits));

    std::string strings;
    for (int i = 0; i < 20000; ++i) strings += "<si><t>" + std::string(500, 'b') + "</t></si>";
    limits = {};
    limits.maxTextBytes = 1u << 20;
    EXPECT_FALSE(
        ReadFirstSheet(WorkbookParts({{"sheet1.xml", SheetXml("")}}, SharedStringsXml(strings)), limits));
}

TEST_F(XlsxReaderTest, KeepsOnlyTheRowsAWorksheetHas) {
    // The last rows of a full sheet, and one row past its end.
    std::string rows;
    for (std::uint32_t row = 1048570; row <= 1048577; ++row) {
        rows += "<row r=\"" + std::to_string(row) + "\"><c r=\"A" + std::to_string(row) + "\"><v>" +
                std::to_string(row) + "</v></c></row>";
    }
    ASSERT_TRUE(ReadFirstSheet(WorkbookParts({{"sheet1.xml", SheetXml(rows)}})));
    EXPECT_EQ(Cell(1048576, 1), "1048576");
    EXPECT_EQ(cells_.CellCount(), 7u);
}

TEST_F(XlsxReaderTest, ReadsAMillionRowsWithinTheCellLimit) {
    std::string rows;
    rows.reserve(40u << 20);
    for (std::uint32_t row = 1; row <= 1000000; ++row) rows += "<row><c t=\"s\"><v>0</v></c></row>";
    ASSERT_TRUE(ReadFirstSheet(
        WorkbookParts({{"sheet1.xml", SheetXml(rows)}}, SharedStringsXml("<si><t>x</t></si>"))));
    EXPECT_EQ(cells_.CellCount(), 1000000u);
    EXPECT_EQ(Cell(1000000, 1), "x");

    XlsxLimits limits;
    limits.maxCells = 1000;
    EXPECT_FALSE(ReadFirstSheet(
        WorkbookParts({{"sheet1.xml", SheetXml(rows)}}, SharedStringsXml("<si><t>x</t></si>")), limits));
}

}  // namespace
}  // namespace nomvera::batch
