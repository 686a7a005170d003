#pragma once
// Reads the shared-strings part into a SheetCells table: each entry's text runs concatenated,
// phonetic guides (rPh) left out, as a spreadsheet shows the cell.

#include <string>

#include "batch/SheetCells.h"
#include "batch/XlsxLimits.h"
#include "batch/XmlPartReader.h"

namespace nomvera::batch {

class XlsxSharedStrings final : public XmlPartHandler {
public:
    XlsxSharedStrings(SheetCells& cells, const XlsxLimits& limits) : cells_(cells), limits_(limits) {}

    void Start(std::string_view name, const char** attributes) override;
    void End(std::string_view name) override;
    void Characters(std::string_view text) override;
    bool Failed() const override { return failed_; }

    // The longest raw text kept of one entry: enough for the most a cell holds, escapes included.
    static constexpr std::size_t kMaxRawBytes = 7 * SheetCells::kMaxCellCharacters + 7;

private:
    SheetCells& cells_;
    const XlsxLimits& limits_;
    std::string text_;
    bool inItem_ = false;
    bool inText_ = false;
    int phoneticDepth_ = 0;
    bool failed_ = false;
};

}  // namespace nomvera::batch
