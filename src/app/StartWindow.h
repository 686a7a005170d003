#pragma once
// The first window: a picture with two hot areas, one opening the batch window and one the detail
// window. It hides while the batch window is open and comes back when that closes; closing it ends
// the program.

#include <QPointer>
#include <QWidget>

#include "batch/BatchWindow.h"
#include "detail/DetailWindow.h"

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
    // The detail window opened from the 高级查询 area, or null.
    detail::DetailWindow* DetailWindow() const { return detailWindow_; }
    void OpenDetailWindow();

signals:
    // The window has been closed; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OpenDetailForBatchRow(int row);

    AppState& state_;
    QPointer<batch::BatchWindow> batchWindow_;
    QPointer<detail::DetailWindow> detailWindow_;
};

}  // namespace nomvera::app
