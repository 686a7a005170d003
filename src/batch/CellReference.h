#pragma once
// Cell references such as "a2" or "AB12": column letters (either case) and a decimal row number.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nomvera::batch {

struct CellPosition {
    std::uint32_t row = 0;     // from 1
    std::uint32_t column = 0;  // from 1 (a = 1)
    bool operator==(const CellPosition&) const = default;
};

class CellReference {
public:
    // The largest row and column a worksheet has (1,048,576 rows, columns a to xfd).
    static constexpr std::uint32_t kMaxRow = 1048576;
    static constexpr std::uint32_t kMaxColumn = 16384;

    // Parses "a2", "AB12"; nullopt for anything else or outside the worksheet.
    static std::optional<CellPosition> Parse(std::string_view text);
    // Only the column letters at the start of `text`, as in a reference with the row left off.
    static std::optional<std::uint32_t> ParseColumn(std::string_view text);
    // "a2" for (row 2, column 1): lower-case letters, decimal row.
    static std::string Format(std::uint32_t row, std::uint32_t column);
};

}  // namespace nomvera::batch
