#pragma once
// Reads legacy .xls workbooks (BIFF, Excel 97-2003) with FreeXL: texts as written, numbers in the
// General format, dates as FreeXL gives them (2015-03-21, 2015-03-21 09:05:07).

#include <cstdint>
#include <filesystem>

#include "batch/SheetCells.h"

namespace nomvera::batch {

class XlsReader {
public:
    // FreeXL holds the whole file in memory; larger files are refused.
    explicit XlsReader(std::uint64_t maxFileBytes = 256ull << 20) : maxFileBytes_(maxFileBytes) {}
    ~XlsReader();
    XlsReader(const XlsReader&) = delete;
    XlsReader& operator=(const XlsReader&) = delete;

    bool Open(const std::filesystem::path& path);
    int SheetCount() const { return sheetCount_; }
    // Reads sheet `number` (from 1) into `cells`; false, with `cells` empty, when it cannot.
    bool ReadSheet(int number, SheetCells& cells);

    // True when the bytes begin like an OLE compound file, the container of .xls workbooks.
    static bool LooksLikeCompoundFile(std::string_view firstBytes);

private:
    void Close();

    std::uint64_t maxFileBytes_;
    const void* handle_ = nullptr;
    int sheetCount_ = 0;
};

}  // namespace nomvera::batch
