#pragma once
// Export: writes the batch list to a text file or a workbook. Files are written under a temporary
// name and renamed into place, so a failed export reports failure and leaves any existing file as
// it was. Runs to the end on the GUI thread; the list is only read.

#include <QString>

#include "batch/ExportTime.h"
#include "batch/TransferControls.h"

namespace nomvera::batch {

class AccountExporter {
public:
    explicit AccountExporter(TransferControls& controls) : controls_(controls), clock_(&ExportTime::Now) {}

    void ExportTextFile(const QString& path);
    // Lets pending window events run once per list row.
    void ExportWorkbook(const QString& path);

    void SetClock(LocalClock clock) { clock_ = std::move(clock); }

private:
    void Finish(bool written) const;

    TransferControls& controls_;
    LocalClock clock_;
};

}  // namespace nomvera::batch
