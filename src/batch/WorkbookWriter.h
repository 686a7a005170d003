#pragma once
// Collects the cells of a new one-sheet workbook and saves it as .xlsx with libxlsxwriter. Cells
// may be set in any order; they are written out row by row at the end, so the library can stream
// them (its constant-memory mode) instead of holding every cell as an object.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace nomvera::batch {

class WorkbookWriter {
public:
    // `utf8` becomes the cell's value, a string. Later writes win.
    void SetText(std::uint32_t row, std::uint32_t column, std::string_view utf8);
    // The cell's number format becomes "@" (text).
    void SetTextFormat(std::uint32_t row, std::uint32_t column);
    void Clear();

    // Writes the workbook to `path` (replacing whatever is there); false when it cannot.
    bool SaveAs(const std::filesystem::path& path);

private:
    // One per cell as the callers address them; a cell set again later gets a second entry, and
    // the later one wins.
    struct Entry {
        std::uint32_t row;
        std::uint32_t column;
        bool textFormat;
        bool hasText;
        std::size_t start;
        std::size_t length;
    };

    Entry& EntryFor(std::uint32_t row, std::uint32_t column);

    std::vector<Entry> entries_;
    std::string text_;
};

}  // namespace nomvera::batch
