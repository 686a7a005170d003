#include "detail/DetailForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>

#include "detail/BoxEdit.h"
#include "detail/DetailPictures.h"

namespace nomvera::detail {

namespace {

QGroupBox* Group(QWidget* parent, const QString& name, const QString& caption, QRect place) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(place);
    return group;
}

QLabel* Label(QWidget* parent, const QString& name, const QString& caption, QRect place,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(alignment);
    return label;
}

BoxEdit* Box(QWidget* parent, const QString& name, QRect place, bool thinBorder) {
    auto* box = new BoxEdit(thinBorder, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setReadOnly(true);
    return box;
}

void Line(QWidget* parent, const QString& name, QRect place) {
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setGeometry(place);
    line->setAutoFillBackground(true);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, QColor(0x99, 0x99, 0x99));
    line->setPalette(colours);
}

QLabel* Picture(QWidget* parent, const QString& name, QRect place) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(place);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

// A label, its borderless box and the line under the box, on one row of the account group.
void AccountRow(QWidget* group, const QString& role, const QString& caption, int y) {
    Label(group, QStringLiteral("标签_") + role, caption, QRect(8, y + 4, 60, 15));
    Box(group, QStringLiteral("编辑框_") + role, QRect(72, y, 128, 16), false);
    Line(group, QStringLiteral("标签_横杠") + role, QRect(72, y + 16, 128, 1));
}

void BuildQueryGroup(QWidget& window) {
    QGroupBox* group =
        Group(&window, QStringLiteral("分组框_查询"), QStringLiteral("查询"), QRect(8, 8, 374, 56));
    Label(group, QStringLiteral("标签_淘宝账号"), QStringLiteral("淘宝账号："), QRect(8, 26, 60, 15));
    BoxEdit* account = Box(group, QStringLiteral("编辑框_淘宝账号"), QRect(72, 23, 200, 22), true);
    account->setReadOnly(false);

    auto* button = new QPushButton(group);
    button->setObjectName(QStringLiteral("超级按钮_查询"));
    button->setGeometry(276, 21, 90, 26);
    button->setFlat(true);
    button->setIcon(QIcon(QueryButtonFace()));
    button->setIconSize(QSize(90, 26));
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0px; }"));
}

void BuildAccountGroup(QWidget& window) {
    QGroupBox* group =
        Group(&window, QStringLiteral("分组框_账号信息"), QStringLiteral("账号信息"), QRect(8, 72, 374, 176));
    AccountRow(group, QStringLiteral("淘宝身份"), QStringLiteral("淘宝身份："), 26);
    AccountRow(group, QStringLiteral("所在地区"), QStringLiteral("所在地区："), 50);
    AccountRow(group, QStringLiteral("注册时间"), QStringLiteral("注册时间："), 74);
    AccountRow(group, QStringLiteral("实名认证"), QStringLiteral("实名认证："), 98);
    AccountRow(group, QStringLiteral("本机ＩＰ"), QStringLiteral("本机ＩＰ："), 122);
    AccountRow(group, QStringLiteral("ＩＰ地区"), QStringLiteral("ＩＰ地区："), 146);

    Picture(group, QStringLiteral("图片框_安全未知危险"), QRect(204, 23, 161, 48))
        ->setPixmap(GradePicturePixmap(GradePicture::Initial));
    Group(group, QStringLiteral("分组框安全内容"), QString(), QRect(204, 64, 162, 101));

    auto* info = new QTextEdit(group);
    info->setObjectName(QStringLiteral("编辑框_安全信息"));
    info->setGeometry(206, 76, 158, 87);
    info->setReadOnly(true);
    info->setFrameShape(QFrame::NoFrame);
    info->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    info->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = info->palette();
    colours.setColor(QPalette::Text, QColor(128, 0, 128));
    info->setPalette(colours);
    info->setPlainText(QStringLiteral("↑查询后单击查看详细信息↑"));
    info->selectAll();
    info->setAlignment(Qt::AlignCenter);
    info->moveCursor(QTextCursor::Start);
}

void FlowerLabel(QWidget* parent, const QString& name, const QString& caption, QRect place, Flower flower) {
    // The caption stays the label's text; the flower sits in front of it.
    QLabel* label = Label(parent, name, caption, place);
    label->setContentsMargins(22, 0, 0, 0);
    auto* flowerPicture = new QLabel(label);
    flowerPicture->setGeometry(0, (place.height() - 20) / 2, 20, 20);
    flowerPicture->setPixmap(RatingFlowerPixmap(flower, QSize(20, 20)));
}

void BuildCreditGroup(QWidget& window) {
    QGroupBox* group = Group(&window, QStringLiteral("分组框_信用及评价信息"),
                             QStringLiteral("信用及评价信息"), QRect(8, 256, 374, 210));
    Label(group, QStringLiteral("标签_买家信用"), QStringLiteral("买家信用："), QRect(12, 25, 60, 20));
    Box(group, QStringLiteral("编辑框_买家信用"), QRect(76, 26, 52, 16), false);
    Line(group, QStringLiteral("标签_横杠买家信用"), QRect(76, 41, 52, 1));
    Picture(group, QStringLiteral("图片框_等级图片"), QRect(133, 24, 125, 20));
    Label(group, QStringLiteral("标签_好评率"), QStringLiteral("好评率："), QRect(260, 25, 48, 20));
    Box(group, QStringLiteral("编辑框_好评率"), QRect(312, 26, 52, 16), false);
    Line(group, QStringLiteral("标签_横杠好评率"), QRect(312, 41, 52, 1));

    const int columns[4] = {8, 97, 186, 275};
    Label(group, QStringLiteral("标签_买家评价"), QStringLiteral("买家评价"), QRect(columns[0], 54, 90, 24),
          Qt::AlignCenter);
    const QString heads[3] = {QStringLiteral("标签_好评"), QStringLiteral("标签_中评"),
                              QStringLiteral("标签_差评")};
    const Flower flowers[3] = {Flower::Good, Flower::Neutral, Flower::Bad};
    for (int i = 0; i < 3; ++i) {
        Picture(group, heads[i], QRect(columns[i + 1], 54, 90, 24))
            ->setPixmap(RatingFlowerPixmap(flowers[i], QSize(40, 21)));
    }
    const QString periods[4] = {QStringLiteral("最近一周"), QStringLiteral("最近一月"),
                                QStringLiteral("最近半年"), QStringLiteral("半年以前")};
    const QString kinds[3] = {QStringLiteral("好评"), QStringLiteral("中评"), QStringLiteral("差评")};
    for (int row = 0; row < 4; ++row) {
        const int y = 77 + 23 * row;
        Label(group, QStringLiteral("标签_") + periods[row], periods[row], QRect(columns[0], y, 90, 24),
              Qt::AlignCenter);
        for (int kind = 0; kind < 3; ++kind) {
            Box(group, QStringLiteral("编辑框_") + periods[row] + kinds[kind],
                QRect(columns[kind + 1], y, 90, 24), true);
        }
    }

    Label(group, QStringLiteral("标签_给出评价"), QStringLiteral("给出评价："), QRect(12, 179, 60, 20));
    FlowerLabel(group, QStringLiteral("标签_给出好评"), QStringLiteral("好评"), QRect(74, 176, 49, 24),
                Flower::Good);
    Box(group, QStringLiteral("编辑框_给出好评"), QRect(128, 180, 26, 16), false);
    Line(group, QStringLiteral("标签_横杠给出好评"), QRect(128, 194, 26, 1));
    FlowerLabel(group, QStringLiteral("标签_给出中评"), QStringLiteral("中评"), QRect(178, 177, 49, 24),
                Flower::Neutral);
    Box(group, QStringLiteral("编辑框_给出中评"), QRect(232, 181, 26, 16), false);
    Line(group, QStringLiteral("标签_横杠给出中评"), QRect(232, 195, 26, 1));
    FlowerLabel(group, QStringLiteral("标签_给出差评"), QStringLiteral("差评"), QRect(284, 177, 49, 24),
                Flower::Bad);
    Box(group, QStringLiteral("编辑框_给出差评"), QRect(338, 181, 26, 16), false);
    Line(group, QStringLiteral("标签_横杠给出差评"), QRect(338, 195, 26, 1));
}

}  // namespace

void BuildDetailForm(QWidget& window) {
    BuildQueryGroup(window);
    BuildAccountGroup(window);
    BuildCreditGroup(window);
    auto* status = new QStatusBar(&window);
    status->setObjectName(QStringLiteral("状态条_提示"));
    status->setSizeGripEnabled(false);
}

}  // namespace nomvera::detail
