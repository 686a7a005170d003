#pragma once
// A plain in-memory batch list for tests. It records every cell write in order, so a test can
// check the order the row operations promise; writes outside the table are recorded and dropped.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "lookup/AccountList.h"

namespace nomvera::lookup::testing {

class MemoryAccountList : public AccountList {
public:
    struct Write {
        int row;
        int column;
        std::string text;
        bool operator==(const Write&) const = default;
    };

    explicit MemoryAccountList(int rows = 1) : rows_(static_cast<std::size_t>(rows)) {}

    int RowCount() override { return static_cast<int>(rows_.size()); }

    std::string CellText(int row, int column) override {
        return Inside(row, column) ? rows_[Index(row)][Index(column)] : std::string{};
    }

    void SetCellText(int row, int column, const std::string& text) override {
        writes_.push_back({row, column, text});
        if (Inside(row, column)) rows_[Index(row)][Index(column)] = text;
    }

    // Fills every cell of a row without recording it, as a row would look before a lookup.
    void Preset(int row, const std::array<std::string, kColumnCount>& cells) { rows_[Index(row)] = cells; }

    const std::vector<Write>& Writes() const { return writes_; }
    std::vector<int> WrittenColumns() const {
        std::vector<int> columns;
        for (const Write& w : writes_) columns.push_back(w.column);
        return columns;
    }
    void ClearWrites() { writes_.clear(); }

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    bool Inside(int row, int column) const {
        return row >= 0 && Index(row) < rows_.size() && column >= 0 && column < kColumnCount;
    }

    std::vector<std::array<std::string, kColumnCount>> rows_;
    std::vector<Write> writes_;
};

}  // namespace nomvera::lookup::testing
