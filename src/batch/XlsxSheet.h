#pragma once
// Reads a worksheet part into SheetCells. Rows and cells may come in any order or leave gaps; a
// cell or row without a reference follows the one before it. Values become the texts a
// spreadsheet shows: strings as written, numbers in the General format, TRUE and FALSE.

#include <cstdint>
#include <string>

#include "batch/SheetCells.h"
#include "batch/XlsxLimits.h"
#include "batch/XmlPartReader.h"

namespace nomvera::batch {

class XlsxSheet final : public XmlPartHandler {
public:
    XlsxSheet(SheetCells& cells, const XlsxLimits& limits) : cells_(cells), limits_(limits) {}

    void Start(std::string_view name, const char** attributes) override;
    void End(std::string_view name) override;
    void Characters(std::string_view text) override;
    bool Failed() const override { return failed_; }

    // The text shown for a cell of type `type` (the t attribute) whose value element held `value`.
    static std::string ValueText(std::string_view type, std::string_view value);

private:
    void StartCell(const char** attributes);
    void EndCell();

    SheetCells& cells_;
    const XlsxLimits& limits_;
    std::uint32_t row_ = 0;     // current row; 0 before the first
    std::uint32_t column_ = 0;  // column of the last cell in the row
    bool inCell_ = false;
    bool cellInRange_ = false;
    std::string type_;
    std::string value_;       // the v element's text
    std::string inlineText_;  // the is element's text runs
    bool inValue_ = false;
    bool inInline_ = false;
    bool inInlineText_ = false;
    int phoneticDepth_ = 0;
    bool failed_ = false;
};

}  // namespace nomvera::batch
