#include "batch/WorkbookWriter.h"

#include <xlsxwriter.h>

#include <algorithm>

#include "batch/SheetCells.h"

namespace nomvera::batch {

void WorkbookWriter::Clear() {
    entries_.clear();
    text_.clear();
}

void WorkbookWriter::SetText(std::uint32_t row, std::uint32_t column, std::string_view utf8) {
    // A cell holds at most 32,767 characters; libxlsxwriter refuses longer strings.
    const std::string_view kept = SheetCells::CutToCharacters(utf8, SheetCells::kMaxCellCharacters);
    Entry& entry = EntryFor(row, column);
    entry.hasText = true;
    entry.start = text_.size();
    entry.length = kept.size();
    text_.append(kept);
}

void WorkbookWriter::SetTextFormat(std::uint32_t row, std::uint32_t column) {
    EntryFor(row, column).textFormat = true;
}

WorkbookWriter::Entry& WorkbookWriter::EntryFor(std::uint32_t row, std::uint32_t column) {
    // Callers set a cell's format and then its value: both land in one entry.
    if (!entries_.empty() && entries_.back().row == row && entries_.back().column == column)
        return entries_.back();
    return entries_.emplace_back(Entry{row, column, false, false, 0, 0});
}

bool WorkbookWriter::SaveAs(const std::filesystem::path& path) {
    const auto before = [](const Entry& a, const Entry& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    // Written in order by the export, so the sort is normally one check.
    if (!std::is_sorted(entries_.begin(), entries_.end(), before)) {
        std::stable_sort(entries_.begin(), entries_.end(), before);
    }

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
    if (workbook == nullptr) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format* textFormat = workbook_add_format(workbook);
    bool written = sheet != nullptr && textFormat != nullptr;
    if (written) format_set_num_format(textFormat, "@");

    std::string value;
    for (std::size_t i = 0; written && i < entries_.size();) {
        const Entry& first = entries_[i];
        bool format = false;
        bool hasText = false;
        for (; i < entries_.size() && entries_[i].row == first.row && entries_[i].column == first.column;
             ++i) {
            const Entry& entry = entries_[i];
            format = format || entry.textFormat;
            if (entry.hasText) {
                hasText = true;
                value.assign(text_, entry.start, entry.length);
            }
        }
        const auto row = static_cast<lxw_row_t>(first.row - 1);
        const auto column = static_cast<lxw_col_t>(first.column - 1);
        lxw_format* cellFormat = format ? textFormat : nullptr;
        lxw_error error = LXW_NO_ERROR;
        if (hasText && !value.empty()) {
            error = worksheet_write_string(sheet, row, column, value.c_str(), cellFormat);
        } else if (cellFormat != nullptr) {
            error = worksheet_write_blank(sheet, row, column, cellFormat);
        }
        written = error == LXW_NO_ERROR;
    }
    // workbook_close frees the workbook whatever it returns.
    const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
    return written && closed;
}

}  // namespace nomvera::batch
