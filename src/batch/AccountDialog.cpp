#include "batch/AccountDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace nomvera::batch {

AccountDialog::AccountDialog(bool modifies, const QString& account, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("AccountDialog"));
    setFixedSize(166, 85);

    auto* group = new QGroupBox(
        modifies ? QStringLiteral("修改账号·回车确认") : QStringLiteral("添加账号·回车确认"), this);
    group->setObjectName(QStringLiteral("分组框_添加账号"));
    group->setGeometry(11, 6, 145, 67);

    accountBox_ = new QLineEdit(account, group);
    accountBox_->setObjectName(QStringLiteral("编辑框_账号"));
    accountBox_->setGeometry(8, 24, 128, 24);

    // The strip masks the group box's lower edge where the Esc caption begins.
    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("标签_底"));
    strip->setGeometry(30, 62, 24, 20);
    strip->setAutoFillBackground(true);

    auto* escCaption =
        new QLabel(modifies ? QStringLiteral("修改账号·Esc取消") : QStringLiteral("添加账号·Esc取消"), this);
    escCaption->setObjectName(QStringLiteral("标签_Esc取消"));
    escCaption->setGeometry(32, 62, 105, 20);

    connect(accountBox_, &QLineEdit::returnPressed, this, [this] {
        emit entered(accountBox_->text());
        accept();
    });
    accountBox_->setFocus();
}

}  // namespace nomvera::batch
