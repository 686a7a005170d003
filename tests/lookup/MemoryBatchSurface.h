#pragma once
// A thread-safe in-memory batch surface for tests: a table of rows plus the status text, the
// progress bar and the import/export box, with every call recorded in one ordered event log.

#include <array>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "lookup/BatchSurface.h"

namespace nomvera::lookup::testing {

class MemoryBatchSurface : public BatchSurface {
public:
    explicit MemoryBatchSurface(const std::vector<std::string>& accounts = {}) {
        for (const std::string& account : accounts) {
            std::array<std::string, kColumnCount> row;
            row[kColumnAccount] = account;
            rows_.push_back(row);
        }
    }

    int RowCount() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(rows_.size());
    }
    std::string CellText(int row, int column) override {
        std::lock_guard<std::mutex> lock(mutex_);
        return Inside(row, column) ? rows_[Index(row)][Index(column)] : std::string();
    }
    void SetCellText(int row, int column, const std::string& text) override {
        std::lock_guard<std::mutex> lock(mutex_);
        Record("cell " + std::to_string(row) + " " + std::to_string(column) + " " + text);
        if (Inside(row, column)) rows_[Index(row)][Index(column)] = text;
    }
    void SetStatusText(const std::string& text) override {
        std::lock_guard<std::mutex> lock(mutex_);
        Record("status " + text);
        status_.push_back(text);
    }
    void SetImportExportBoxVisible(bool visible) override {
        std::lock_guard<std::mutex> lock(mutex_);
        Record(std::string("box ") + (visible ? "shown" : "hidden"));
        boxVisible_ = visible;
    }
    void SetProgressVisible(bool visible) override {
        std::lock_guard<std::mutex> lock(mutex_);
        Record(std::string("progress ") + (visible ? "shown" : "hidden"));
        progressVisible_ = visible;
    }
    void SetProgressMaximum(int maximum) override {
        std::lock_guard<std::mutex> lock(mutex_);
        Record("maximum " + std::to_string(maximum));
        progressMaximum_ = maximum;
    }
    void SetProgressPosition(int position) override {
        std::lock_guard<std::mutex> lock(mutex_);
        Record("position " + std::to_string(position));
        positions_.push_back(position);
    }

    std::vector<std::string> Row(int row) {
        std::lock_guard<std::mutex> lock(mutex_);
        return {rows_[Index(row)].begin(), rows_[Index(row)].end()};
    }
    std::vector<std::string> StatusTexts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return status_;
    }
    std::vector<int> Positions() {
        std::lock_guard<std::mutex> lock(mutex_);
        return positions_;
    }
    std::vector<std::string> Events() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }
    std::size_t EventCount() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_.size();
    }
    bool ProgressVisible() {
        std::lock_guard<std::mutex> lock(mutex_);
        return progressVisible_;
    }
    bool BoxVisible() {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxVisible_;
    }
    int ProgressMaximum() {
        std::lock_guard<std::mutex> lock(mutex_);
        return progressMaximum_;
    }

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    bool Inside(int row, int column) const {
        return row >= 0 && Index(row) < rows_.size() && column >= 0 && column < kColumnCount;
    }
    void Record(std::string event) { events_.push_back(std::move(event)); }

    std::mutex mutex_;
    std::vector<std::array<std::string, kColumnCount>> rows_;
    std::vector<std::string> events_;
    std::vector<std::string> status_;
    std::vector<int> positions_;
    bool boxVisible_ = true;
    bool progressVisible_ = false;
    int progressMaximum_ = 0;
};

}  // namespace nomvera::lookup::testing
