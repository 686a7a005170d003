// Which texts of a row's link column may reach the system's opener.

#include "batch/BrowsableLink.h"

#include <QTest>

using nomvera::batch::BrowsableLink;

class BrowsableLinkTest : public QObject {
    Q_OBJECT

private slots:
    void onlyAbsoluteWebAddressesOpen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opens");
        QTest::newRow("rating page") << "http://rate.taobao.com/user-rate-12345.htm" << true;
        QTest::newRow("maker page with port") << "http://127.0.0.1:38765/" << true;
        QTest::newRow("https") << "https://example.com/a?b=c" << true;
        QTest::newRow("scheme in capitals") << "HTTPS://example.com/" << true;
        QTest::newRow("empty, from a workbook import") << "" << false;
        QTest::newRow("typed account") << "tb_buyer01" << false;
        QTest::newRow("Chinese account") << "张三" << false;
        QTest::newRow("host without scheme") << "www.taobao.com" << false;
        QTest::newRow("local file") << "file:///etc/passwd" << false;
        QTest::newRow("absolute path") << "/usr/bin/xterm" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
        QTest::newRow("mail") << "mailto:someone@example.com" << false;
        QTest::newRow("ftp") << "ftp://example.com/file" << false;
        QTest::newRow("scheme without host") << "http://" << false;
        QTest::newRow("scheme without slashes") << "http:relative/path" << false;
        QTest::newRow("space inside") << "http://exa mple.com/" << false;
        QTest::newRow("leading blank") << " http://example.com/" << false;
    }

    void onlyAbsoluteWebAddressesOpen() {
        QFETCH(QString, text);
        QFETCH(bool, opens);
        const std::optional<QUrl> url = BrowsableLink(text);
        QCOMPARE(url.has_value(), opens);
        if (opens) QCOMPARE(url->toString(), QUrl(text).toString());
    }
};

QTEST_MAIN(BrowsableLinkTest)
#include "BrowsableLink_test.moc"
