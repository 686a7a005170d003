#include "app/StartWindow.h"

#include <QCloseEvent>
#include <QPalette>
#include <QShortcut>

#include "app/AppState.h"
#include "app/HotArea.h"
#include "batch/BatchWindow.h"
#include "batch/OuterSize.h"

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

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

StartWindow::~StartWindow() {
    delete batchWindow_.data();
}

void StartWindow::OpenBatchWindow() {
    if (batchWindow_ == nullptr) {
        // No parent: a child window would be hidden together with this one.
        batchWindow_ = new batch::BatchWindow(state_);
        batchWindow_->setAttribute(Qt::WA_DeleteOnClose);
        connect(batchWindow_, &batch::BatchWindow::closed, this, &QWidget::show);
    }
    batchWindow_->show();
    batchWindow_->activateWindow();
    hide();
}

void StartWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace nomvera::app
