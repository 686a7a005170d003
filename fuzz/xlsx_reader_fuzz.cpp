// Any bytes as an .xlsx package: the reader must refuse or read them within its limits.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "batch/XlsxReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nomvera::batch;
    XlsxLimits limits;
    limits.maxUnpackedBytes = 16u << 20;
    limits.maxTextBytes = 4u << 20;
    limits.maxCells = 100000;
    XlsxReader reader(limits);
    if (!reader.OpenBytes(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
    SheetCells cells;
    for (int sheet = 1; sheet <= reader.SheetCount() && sheet <= 3; ++sheet) {
        if (!reader.ReadSheet(sheet, cells)) continue;
        std::size_t total = 0;
        for (std::uint32_t row = 1; row <= 20; ++row) {
            for (std::uint32_t column = 1; column <= SheetCells::kColumns; ++column)
                total += cells.Text(row, column).size();
        }
        if (total > limits.maxTextBytes) __builtin_trap();
    }
    return 0;
}
