#include "batch/CellReference.h"

namespace nomvera::batch {
namespace {

// Column letters of `text` from the start; letters = how many were taken.
std::optional<std::uint32_t> LeadingColumn(std::string_view text, std::size_t& letters) {
    std::uint32_t column = 0;
    letters = 0;
    while (letters < text.size()) {
        char c = text[letters];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + static_cast<std::uint32_t>(c - 'A' + 1);
        if (column > CellReference::kMaxColumn) return std::nullopt;
        ++letters;
    }
    if (letters == 0) return std::nullopt;
    return column;
}

}  // namespace

std::optional<std::uint32_t> CellReference::ParseColumn(std::string_view text) {
    std::size_t letters = 0;
    return LeadingColumn(text, letters);
}

std::optional<CellPosition> CellReference::Parse(std::string_view text) {
    std::size_t letters = 0;
    const std::optional<std::uint32_t> column = LeadingColumn(text, letters);
    if (!column) return std::nullopt;
    const std::string_view digits = text.substr(letters);
    if (digits.empty() || digits.front() == '0') return std::nullopt;
    std::uint32_t row = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        row = row * 10 + static_cast<std::uint32_t>(c - '0');
        if (row > kMaxRow) return std::nullopt;
    }
    return CellPosition{row, *column};
}

std::string CellReference::Format(std::uint32_t row, std::uint32_t column) {
    std::string letters;
    for (; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('a' + (column - 1) % 26));
    }
    return letters + std::to_string(row);
}

}  // namespace nomvera::batch
