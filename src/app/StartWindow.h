#pragma once
// The first window: a picture with two hot areas, one opening the batch window and one the detail
// window. It hides while the batch window is open and comes back when that closes; closing it ends
// the program.

#include <QPointer>
#include <QWidget>

#include "batch/BatchWindow.h"

namespace nomvera::app {

class AppState;

class StartWindow final : public QWidget {
    Q_OBJECT

public:
    explicit StartWindow(AppState& state, QWidget* parent = nullptr);
    ~StartWindow() override;

    // The open batch window, or null.
    batch::BatchWindow* BatchWindow() const { return batchWindow_; }

    void OpenBatchWindow();

signals:
    // The window has been closed; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppState& state_;
    QPointer<batch::BatchWindow> batchWindow_;
};

}  // namespace nomvera::app
