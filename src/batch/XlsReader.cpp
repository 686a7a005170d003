#include "batch/XlsReader.h"

#include <freexl.h>

#include <system_error>

#include "batch/GeneralNumberText.h"

namespace nomvera::batch {

XlsReader::~XlsReader() {
    Close();
}

void XlsReader::Close() {
    if (handle_ != nullptr) freexl_close(handle_);
    handle_ = nullptr;
    sheetCount_ = 0;
}

bool XlsReader::LooksLikeCompoundFile(std::string_view firstBytes) {
    return firstBytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

bool XlsReader::Open(const std::filesystem::path& path) {
    Close();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > maxFileBytes_) return false;
    if (freexl_open(path.c_str(), &handle_) != FREEXL_OK) {
        // FreeXL may hand back a half-made handle on failure; it is freed like a good one.
        Close();
        return false;
    }
    unsigned int info = 0;
    if (freexl_get_info(handle_, FREEXL_BIFF_PASSWORD, &info) != FREEXL_OK || info != FREEXL_BIFF_PLAIN ||
        freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &info) != FREEXL_OK || info == 0) {
        Close();
        return false;
    }
    sheetCount_ = static_cast<int>(info);
    return true;
}

bool XlsReader::ReadSheet(int number, SheetCells& cells) {
    cells.Clear();
    if (handle_ == nullptr || number < 1 || number > sheetCount_) return false;
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle_, static_cast<unsigned short>(number - 1)) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle_, &rows, &columns) != FREEXL_OK) {
        return false;
    }
    const unsigned short kept = columns < SheetCells::kColumns ? columns : SheetCells::kColumns;
    for (unsigned int row = 0; row < rows && row < CellReference::kMaxRow; ++row) {
        for (unsigned short column = 0; column < kept; ++column) {
            FreeXL_CellValue value{};
            if (freexl_get_cell_value(handle_, row, column, &value) != FREEXL_OK) continue;
            const CellPosition cell{row + 1, column + 1u};
            switch (value.type) {
                case FREEXL_CELL_INT:
                    cells.SetText(cell, std::to_string(value.value.int_value));
                    break;
                case FREEXL_CELL_DOUBLE:
                    cells.SetText(cell, GeneralNumberText::Format(value.value.double_value));
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    if (value.value.text_value != nullptr) cells.SetText(cell, value.value.text_value);
                    break;
                default:  // empty
                    break;
            }
        }
    }
    cells.Seal();
    return true;
}

}  // namespace nomvera::batch
