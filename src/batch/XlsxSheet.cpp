#include "batch/XlsxSheet.h"

#include <charconv>
#include <cstdlib>

#include "batch/GeneralNumberText.h"
#include "batch/OoxmlText.h"
#include "batch/XlsxSharedStrings.h"

namespace nomvera::batch {
namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::optional<std::uint32_t> Unsigned(std::string_view text) {
    text = Trimmed(text);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void AppendCapped(std::string& to, std::string_view text) {
    if (to.size() < XlsxSharedStrings::kMaxRawBytes) {
        to.append(text.substr(0, XlsxSharedStrings::kMaxRawBytes - to.size()));
    }
}

}  // namespace

std::string XlsxSheet::ValueText(std::string_view type, std::string_view value) {
    if (type == "b") {
        const std::string_view flag = Trimmed(value);
        if (flag == "1") return "TRUE";
        if (flag == "0") return "FALSE";
        return std::string(value);
    }
    if (type == "str") return OoxmlText::DecodeEscapes(value);
    if (!type.empty() && type != "n") return std::string(value);  // errors (#DIV/0!), ISO dates
    const std::string_view number = Trimmed(value);
    double parsed = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (number.empty() || error != std::errc() || end != number.data() + number.size())
        return std::string(value);
    return GeneralNumberText::Format(parsed);
}

void XlsxSheet::Start(std::string_view name, const char** attributes) {
    if (name == "row") {
        const char* reference = XmlPartReader::Attribute(attributes, "r");
        const std::optional<std::uint32_t> number = reference ? Unsigned(reference) : std::nullopt;
        row_ = number ? *number : row_ + 1;
        column_ = 0;
    } else if (name == "c") {
        StartCell(attributes);
    } else if (!inCell_) {
        return;
    } else if (name == "v") {
        inValue_ = true;
    } else if (name == "is") {
        inInline_ = true;
    } else if (name == "rPh") {
        ++phoneticDepth_;
    } else if (name == "t" && inInline_ && phoneticDepth_ == 0) {
        inInlineText_ = true;
    }
}

void XlsxSheet::StartCell(const char** attributes) {
    inCell_ = true;
    value_.clear();
    inlineText_.clear();
    const char* type = XmlPartReader::Attribute(attributes, "t");
    type_ = type ? type : "";
    std::uint32_t row = row_;
    std::uint32_t column = column_ + 1;
    if (const char* reference = XmlPartReader::Attribute(attributes, "r")) {
        const std::optional<CellPosition> cell = CellReference::Parse(reference);
        row = cell ? cell->row : 0;  // a reference that names no cell: nowhere
        column = cell ? cell->column : 0;
    }
    column_ = column;
    cellInRange_ = row >= 1 && row <= CellReference::kMaxRow && column >= 1 && column <= SheetCells::kColumns;
    if (row >= 1) row_ = row;
}

void XlsxSheet::End(std::string_view name) {
    if (name == "c") {
        EndCell();
    } else if (name == "v") {
        inValue_ = false;
    } else if (name == "is") {
        inInline_ = false;
    } else if (name == "rPh") {
        if (phoneticDepth_ > 0) --phoneticDepth_;
    } else if (name == "t") {
        inInlineText_ = false;
    }
}

void XlsxSheet::EndCell() {
    if (!inCell_) return;
    inCell_ = inValue_ = inInline_ = inInlineText_ = false;
    phoneticDepth_ = 0;
    if (!cellInRange_) return;
    const CellPosition cell{row_, column_};
    if (type_ == "s") {
        if (const std::optional<std::uint32_t> index = Unsigned(value_)) cells_.SetShared(cell, *index);
    } else if (type_ == "inlineStr") {
        cells_.SetText(cell, OoxmlText::DecodeEscapes(inlineText_));
    } else if (!value_.empty()) {
        cells_.SetText(cell, ValueText(type_, value_));
    }
    if (cells_.CellCount() > limits_.maxCells || cells_.TextBytes() > limits_.maxTextBytes) failed_ = true;
}

void XlsxSheet::Characters(std::string_view text) {
    if (inValue_) {
        AppendCapped(value_, text);
    } else if (inInlineText_) {
        AppendCapped(inlineText_, text);
    }
}

}  // namespace nomvera::batch
