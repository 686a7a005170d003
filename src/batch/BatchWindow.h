#pragma once
// The window in which the user keeps a list of accounts and looks them up all at once: the list and
// everything done to it by hand, the toolbar, the context menu and the status bar.

#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

#include "lookup/BatchSurface.h"

class QAction;
class QLineEdit;
class QMenu;
class QProgressBar;
class QToolBar;

namespace nomvera::app {
class AppState;
}

namespace nomvera::lookup {
class BatchRun;
class SimpleQuery;
}  // namespace nomvera::lookup

namespace nomvera::batch {

class AccountFiles;
class AccountListModel;
class AccountListView;
class BatchWindowSurface;
class FileDropTarget;
class GuiThreadSurface;
class PartedStatusBar;

class BatchWindow final : public QWidget {
    Q_OBJECT

public:
    // Hands an address to the system; replaceable so tests can watch what would be opened.
    using LinkOpener = std::function<void(const QUrl&)>;

    explicit BatchWindow(app::AppState& state, QWidget* parent = nullptr);
    ~BatchWindow() override;

    app::AppState& State() { return state_; }
    // What a lookup run reads and writes; GUI thread only.
    lookup::BatchSurface& Surface();
    AccountListModel& Model() { return *model_; }
    AccountListView& ListView() { return *list_; }
    PartedStatusBar& StatusBar() { return *statusBar_; }
    FileDropTarget& DropTarget() { return *dropTarget_; }
    // Import and export: the file dialogs, the dropped files, the text files and workbooks.
    AccountFiles& Files() { return *files_; }

    // The first selected row in list order, −1 when none.
    int SelectedRow() const;

    // Rows are known only by position, so while a batch run or a simple query writes results
    // into rows, edits that move or replace rows would put one account's results on another's row.
    void SetQueryUnderWay(bool underWay) { queryUnderWay_ = underWay; }
    // Also true while a batch run or a simple query of this window is under way.
    bool QueryUnderWay() const;
    // True, with the refusal written to the status bar, while a query is under way.
    bool RefuseWhileQueryUnderWay();

    void SetLinkOpener(LinkOpener opener) { openLink_ = std::move(opener); }

signals:
    // The window has been closed; whoever opened it shows itself again.
    void closed();
    // 高级查询 chose this row; the detail window takes it from here.
    void advancedQueryRequested(int row);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildToolbar();
    void BuildContextMenu();
    void OnToolbarAction(const QAction* action);
    void OnImport();
    void OnExport();
    void OnBatchQuery();
    void OnSimpleQuery();
    void OnAdvancedQuery();
    void OpenAccountDialog(bool modifies);
    void CommitAccount(const QString& text);
    void DeleteSelectedRow();
    void DeleteAllRows();
    void OpenSelectedLink();
    void OnHeadClicked(int column);
    void ShowContextMenu(const QPoint& position);
    void SetStatus(const QString& text);
    void StopLookups();

    app::AppState& state_;
    AccountListModel* model_;
    AccountListView* list_;
    QToolBar* toolbar_;
    QLineEdit* importExportBox_;
    QProgressBar* progress_;
    PartedStatusBar* statusBar_;
    QMenu* contextMenu_;
    FileDropTarget* dropTarget_;
    AccountFiles* files_;
    std::unique_ptr<BatchWindowSurface> surface_;
    // Workers reach the window only through this proxy; detached before the window goes.
    std::shared_ptr<GuiThreadSurface> workerSurface_;
    std::unique_ptr<lookup::BatchRun> batchRun_;
    std::unique_ptr<lookup::SimpleQuery> simpleQuery_;
    LinkOpener openLink_;
    bool queryUnderWay_ = false;
};

}  // namespace nomvera::batch
