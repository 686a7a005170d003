#pragma once
// The batch list drawn as a report list: centred cells with grid lines, whole rows selected, several
// at once, clickable heads that never sort by themselves, the link column hidden.

#include <QTableView>

namespace nomvera::batch {

class AccountListView final : public QTableView {
    Q_OBJECT

public:
    explicit AccountListView(QWidget* parent = nullptr);

    // Also sets the column widths, which exist only once the model gives the columns.
    void setModel(QAbstractItemModel* model) override;

    // The first selected row in list order, −1 when none is selected.
    int SelectedRow() const;

signals:
    void deletePressed();
    // A double click anywhere in the list, on a row or below the last one.
    void doubleClickedAnywhere();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ApplyColumnWidths();
};

}  // namespace nomvera::batch
