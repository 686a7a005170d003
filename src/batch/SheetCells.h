#pragma once
// The cells of one worksheet as a reader found them, kept compactly: only columns a to m (the
// ones an import reads), texts in one pool, shared strings referred to rather than copied. Texts
// are UTF-8 as they come from the file; a cell holds at most kMaxCellCharacters characters, the
// most a worksheet cell can hold.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/CellReference.h"

namespace nomvera::batch {

class SheetCells {
public:
    static constexpr std::uint32_t kColumns = 13;
    static constexpr std::size_t kMaxCellCharacters = 32767;

    void Clear();

    // The shared-strings table of the workbook, entry by entry, in file order.
    void AddSharedString(std::string_view utf8);
    std::size_t SharedStringCount() const { return sharedStarts_.size(); }

    // Later writes to the same cell win. Cells right of column m are not kept.
    void SetText(CellPosition cell, std::string_view utf8);
    // A cell holding shared string `index`; an index beyond the table reads as "".
    void SetShared(CellPosition cell, std::uint32_t index);

    // Puts the cells in order; reads before this see nothing.
    void Seal();
    // The cell's text, "" for an empty or missing cell.
    std::string_view Text(std::uint32_t row, std::uint32_t column) const;
    std::size_t CellCount() const { return cells_.size(); }
    // Bytes held for texts and the table, what a reader's limits are checked against.
    std::size_t TextBytes() const { return sharedText_.size() + ownText_.size() + 4 * sharedStarts_.size(); }

    // At most `characters` UTF-8 characters of `utf8` (never cutting one in half).
    static std::string_view CutToCharacters(std::string_view utf8, std::size_t characters);

private:
    // 20 bytes: a full sheet of 13 columns and a million rows stays within a few hundred MB.
    struct Cell {
        std::uint32_t row;
        std::uint32_t sequence;  // order of arrival, so the last write wins
        std::uint32_t start;     // shared: the entry's index; own: the offset in ownText_
        std::uint32_t length;
        std::uint8_t column;
        bool shared;
    };

    std::string sharedText_;
    std::vector<std::uint32_t> sharedStarts_;
    std::string ownText_;
    std::vector<Cell> cells_;
    bool sealed_ = false;
};

}  // namespace nomvera::batch
