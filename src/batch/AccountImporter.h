#pragma once
// Import: replaces the batch list with the accounts of a text file or the rows of a workbook.
// The file is read completely before the list is touched, so a file that cannot be read leaves
// the list as it was. Runs to the end on the GUI thread.

#include <QString>
#include <cstdint>

#include "batch/TransferControls.h"

namespace nomvera::batch {

class AccountImporter {
public:
    // The most rows an import makes: what a worksheet holds below its header row.
    static constexpr std::size_t kMaxRows = 1048575;
    // Text files beyond this are refused as unreadable rather than loaded into memory.
    static constexpr std::uint64_t kMaxTextFileBytes = 128ull << 20;

    explicit AccountImporter(TransferControls& controls) : controls_(controls) {}

    void ImportTextFile(const QString& path);
    // Lets pending window events run once per worksheet row.
    void ImportWorkbook(const QString& path);

    void SetTextFileLimit(std::uint64_t bytes) { maxTextFileBytes_ = bytes; }

    // True when the text is empty once every ASCII and full-width space is taken out.
    static bool IsBlank(std::string_view local);

private:
    void ShowWait() const;
    void Finish() const;
    void Fail() const;

    TransferControls& controls_;
    std::uint64_t maxTextFileBytes_ = kMaxTextFileBytes;
};

}  // namespace nomvera::batch
