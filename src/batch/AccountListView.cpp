#include "batch/AccountListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>

#include "lookup/AccountList.h"

namespace nomvera::batch {
namespace {

constexpr int kAccountColumnWidth = 82;
constexpr int kOtherColumnWidth = 40;

}  // namespace

AccountListView::AccountListView(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("超级列表框_信用详情"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::CustomContextMenu);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* heads = horizontalHeader();
    heads->setSectionsClickable(true);
    heads->setSortIndicatorShown(false);
    heads->setHighlightSections(false);
    heads->setSectionsMovable(false);
    heads->setStretchLastSection(false);
    heads->setMinimumSectionSize(0);
    heads->setDefaultAlignment(Qt::AlignCenter);
}

void AccountListView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    ApplyColumnWidths();
}

int AccountListView::SelectedRow() const {
    const QItemSelectionModel* selection = selectionModel();
    if (selection == nullptr) return -1;
    // The ranges, not selectedRows(): a whole 100,000-row selection stays a handful of ranges.
    int first = -1;
    for (const QItemSelectionRange& range : selection->selection()) {
        if (!range.isValid()) continue;
        if (first == -1 || range.top() < first) first = range.top();
    }
    return first;
}

void AccountListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void AccountListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit doubleClickedAnywhere();
}

void AccountListView::ApplyColumnWidths() {
    if (model() == nullptr) return;
    QHeaderView* heads = horizontalHeader();
    for (int column = 0; column < model()->columnCount(); ++column) {
        const int width = column == lookup::kColumnAccount ? kAccountColumnWidth : kOtherColumnWidth;
        heads->resizeSection(column, width);
    }
    // The link column has width 0: never visible, and the user cannot drag it open.
    setColumnHidden(lookup::kColumnLink, true);
}

}  // namespace nomvera::batch
