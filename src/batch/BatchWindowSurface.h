#pragma once
// The batch window as a lookup run sees it: list cells through the model, part 0 of the status bar,
// the progress bar and the import/export box. GUI thread only; a worker reaches it through the
// GUI-thread proxy.

#include "lookup/BatchSurface.h"

class QLineEdit;
class QProgressBar;

namespace nomvera::batch {

class AccountListModel;
class PartedStatusBar;

class BatchWindowSurface final : public lookup::BatchSurface {
public:
    BatchWindowSurface(AccountListModel& list, PartedStatusBar& statusBar, QProgressBar& progress,
                       QLineEdit& importExportBox);

    int RowCount() override;
    std::string CellText(int row, int column) override;
    void SetCellText(int row, int column, const std::string& text) override;

    void SetStatusText(const std::string& text) override;
    void SetImportExportBoxVisible(bool visible) override;
    void SetProgressVisible(bool visible) override;
    void SetProgressMaximum(int maximum) override;
    void SetProgressPosition(int position) override;

private:
    AccountListModel& list_;
    PartedStatusBar& statusBar_;
    QProgressBar& progress_;
    QLineEdit& importExportBox_;
};

}  // namespace nomvera::batch
