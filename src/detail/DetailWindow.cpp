#include "detail/DetailWindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

#include "app/AppState.h"
#include "batch/BrowsableLink.h"
#include "batch/LocalText.h"
#include "batch/OuterSize.h"
#include "detail/ControlNames.h"
#include "detail/DetailForm.h"
#include "detail/DetailWindowSurface.h"
#include "detail/GuiThreadDetailSurface.h"
#include "lookup/LookupAnswerParser.h"

namespace nomvera::detail {

namespace {

QString QtName(std::string_view control) {
    return QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
}

}  // namespace

DetailWindow::DetailWindow(app::AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      state_(state),
      openLink_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("DetailWindow"));
    setWindowTitle(QStringLiteral("Nomvera-高级查询"));
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(12);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    batch::OuterSize::Apply(*this, QSize(395, 522), 50, 50);

    BuildDetailForm(*this);
    surface_ = std::make_unique<DetailWindowSurface>(*this);
    workerSurface_ = std::make_shared<GuiThreadDetailSurface>(*surface_, *this);

    auto* account = findChild<QLineEdit*>(QtName(names::kAccount));
    account->installEventFilter(this);
    connect(account, &QLineEdit::returnPressed, this, &DetailWindow::StartQuery);
    connect(findChild<QPushButton*>(QtName(names::kQueryButton)), &QPushButton::clicked, this,
            &DetailWindow::StartQuery);
    findChild<QLabel*>(QtName(names::kGradePicture))->installEventFilter(this);

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

DetailWindow::~DetailWindow() {
    StopQuery();
}

GradePicture DetailWindow::CurrentGradePicture() const {
    return surface_->CurrentGradePicture();
}

DetailSurface& DetailWindow::Surface() {
    return *surface_;
}

void DetailWindow::StartQuery() {
    // One lookup at a time: two would write the same boxes.
    if (running_) return;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    running_ = true;
    const bool started =
        state_.detailWorker.Start([workerSurface = workerSurface_, stop = stop_, addresses = state_.addresses,
                                   ratingLink = &state_.detailRatingLink, clock = clock_, window = this] {
            DetailQuery(*workerSurface, addresses, *ratingLink, *stop, clock).Run();
            // Carried out only while the window is there.
            workerSurface->Post([window] {
                window->running_ = false;
                emit window->queryFinished();
            });
        });
    if (!started) running_ = false;
}

void DetailWindow::StopQuery() {
    if (stop_ != nullptr) stop_->store(true);
    workerSurface_->Detach();
    // The worker ends at its next step or when its transfer aborts; nobody waits for it here.
    state_.detailWorker.Release();
}

void DetailWindow::OpenRatingLink() {
    const std::string link = state_.detailRatingLink.Get();
    if (link.empty()) return;  // no lookup yet, or an answer without a profile
    const QString address = link == lookup::NotFoundLink(state_.addresses.ratingHost)
                                ? batch::ToQt(state_.addresses.makerPageUrl)
                                : batch::ToQt(link);
    // Only web addresses: the link comes from the service's page.
    if (const std::optional<QUrl> url = batch::BrowsableLink(address)) openLink_(*url);
}

void DetailWindow::OnActivated() {
    surface_->SetGradePicture(GradePicture::Initial);
    if (!state_.openedFromBatchList) return;
    state_.openedFromBatchList = false;
    if (batchAccount_) findChild<QLineEdit*>(QtName(names::kAccount))->setText(batchAccount_());
    StartQuery();
}

void DetailWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) OnActivated();
    QWidget::changeEvent(event);
}

void DetailWindow::closeEvent(QCloseEvent* event) {
    emit closed();
    StopQuery();
    event->accept();
}

void DetailWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (auto* status = findChild<QStatusBar*>(QStringLiteral("状态条_提示"))) {
        status->setGeometry(0, height() - 20, width(), 20);
    }
}

bool DetailWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched->objectName() == QtName(names::kAccount) && event->type() == QEvent::MouseButtonDblClick) {
        static_cast<QLineEdit*>(watched)->selectAll();
        return true;
    }
    if (watched->objectName() == QtName(names::kGradePicture) && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OpenRatingLink();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace nomvera::detail
