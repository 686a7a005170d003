#pragma once
// The small frameless box in which one account is typed, to add a row or to change the selected
// one. Enter hands the text over exactly as typed; Esc closes it without a change.

#include <QDialog>

class QLineEdit;

namespace nomvera::batch {

class AccountDialog final : public QDialog {
    Q_OBJECT

public:
    // `modifies` picks the captions; `account` is the text the box starts with.
    AccountDialog(bool modifies, const QString& account, QWidget* parent);

    QLineEdit& AccountBox() { return *accountBox_; }

signals:
    void entered(const QString& text);

private:
    QLineEdit* accountBox_;
};

}  // namespace nomvera::batch
