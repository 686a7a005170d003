// The workbook operations as import and export use them: files written by another spreadsheet
// program, our own files read back, and saves that fail.

#include "batch/WorkbookInterface.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>

#include "batch/CellReference.h"
#include "web/CodePage.h"

namespace nomvera::batch {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(NOMVERA_TEST_DATA_DIR) / "workbooks";

// The texts of cells a to m of `rows` rows from row 1, read in the callers' order.
std::vector<std::vector<std::string>> ReadGrid(const std::filesystem::path& path, int rows,
                                               bool* opened = nullptr) {
    WorkbookInterface book;
    book.StartSpreadsheet();
    book.NewWorkbook();
    book.ActivateWorkbook();
    const bool open = book.OpenWorkbook(path) && book.SelectSheet(1);
    if (opened) *opened = open;
    std::vector<std::vector<std::string>> grid;
    for (int row = 1; row <= rows; ++row) {
        std::vector<std::string>& cells = grid.emplace_back();
        for (std::uint32_t column = 1; column <= 13; ++column) {
            const std::string cell = CellReference::Format(static_cast<std::uint32_t>(row), column);
            book.SelectRange(cell, cell);
            cells.push_back(web::LocalToUtf8(book.ReadCellText()));
        }
    }
    book.CloseWorkbooks();
    book.QuitSpreadsheet();
    book.ReleaseSpreadsheet();
    return grid;
}

std::vector<std::string> Row(std::initializer_list<std::string> first) {
    std::vector<std::string> row(first);
    row.resize(13);
    return row;
}

class WorkbookFixtureTest : public ::testing::TestWithParam<const char*> {};

// Made by LibreOffice from source/accounts.csv (see the README): the CSV import there turns 00123
// into the number 123.
TEST_P(WorkbookFixtureTest, ReadsAListMadeFromCsv) {
    bool opened = false;
    const auto grid = ReadGrid(kFixtures / (std::string("accounts.") + GetParam()), 8, &opened);
    ASSERT_TRUE(opened);
    EXPECT_EQ(grid[0], Row({"淘宝账号", "安全", "给中"}));
    EXPECT_EQ(grid[1], Row({"张三", "安全", "0"}));
    EXPECT_EQ(grid[2], Row({"123", "危险", "2"}));
    EXPECT_EQ(grid[3], Row({"buyer one", "未知", "0.5"}));
    EXPECT_EQ(grid[4], Row({"李四"}));
    EXPECT_EQ(grid[5], Row({}));
    EXPECT_EQ(grid[6], Row({"after gap"}));
}

// Made from source/sheets.fods: text 00123 stays text, the second sheet is not read.
TEST_P(WorkbookFixtureTest, ReadsTheFirstSheetOfASheetWithTextAndNumbers) {
    bool opened = false;
    const auto grid = ReadGrid(kFixtures / (std::string("sheets.") + GetParam()), 4, &opened);
    ASSERT_TRUE(opened);
    EXPECT_EQ(grid[0], Row({"淘宝账号", "安全"}));
    EXPECT_EQ(grid[1],
              Row({"00123", "1E+20", "1", "0.5"}));  // LibreOffice stores TRUE as 1 in a boolean format
    EXPECT_EQ(grid[2], Row({"", "only b"}));
    EXPECT_EQ(grid[3], Row({"王五", "", "", "", "", "", "", "", "", "", "", "", "实名"}));
}

INSTANTIATE_TEST_SUITE_P(LibreOffice, WorkbookFixtureTest, ::testing::Values("xlsx", "xls"));

class WorkbookWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("workbook_write_test_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes rows of texts as the export does: format, then value, cell by cell.
    static bool Write(const std::filesystem::path& path, const std::vector<std::vector<std::string>>& rows) {
        WorkbookInterface book;
        book.StartSpreadsheet();
        book.NewWorkbook();
        book.ActivateWorkbook();
        book.SelectSheet(1);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                const std::string cell = CellReference::Format(static_cast<std::uint32_t>(r + 1),
                                                               static_cast<std::uint32_t>(c + 1));
                book.SelectRange(cell, cell);
                book.SetTextFormat();
                book.WriteCellText(web::Local(rows[r][c]));
            }
        }
        const bool saved = book.SaveWorkbookAs(path);
        book.CloseWorkbooks();
        book.QuitSpreadsheet();
        book.ReleaseSpreadsheet();
        return saved;
    }

    static std::string Part(const std::filesystem::path& path, const char* name) {
        int error = 0;
        zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
        if (archive == nullptr) return {};
        std::string text;
        if (zip_file_t* file = zip_fopen(archive, name, 0)) {
            char chunk[4096];
            for (zip_int64_t got; (got = zip_fread(file, chunk, sizeof chunk)) > 0;)
                text.append(chunk, static_cast<std::size_t>(got));
            zip_fclose(file);
        }
        zip_discard(archive);
        return text;
    }

    std::filesystem::path dir_;
};

TEST_F(WorkbookWriteTest, WhatIsWrittenReadsBackAsTheSameTexts) {
    const std::vector<std::vector<std::string>> rows = {
        Row({"淘宝账号", "安全", "给中", "给差", "周好", "周中", "周差", "月好", "月中", "月差", "身份",
             "始期", "认证"}),
        Row({"00123", "安全", "0", "1", "2", "3", "4", "5", "6", "7", "买家", "2015-03-21",
             "支付宝个人认证"}),
        Row({"1E+20", "", " ", "", "", "", "", "", "", "", "", "", "a<b>&\"c"}),
        Row({"tab\there", "", "", "", "", "", "", "", "", "", "", "", "line\r\nend"}),
    };
    const auto path = dir_ / "round.xlsx";
    ASSERT_TRUE(Write(path, rows));
    EXPECT_EQ(ReadGrid(path, 4), rows);
}

TEST_F(WorkbookWriteTest, EveryCellIsATextCellInTheTextFormat) {
    const auto path = dir_ / "text.xlsx";
    ASSERT_TRUE(Write(path, {Row({"00123"})}));
    const std::string sheet = Part(path, "xl/worksheets/sheet1.xml");
    const std::string styles = Part(path, "xl/styles.xml");
    EXPECT_NE(sheet.find("t=\"inlineStr\""), std::string::npos) << sheet;  // a string, not the number 123
    EXPECT_NE(sheet.find("<t>00123</t>"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("<c r=\"A1\" s=\"1\""), std::string::npos) << sheet;
    EXPECT_NE(styles.find("<numFmt numFmtId=\"164\" formatCode=\"@\"/>"), std::string::npos) << styles;
    EXPECT_NE(styles.find("<xf numFmtId=\"164\""), std::string::npos)
        << styles;  // style 1 is the text format
}

TEST_F(WorkbookWriteTest, TextsLongerThanACellHoldsAreCutNotRefused) {
    const auto path = dir_ / "long.xlsx";
    std::string account;
    for (int i = 0; i < 50000; ++i) account += "张";  // 100,000 bytes in code page 936
    ASSERT_TRUE(Write(path, {Row({account})}));
    const auto grid = ReadGrid(path, 1);
    EXPECT_EQ(web::Local(grid[0][0]).size(), 2 * SheetCells::kMaxCellCharacters);
}

TEST_F(WorkbookWriteTest, AFailedSaveLeavesTheExistingFileAlone) {
    const auto existing = dir_ / "keep.xlsx";
    { std::ofstream(existing) << "old contents"; }
    // The target is a folder: the rename into place fails after the workbook was written.
    std::filesystem::create_directories(dir_ / "folder.xlsx" / "inside");
    EXPECT_FALSE(Write(dir_ / "folder.xlsx", {Row({"a"})}));
    EXPECT_FALSE(Write(dir_ / "missing" / "book.xlsx", {Row({"a"})}));
    EXPECT_EQ(std::filesystem::directory_iterator(dir_ / "folder.xlsx")->path().filename(), "inside");
    std::ifstream in(existing);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2) << "no temporary file left";
}

TEST_F(WorkbookWriteTest, OpenRefusesWhatIsNoWorkbook) {
    const std::pair<const char*, std::string> files[] = {
        {"empty.xlsx", ""},
        {"text.xlsx", "just some text"},
        {"fake.xls", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\0')},
    };
    for (const auto& [name, bytes] : files) {
        { std::ofstream(dir_ / name, std::ios::binary) << bytes; }
        bool opened = true;
        const auto grid = ReadGrid(dir_ / name, 1, &opened);
        EXPECT_FALSE(opened) << name;
        EXPECT_EQ(grid[0], Row({})) << name;
    }
    bool opened = true;
    ReadGrid(kFixtures / "truncated.xlsx", 1, &opened);
    EXPECT_FALSE(opened) << "truncated.xlsx";
    ReadGrid(dir_ / "absent.xlsx", 1, &opened);
    EXPECT_FALSE(opened) << "absent";
}

TEST_F(WorkbookWriteTest, OperationsOutOfOrderDoNothing) {
    WorkbookInterface book;
    book.SelectRange("a1", "a1");
    book.WriteCellText("x");
    EXPECT_EQ(book.ReadCellText(), "");
    EXPECT_FALSE(book.SaveWorkbookAs(dir_ / "never.xlsx"));  // not started
    EXPECT_FALSE(std::filesystem::exists(dir_ / "never.xlsx"));
    book.StartSpreadsheet();
    book.NewWorkbook();
    EXPECT_FALSE(book.SelectSheet(2));
}

}  // namespace
}  // namespace nomvera::batch
