#pragma once
// What import and export work on in the batch window: the list, part 0 of the status bar, the
// wait box and the progress bar that share one place, and the maker's page address.

#include <QLineEdit>
#include <QProgressBar>
#include <QString>
#include <string>

#include "batch/AccountListModel.h"
#include "batch/PartedStatusBar.h"

namespace nomvera::batch {

struct TransferControls {
    AccountListModel& model;
    PartedStatusBar& statusBar;
    QLineEdit& waitBox;
    QProgressBar& progress;
    std::string makerPageUrl;  // code page 936

    void SetStatus(const QString& text) const { statusBar.SetPartText(0, text); }
    // The wait text in the box, the progress bar hidden.
    void ShowWait(const QString& statusText, const QString& boxText) const {
        SetStatus(statusText);
        progress.hide();
        waitBox.setText(boxText);
        waitBox.show();
    }
};

}  // namespace nomvera::batch
