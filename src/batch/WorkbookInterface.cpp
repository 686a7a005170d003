#include "batch/WorkbookInterface.h"

#include <fstream>

#include "batch/ReplacingFile.h"
#include "batch/XlsReader.h"
#include "batch/XlsxReader.h"
#include "web/CodePage.h"

namespace nomvera::batch {
namespace {

// Most cells are ASCII (counts, links, dates), the same bytes in every code page.
bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

WorkbookInterface::WorkbookInterface(XlsxLimits limits) : limits_(limits) {}

WorkbookInterface::~WorkbookInterface() = default;

void WorkbookInterface::StartSpreadsheet() {
    started_ = true;
}

void WorkbookInterface::NewWorkbook() {
    if (!started_) return;
    writer_.Clear();
    current_ = Current::New;
    sheetCount_ = 1;
    sheet_ = 1;
    range_.reset();
}

void WorkbookInterface::ActivateWorkbook() {}  // the current workbook is the only active one

bool WorkbookInterface::OpenWorkbook(const std::filesystem::path& path) {
    if (!started_) return false;
    char head[8] = {};
    {
        std::ifstream file(path, std::ios::binary);
        if (!file.read(head, sizeof head)) return false;
    }
    const std::string_view first(head, sizeof head);
    auto xlsx = std::make_unique<XlsxReader>(limits_);
    auto xls = std::make_unique<XlsReader>();
    int sheets = 0;
    if (XlsxReader::LooksLikeZip(first) && xlsx->Open(path)) {
        sheets = xlsx->SheetCount();
        xls.reset();
    } else if (XlsReader::LooksLikeCompoundFile(first) && xls->Open(path)) {
        sheets = xls->SheetCount();
        xlsx.reset();
    } else {
        return false;
    }
    xlsx_ = std::move(xlsx);
    xls_ = std::move(xls);
    current_ = Current::Opened;
    sheetCount_ = sheets;
    range_.reset();
    if (!LoadSheet(1)) sheet_ = 0;
    return true;
}

bool WorkbookInterface::LoadSheet(int number) {
    if (xlsx_) return xlsx_->ReadSheet(number, cells_);
    if (xls_) return xls_->ReadSheet(number, cells_);
    return false;
}

bool WorkbookInterface::SelectSheet(int number) {
    if (current_ == Current::None || number < 1 || number > sheetCount_) return false;
    if (current_ == Current::New) return true;  // its only sheet
    if (sheet_ == number) return true;
    sheet_ = LoadSheet(number) ? number : 0;
    return sheet_ != 0;
}

void WorkbookInterface::SelectRange(std::string_view firstCell, std::string_view) {
    range_ = current_ == Current::None ? std::nullopt : CellReference::Parse(firstCell);
}

std::string WorkbookInterface::ReadCellText() {
    if (current_ != Current::Opened || sheet_ == 0 || !range_) return {};
    const std::string_view utf8 = cells_.Text(range_->row, range_->column);
    return IsAscii(utf8) ? std::string(utf8) : web::Utf8ToLocal(utf8);
}

void WorkbookInterface::WriteCellText(std::string_view text) {
    if (current_ != Current::New || !range_) return;
    writer_.SetText(range_->row, range_->column, IsAscii(text) ? std::string(text) : web::LocalToUtf8(text));
}

void WorkbookInterface::SetTextFormat() {
    if (current_ != Current::New || !range_) return;
    writer_.SetTextFormat(range_->row, range_->column);
}

bool WorkbookInterface::SaveWorkbookAs(const std::filesystem::path& path) {
    if (current_ != Current::New) return false;
    ReplacingFile file(path);
    return file.Create() && writer_.SaveAs(file.TemporaryPath()) && file.Commit();
}

void WorkbookInterface::CloseWorkbooks() {
    writer_.Clear();
    xlsx_.reset();
    xls_.reset();
    cells_.Clear();
    current_ = Current::None;
    sheetCount_ = 0;
    sheet_ = 0;
    range_.reset();
}

void WorkbookInterface::QuitSpreadsheet() {
    CloseWorkbooks();
    started_ = false;
}

void WorkbookInterface::ReleaseSpreadsheet() {
    QuitSpreadsheet();
}

}  // namespace nomvera::batch
