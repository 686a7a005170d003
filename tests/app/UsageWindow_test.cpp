// The usage window's layout and its text: 38 lines joined by "\r\n", shown line for line.

#include "app/UsageWindow.h"

#include <QPlainTextEdit>
#include <QTest>

#include "batch/LocalText.h"

using nomvera::app::UsageWindow;

class UsageWindowTest : public QObject {
    Q_OBJECT

private slots:
    void isLaidOutAsDesigned() {
        UsageWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Nomvera-使用说明"));
        QCOMPARE(window.frameGeometry(), QRect(50, 50, 700, 500));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框_使用说明"));
        QVERIFY(box != nullptr);
        QCOMPARE(box->geometry(), QRect(8, 8, 680, 456));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void textHasItsLinesInOrder() {
        const QString text = nomvera::batch::ToQt(UsageWindow::UsageText());
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 38);
        QVERIFY(!text.contains(QStringLiteral("\n\n")));  // only "\r\n" separates lines
        QCOMPARE(lines.first(), QStringLiteral("★数据获取自第三方。★"));
        QCOMPARE(lines.at(5), QStringLiteral("①注册日期小于30天；②给出的中评大于2个；③给出的差评大于1个；④最近一周内交易超过5笔；⑤最近一月内交易超过20笔。"));
        QCOMPARE(lines.at(27), QStringLiteral("3、按键“Delete”可删除选中行。"));
        QCOMPARE(lines.last(), QStringLiteral("★其余未提及到的各项功能及说明可参照“高级查询”。★"));
        for (int empty : {2, 4, 7, 10, 14, 18, 20, 24, 32, 37}) QVERIFY2(lines.at(empty - 1).isEmpty(), qPrintable(QString::number(empty)));
        QCOMPARE(lines.count(QString()), 10);

        UsageWindow window;
        auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("编辑框_使用说明"));
        QCOMPARE(box->toPlainText().split(QLatin1Char('\n')), lines);
    }

    void escCloses() {
        UsageWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(UsageWindowTest)
#include "UsageWindow_test.moc"
