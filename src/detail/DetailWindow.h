#pragma once
// The window that looks up one account in full detail. The lookup runs on one worker thread and
// reaches the controls only through a GUI-thread proxy; closing the window stops the worker
// without waiting for it. While a lookup runs, a second one is refused.

#include <QUrl>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

#include "detail/DetailQuery.h"
#include "detail/GradePicture.h"

namespace nomvera::app {
class AppState;
}

namespace nomvera::detail {

class DetailSurface;
class DetailWindowSurface;
class GuiThreadDetailSurface;

class DetailWindow final : public QWidget {
    Q_OBJECT

public:
    // Hands an address to the system; replaceable so tests can watch what would be opened.
    using LinkOpener = std::function<void(const QUrl&)>;
    // The account of the batch list's selected row, for a window opened from that list.
    using AccountSource = std::function<QString()>;

    explicit DetailWindow(app::AppState& state, QWidget* parent = nullptr);
    ~DetailWindow() override;

    void SetLinkOpener(LinkOpener opener) { openLink_ = std::move(opener); }
    void SetBatchAccountSource(AccountSource source) { batchAccount_ = std::move(source); }
    void SetClock(DetailQuery::Clock clock) { clock_ = std::move(clock); }

    // Starts a lookup of the account box's text, unless one is still running.
    void StartQuery();
    bool QueryRunning() const { return running_; }
    void OpenRatingLink();

    GradePicture CurrentGradePicture() const;
    // The controls as the lookup sees them; GUI thread only.
    DetailSurface& Surface();

signals:
    // The window has been asked to close and has stopped its lookup.
    void closed();
    // A lookup's last write has reached the window.
    void queryFinished();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnActivated();
    void StopQuery();

    app::AppState& state_;
    std::unique_ptr<DetailWindowSurface> surface_;
    std::shared_ptr<GuiThreadDetailSurface> workerSurface_;
    std::shared_ptr<std::atomic<bool>> stop_;
    LinkOpener openLink_;
    AccountSource batchAccount_;
    DetailQuery::Clock clock_ = &lookup::LocalNow;
    bool running_ = false;
};

}  // namespace nomvera::detail
