#pragma once
// Reads .xlsx workbooks (Office Open XML) directly: libzip for the package, expat streaming each
// part, so memory follows what is kept (columns a to m), never the size of the XML.

#include <filesystem>
#include <memory>
#include <string>

#include "batch/SheetCells.h"
#include "batch/XlsxLimits.h"
#include "batch/XlsxPackage.h"

struct zip;

namespace nomvera::batch {

class XlsxReader {
public:
    explicit XlsxReader(XlsxLimits limits = {});
    ~XlsxReader();
    XlsxReader(const XlsxReader&) = delete;
    XlsxReader& operator=(const XlsxReader&) = delete;

    // Opens the package and learns its sheets; false when it is no readable workbook.
    bool Open(const std::filesystem::path& path);
    // The same from bytes in memory (tests, fuzzing); the bytes are copied.
    bool OpenBytes(std::string_view bytes);
    int SheetCount() const { return static_cast<int>(package_.SheetParts().size()); }
    // Reads sheet `number` (from 1, in workbook order) into `cells`; false, with `cells` empty,
    // when the sheet cannot be read whole or passes a limit.
    bool ReadSheet(int number, SheetCells& cells);

    // True when the bytes begin like a zip package.
    static bool LooksLikeZip(std::string_view firstBytes);

private:
    bool OpenArchive(zip* archive);
    void Close();

    XlsxLimits limits_;
    zip* archive_ = nullptr;
    std::string bytes_;  // the package for OpenBytes; libzip reads from it
    XlsxPackage package_;
};

}  // namespace nomvera::batch
