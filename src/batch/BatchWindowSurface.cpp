#include "batch/BatchWindowSurface.h"

#include <QLineEdit>
#include <QProgressBar>

#include "batch/AccountListModel.h"
#include "batch/LocalText.h"
#include "batch/PartedStatusBar.h"

namespace nomvera::batch {

BatchWindowSurface::BatchWindowSurface(AccountListModel& list, PartedStatusBar& statusBar,
                                       QProgressBar& progress, QLineEdit& importExportBox)
    : list_(list), statusBar_(statusBar), progress_(progress), importExportBox_(importExportBox) {}

int BatchWindowSurface::RowCount() {
    return list_.RowCount();
}

std::string BatchWindowSurface::CellText(int row, int column) {
    return list_.CellText(row, column);
}

void BatchWindowSurface::SetCellText(int row, int column, const std::string& text) {
    list_.SetCellText(row, column, text);
}

void BatchWindowSurface::SetStatusText(const std::string& text) {
    statusBar_.SetPartText(0, ToQt(text));
}

void BatchWindowSurface::SetImportExportBoxVisible(bool visible) {
    importExportBox_.setVisible(visible);
}

void BatchWindowSurface::SetProgressVisible(bool visible) {
    progress_.setVisible(visible);
}

void BatchWindowSurface::SetProgressMaximum(int maximum) {
    progress_.setMaximum(maximum);
}

void BatchWindowSurface::SetProgressPosition(int position) {
    progress_.setValue(position);
}

}  // namespace nomvera::batch
