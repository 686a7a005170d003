#include "batch/BatchWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>

#include "app/AppState.h"
#include "batch/AccountDialog.h"
#include "batch/AccountFiles.h"
#include "batch/AccountListModel.h"
#include "batch/AccountListView.h"
#include "batch/BatchWindowSurface.h"
#include "batch/BrowsableLink.h"
#include "batch/ColumnSort.h"
#include "batch/FileDropTarget.h"
#include "batch/GuiThreadSurface.h"
#include "batch/LocalText.h"
#include "batch/OuterSize.h"
#include "batch/PartedStatusBar.h"
#include "lookup/BatchRun.h"
#include "lookup/SimpleQuery.h"

namespace nomvera::batch {
namespace {

const QString kQueryUnderWayText = QStringLiteral(" 批量查询进行中，请等待查询结束！");

}  // namespace

BatchWindow::BatchWindow(app::AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      state_(state),
      openLink_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("BatchWindow"));
    setWindowTitle(QStringLiteral("Nomvera-批量查询"));
    OuterSize::Apply(*this, QSize(606, 460), 50, 50);

    BuildToolbar();

    importExportBox_ = new QLineEdit(this);
    importExportBox_->setObjectName(QStringLiteral("编辑框_导入导出"));
    importExportBox_->setGeometry(188, 10, 402, 35);
    importExportBox_->setReadOnly(true);
    importExportBox_->hide();

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("进度条_查询导出"));
    progress_->setGeometry(188, 10, 402, 35);
    progress_->hide();

    model_ = new AccountListModel(this);
    list_ = new AccountListView(this);
    list_->setModel(model_);
    list_->setGeometry(8, 56, 583, 348);

    statusBar_ = new PartedStatusBar({205, 125, 276}, this);
    statusBar_->setObjectName(QStringLiteral("状态条_提示"));
    statusBar_->SetPartText(0, QStringLiteral(" 等待执行各功能状况显示中……"));
    statusBar_->SetPartText(1, QStringLiteral(" 欢迎使用 → Nomvera"));
    statusBar_->SetPartText(2, QStringLiteral("Belkmoor → ") + ToQt(state_.addresses.makerPageUrl));

    BuildContextMenu();

    // Files dropped on the list arrive here; the import takes them from filesDropped.
    dropTarget_ = new FileDropTarget(this);
    dropTarget_->setObjectName(QStringLiteral("拖放对象_信用详情"));
    dropTarget_->Register(*list_->viewport());

    surface_ = std::make_unique<BatchWindowSurface>(*model_, *statusBar_, *progress_, *importExportBox_);
    files_ = new AccountFiles(*this, {*model_, *statusBar_, *importExportBox_, *progress_, state_.addresses.makerPageUrl});
    files_->SetImportRefusal([this] { return RefuseWhileQueryUnderWay(); });
    connect(dropTarget_, &FileDropTarget::filesDropped, files_, &AccountFiles::ImportDroppedFiles);
    workerSurface_ = std::make_shared<GuiThreadSurface>(*surface_, *this);
    batchRun_ = std::make_unique<lookup::BatchRun>(*surface_, workerSurface_, state_.workerHandles, state_.addresses);
    simpleQuery_ =
        std::make_unique<lookup::SimpleQuery>(*surface_, workerSurface_, state_.workerHandles, state_.addresses);

    connect(list_, &AccountListView::deletePressed, this, &BatchWindow::DeleteSelectedRow);
    connect(list_, &AccountListView::doubleClickedAnywhere, this, &BatchWindow::OpenSelectedLink);
    connect(list_, &QWidget::customContextMenuRequested, this, &BatchWindow::ShowContextMenu);
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this, &BatchWindow::OnHeadClicked);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

BatchWindow::~BatchWindow() { StopLookups(); }

// Workers stop between their steps and their transfers are aborted; their threads are joined in
// the background, so the window goes at once and no write reaches it afterwards.
void BatchWindow::StopLookups() {
    workerSurface_->Detach();
    batchRun_->Stop();
    simpleQuery_->Stop();
}

bool BatchWindow::QueryUnderWay() const {
    return queryUnderWay_ || batchRun_->IsRunning() || simpleQuery_->IsRunning();
}

lookup::BatchSurface& BatchWindow::Surface() {
    return *surface_;
}

int BatchWindow::SelectedRow() const {
    return list_->SelectedRow();
}

bool BatchWindow::RefuseWhileQueryUnderWay() {
    if (!QueryUnderWay()) return false;
    SetStatus(kQueryUnderWayText);
    return true;
}

void BatchWindow::closeEvent(QCloseEvent* event) {
    StopLookups();
    event->accept();
    emit closed();
}

void BatchWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int barHeight = statusBar_->sizeHint().height();
    statusBar_->setGeometry(0, height() - barHeight, width(), barHeight);
}

void BatchWindow::BuildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("工具条_顶部"));
    toolbar_->setGeometry(0, 0, 583, 28);
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(16, 16));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* look = style();
    toolbar_->addSeparator();
    toolbar_->addAction(look->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("导入"));
    toolbar_->addAction(look->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("导出"));
    toolbar_->addAction(look->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("全删"));
    toolbar_->addSeparator();
    toolbar_->addAction(look->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("查询"));
    toolbar_->addSeparator();
    connect(toolbar_, &QToolBar::actionTriggered, this, &BatchWindow::OnToolbarAction);
}

void BatchWindow::BuildContextMenu() {
    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName(QStringLiteral("右键"));
    connect(contextMenu_->addAction(QStringLiteral("简单查询")), &QAction::triggered, this,
            &BatchWindow::OnSimpleQuery);
    connect(contextMenu_->addAction(QStringLiteral("高级查询")), &QAction::triggered, this,
            &BatchWindow::OnAdvancedQuery);
    contextMenu_->addSeparator();
    connect(contextMenu_->addAction(QStringLiteral("修改账号")), &QAction::triggered, this,
            [this] { OpenAccountDialog(true); });
    connect(contextMenu_->addAction(QStringLiteral("添加账号")), &QAction::triggered, this,
            [this] { OpenAccountDialog(false); });
    connect(contextMenu_->addAction(QStringLiteral("删除账号")), &QAction::triggered, this,
            &BatchWindow::DeleteSelectedRow);
}

void BatchWindow::OnToolbarAction(const QAction* action) {
    const QString text = action->text();
    if (text == QStringLiteral("导入")) {
        OnImport();
    } else if (text == QStringLiteral("导出")) {
        OnExport();
    } else if (text == QStringLiteral("全删")) {
        DeleteAllRows();
    } else if (text == QStringLiteral("查询")) {
        OnBatchQuery();
    }
}

void BatchWindow::OnImport() {
    if (RefuseWhileQueryUnderWay()) return;
    files_->ImportAccountFile();
}

void BatchWindow::OnExport() { files_->ExportAccountFile(); }

void BatchWindow::OnBatchQuery() {
    if (RefuseWhileQueryUnderWay()) return;
    batchRun_->Start();
}

void BatchWindow::OnSimpleQuery() {
    const int row = SelectedRow();
    if (row < 0) return;  // nothing selected: nothing at all happens
    if (RefuseWhileQueryUnderWay()) return;
    simpleQuery_->Start(row);
}

void BatchWindow::OnAdvancedQuery() {
    const int row = SelectedRow();
    if (row == -1) return;
    SetStatus(QStringLiteral(" 正在高级查询，请稍候……"));
    state_.openedFromBatchList = true;
    emit advancedQueryRequested(row);
}

void BatchWindow::OpenAccountDialog(bool modifies) {
    if (RefuseWhileQueryUnderWay()) return;
    state_.accountDialogModifies = modifies;
    const int row = SelectedRow();
    const QString account =
        modifies && row != -1 ? ToQt(model_->CellText(row, lookup::kColumnAccount)) : QString();
    auto* dialog = new AccountDialog(modifies, account, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &AccountDialog::entered, this, &BatchWindow::CommitAccount);
    // open(), not exec(): the dialog is modal to this window without a nested event loop.
    dialog->open();
}

void BatchWindow::CommitAccount(const QString& text) {
    if (RefuseWhileQueryUnderWay()) return;
    const std::string account = ToLocal(text);
    const int row = SelectedRow();
    if (state_.accountDialogModifies) {
        if (row != -1) model_->SetCellText(row, lookup::kColumnAccount, account);
        state_.accountDialogModifies = false;
        return;
    }
    const int added = model_->InsertRow(row + 1, account);
    model_->SetCellText(added, lookup::kColumnAccount, account);
}

void BatchWindow::DeleteSelectedRow() {
    if (RefuseWhileQueryUnderWay()) return;
    model_->RemoveRow(SelectedRow());
}

void BatchWindow::DeleteAllRows() {
    if (RefuseWhileQueryUnderWay()) return;
    model_->RemoveAllRows();
    SetStatus(QStringLiteral(" 数据全部删除！"));
}

void BatchWindow::OpenSelectedLink() {
    const int row = SelectedRow();
    if (row == -1) return;
    if (const std::optional<QUrl> url = BrowsableLink(ToQt(model_->CellText(row, lookup::kColumnLink)))) {
        openLink_(*url);
    }
}

void BatchWindow::OnHeadClicked(int column) {
    if (!IsSortColumn(column) || RefuseWhileQueryUnderWay()) return;
    SortRowsByColumn(*model_, column);
}

void BatchWindow::ShowContextMenu(const QPoint& position) {
    contextMenu_->popup(list_->viewport()->mapToGlobal(position));
}

void BatchWindow::SetStatus(const QString& text) {
    statusBar_->SetPartText(0, text);
}

}  // namespace nomvera::batch
