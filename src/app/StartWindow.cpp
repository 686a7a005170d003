#include "app/StartWindow.h"

#include <QCloseEvent>
#include <QPalette>
#include <QShortcut>

#include "app/AppState.h"
#include "app/HotArea.h"
#include "batch/BatchWindow.h"
#include "batch/AccountListModel.h"
#include "batch/LocalText.h"
#include "batch/OuterSize.h"
#include "batch/PartedStatusBar.h"

namespace nomvera::app {

StartWindow::StartWindow(AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      state_(state) {
    setObjectName(QStringLiteral("StartWindow"));
    setWindowTitle(QStringLiteral("Nomvera"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    batch::OuterSize::Apply(*this, QSize(336, 315), 50, 50);

    auto* picture = new QWidget(this);
    picture->setObjectName(QStringLiteral("图片框_Nomvera"));
    picture->setGeometry(0, 1, 330, 286);

    auto* detailArea = new HotArea(QStringLiteral("高级查询"), picture);
    detailArea->setObjectName(QStringLiteral("透明标签_高级查询"));
    detailArea->setGeometry(37, 129, 65, 65);

    auto* batchArea = new HotArea(QStringLiteral("批量查询"), picture);
    batchArea->setObjectName(QStringLiteral("透明标签_批量查询"));
    batchArea->setGeometry(227, 129, 65, 65);
    connect(batchArea, &HotArea::released, this, &StartWindow::OpenBatchWindow);
    connect(detailArea, &HotArea::released, this, &StartWindow::OpenDetailWindow);

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

StartWindow::~StartWindow() {
    delete detailWindow_.data();
    delete batchWindow_.data();
}

void StartWindow::OpenBatchWindow() {
    if (batchWindow_ == nullptr) {
        // No parent: a child window would be hidden together with this one.
        batchWindow_ = new batch::BatchWindow(state_);
        batchWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(batchWindow_, &batch::BatchWindow::closed, this, &QWidget::show);
        connect(batchWindow_, &batch::BatchWindow::advancedQueryRequested, this,
                &StartWindow::OpenDetailForBatchRow);
    }
    batchWindow_->show();
    batchWindow_->activateWindow();
    hide();
}

void StartWindow::OpenDetailWindow() {
    if (detailWindow_ == nullptr) {
        detailWindow_ = new detail::DetailWindow(state_);
        detailWindow_->setAttribute(Qt::WA_DeleteOnClose);
        // Shown again only when no batch window is open; that one brings it back itself.
        connect(detailWindow_, &detail::DetailWindow::closed, this, [this] {
            if (batchWindow_ == nullptr) show();
        });
    }
    detailWindow_->show();
    detailWindow_->activateWindow();
    hide();
}

void StartWindow::OpenDetailForBatchRow(int row) {
    if (batchWindow_ == nullptr) return;
    // Modal over the batch window, opened with show() so no nested event loop runs.
    auto* window = new detail::DetailWindow(state_, batchWindow_);
    window->setWindowFlag(Qt::Window);
    window->setWindowModality(Qt::WindowModal);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<batch::BatchWindow> batch = batchWindow_;
    window->SetBatchAccountSource([batch, row] {
        return batch ? batch::ToQt(batch->Model().CellText(row, 1)) : QString();
    });
    connect(window, &detail::DetailWindow::closed, this, [batch] {
        if (batch) batch->StatusBar().SetPartText(0, QStringLiteral(" 高级查询结束！"));
    });
    window->show();
    window->activateWindow();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace nomvera::app
