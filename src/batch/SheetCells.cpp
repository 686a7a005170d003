#include "batch/SheetCells.h"

#include <algorithm>

namespace nomvera::batch {

void SheetCells::Clear() {
    sharedText_.clear();
    sharedStarts_.clear();
    ownText_.clear();
    cells_.clear();
    sealed_ = false;
}

std::string_view SheetCells::CutToCharacters(std::string_view utf8, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80;
        if (!continuation && ++seen > characters) return utf8.substr(0, i);
    }
    return utf8;
}

void SheetCells::AddSharedString(std::string_view utf8) {
    sharedStarts_.push_back(static_cast<std::uint32_t>(sharedText_.size()));
    sharedText_.append(CutToCharacters(utf8, kMaxCellCharacters));
}

void SheetCells::SetText(CellPosition cell, std::string_view utf8) {
    if (cell.column < 1 || cell.column > kColumns || cell.row < 1) return;
    const std::string_view kept = CutToCharacters(utf8, kMaxCellCharacters);
    cells_.push_back({cell.row, static_cast<std::uint32_t>(cells_.size()),
                      static_cast<std::uint32_t>(ownText_.size()), static_cast<std::uint32_t>(kept.size()),
                      static_cast<std::uint8_t>(cell.column), false});
    ownText_.append(kept);
    sealed_ = false;
}

void SheetCells::SetShared(CellPosition cell, std::uint32_t index) {
    if (cell.column < 1 || cell.column > kColumns || cell.row < 1) return;
    cells_.push_back({cell.row, static_cast<std::uint32_t>(cells_.size()), index, 0,
                      static_cast<std::uint8_t>(cell.column), true});
    sealed_ = false;
}

void SheetCells::Seal() {
    // Readers mostly deliver cells in order already; sorting then costs one pass.
    const auto before = [](const Cell& a, const Cell& b) {
        if (a.row != b.row) return a.row < b.row;
        if (a.column != b.column) return a.column < b.column;
        return a.sequence > b.sequence;  // the latest write first, so unique keeps it
    };
    if (!std::is_sorted(cells_.begin(), cells_.end(), before))
        std::sort(cells_.begin(), cells_.end(), before);
    const auto same = [](const Cell& a, const Cell& b) { return a.row == b.row && a.column == b.column; };
    cells_.erase(std::unique(cells_.begin(), cells_.end(), same), cells_.end());
    sealed_ = true;
}

std::string_view SheetCells::Text(std::uint32_t row, std::uint32_t column) const {
    if (!sealed_) return {};
    const auto at =
        std::lower_bound(cells_.begin(), cells_.end(), std::pair{row, column},
                         [](const Cell& cell, const std::pair<std::uint32_t, std::uint32_t>& key) {
                             return cell.row != key.first ? cell.row < key.first : cell.column < key.second;
                         });
    if (at == cells_.end() || at->row != row || at->column != column) return {};
    if (!at->shared) return std::string_view(ownText_).substr(at->start, at->length);
    if (at->start >= sharedStarts_.size()) return {};
    const std::size_t end =
        at->start + 1 < sharedStarts_.size() ? sharedStarts_[at->start + 1] : sharedText_.size();
    const std::size_t begin = sharedStarts_[at->start];
    return std::string_view(sharedText_).substr(begin, end - begin);
}

}  // namespace nomvera::batch
