#pragma once
// How much a workbook file may make the reader hold or unpack. A full worksheet (a million rows of
// 13 columns) fits; a zip bomb or a sheet of endless repeats does not.

#include <cstdint>

namespace nomvera::batch {

struct XlsxLimits {
    std::uint64_t maxUnpackedBytes = 2ull << 30;  // all XML parts read, together
    std::uint64_t maxTextBytes = 512ull << 20;    // shared strings and cell texts kept
    std::uint64_t maxCells = 13ull * 1048576;     // cells kept in columns a to m
};

}  // namespace nomvera::batch
