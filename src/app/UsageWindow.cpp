#include "app/UsageWindow.h"

#include <QPlainTextEdit>
#include <QShortcut>

#include "batch/LocalText.h"
#include "batch/OuterSize.h"
#include "web/CodePage.h"

namespace nomvera::app {
namespace {

constexpr const char* kLines[] = {
    "★数据获取自第三方。★",
    "",
    "↓高级查询↓",
    "",
    "■判定安全等级为危险（淘宝身份为买家）■",
    "①注册日期小于30天；②给出的中评大于2个；③给出的差评大于1个；④最近一周内交易超过5笔；⑤最近一月内交易超过20笔。",
    "",
    "■判定安全等级为未知（淘宝身份为卖家或天猫）■",
    "由于淘宝卖家或天猫无法查询其信用明细，因此无法判定安全等级是否安全或危险。",
    "",
    "■提醒■",
    "有可能某账号在一个星期内的交易超过5笔，但是此人的此账号未对商品进行评价，这时此账号的评价数据当然也就不会改变了。",
    "如果某项信息显示颜色为红色，就得注意下了哦！",
    "",
    "■操作■",
    "1、输入淘宝账号后按回车，或点击“查询”按钮开始查询。",
    "2、查询后，若想查看淘宝官方的详细信用信息，可单击“安全等级”图片。",
    "",
    "↓批量查询↓",
    "",
    "■说明■",
    "导入：批量导入数据；导出：批量导出数据；全删：全部数据删除；查询：查询全部数据。",
    "给中/给差：给出中评/给出差评；周/月：最近一周/最近一月；好/中/差：好评/中评/差评。",
    "",
    "■操作■",
    "1、单击表头“淘宝账号/安全/身份”，列表分别按账号首字符/安全等级/淘宝身份排序。",
    "2、双击选中行，可查看淘宝官方的详细信用信息。",
    "3、按键“Delete”可删除选中行。",
    "4、可直接拖放“*.txt”文件或“*.xlsx”文件到列表框中快捷导入。",
    "5、右击列表框弹出功能菜单。",
    "6、“添加账号”输入好淘宝账号后，按回车键即可添加。",
    "",
    "■注意■",
    "在软件启动后头次进行格式为“*.xlsx”的“导入”，此时若批量导入数据过大可能会要等待几秒。",
    "“*.xlsx”的“导入/导出”操作，要求电脑必须安装“Excel”。",
    "导入/导出的数据格式为“*.txt”或“*.xlsx”。",
    "",
    "★其余未提及到的各项功能及说明可参照“高级查询”。★",
};

}  // namespace

std::string UsageWindow::UsageText() {
    std::string text;
    for (const char* line : kLines) {
        if (line != kLines[0]) text += "\r\n";
        text += line;
    }
    return web::Local(text);
}

UsageWindow::UsageWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("UsageWindow"));
    setWindowTitle(QStringLiteral("Nomvera-使用说明"));
    batch::OuterSize::Apply(*this, QSize(700, 500), 50, 50);

    auto* box = new QPlainTextEdit(this);
    box->setObjectName(QStringLiteral("编辑框_使用说明"));
    box->setGeometry(8, 8, 680, 456);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The editor breaks lines at "\n"; a "\r" left in would show as a character of its own.
    box->setPlainText(batch::ToQt(UsageText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

}  // namespace nomvera::app
