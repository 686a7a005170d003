// The detail window driven as a user drives it, on the offscreen platform, against the stand-in
// service on free loopback ports.

#include "detail/DetailWindow.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "app/AppState.h"
#include "detail/ControlNames.h"
#include "detail/DetailSurface.h"
#include "support/StandInProcess.h"
#include "web/CodePage.h"

using nomvera::app::AppState;
using nomvera::detail::DetailWindow;
using nomvera::detail::GradePicture;
using nomvera::testing::StandInProcess;
namespace names = nomvera::detail::names;

Q_DECLARE_METATYPE(GradePicture)

namespace {

QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A loopback port with nothing listening on it: every connection is refused.
std::string ClosedLoopbackHost() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

// Fixed profiles: a buyer at every rule's bound, a buyer firing rules 2 and 4 only, and a Tmall
// shop whose last week alone would fire rule 4.
std::string ProfilesFile() {
    const QString path =
        QDir::temp().filePath(QStringLiteral("nomvera-detail-profiles-%1.txt").arg(getpid()));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(
            "# account|identity|score|registered|real-name|region|given|rate|week|month|half-year|older\n"
            "calm|买家|500|2019-03-04 "
            "10:11:12|支付宝个人认证|浙江杭州|12,2,1|99.00%|2,2,1|10,5,5|7,8,9|10,11,12\n"
            "busy|买家|1234|2019-03-04 "
            "10:11:12|支付宝个人认证|浙江杭州|12,3,1|98.50%|2,2,2|4,5,6|7,8,9|10,11,12\n"
            "张三的小店|卖家|0|2019年3月4日|支付宝商家认证|上海|0,0,0|0.00%|9,9,9|0,0,0|0,0,0|0,0,0\n");
    }
    return path.toStdString();
}

StandInProcess& QuickStandIn() {
    static StandInProcess standIn({"--profiles", ProfilesFile()});
    return standIn;
}

// Slow enough that the lookup is still out when the test closes the window.
StandInProcess& SlowStandIn() {
    static StandInProcess standIn({"--latency-ms", "10000"});
    return standIn;
}

nomvera::lookup::ServiceAddresses Addresses(const std::string& host) {
    nomvera::lookup::ServiceAddresses addresses;
    addresses.lookupHost = host;
    addresses.ipSearchHost = host;
    addresses.makerPageUrl = "http://" + host + "/";
    return addresses;
}

// A shown window over its own state; the links it would open are collected.
struct Detail {
    explicit Detail(const std::string& host) : state(Addresses(host)) {
        window = std::make_unique<DetailWindow>(state);
        window->SetLinkOpener([this](const QUrl& url) { opened << url; });
        window->show();
    }

    template <typename T = QLineEdit>
    T* Find(std::string_view name) const {
        return window->findChild<T*>(Q(name));
    }
    QString Text(std::string_view name) const { return Find(name)->text(); }
    QString Caption(std::string_view name) const { return Find<QGroupBox>(name)->title(); }
    QColor Colour(std::string_view name) const {
        return Find<QWidget>(name)->palette().color(QPalette::Text);
    }
    QString SafetyInfo() const {
        return Q(nomvera::web::LocalToUtf8(window->Surface().Text(names::kSafetyInfo)));
    }

    // Clicks 查询 with `account` in the box and waits for the lookup's last write.
    bool Query(const QString& account) {
        Find(names::kAccount)->setText(account);
        QSignalSpy finished(window.get(), &DetailWindow::queryFinished);
        QTest::mouseClick(Find<QPushButton>(names::kQueryButton), Qt::LeftButton);
        return finished.wait(20000);
    }

    void ClickGradePicture() { QTest::mouseClick(Find<QLabel>(names::kGradePicture), Qt::LeftButton); }

    void Screenshot(const char* name) const {
        const QByteArray folder = qgetenv("NOMVERA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) window->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
    }

    AppState state;
    std::unique_ptr<DetailWindow> window;  // after `state`: goes first
    QList<QUrl> opened;
};

const QString kHint = QStringLiteral("↑单击上图可查看个人主页↑\r\n\r\n");

}  // namespace

class DetailWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(QuickStandIn().running());
        QVERIFY(SlowStandIn().running());
    }

    // A misspelt name would make the lookup's writes to that control vanish without a trace.
    void everyControlTheLookupUsesExists() {
        Detail d(QuickStandIn().host());
        QCOMPARE(d.window->windowTitle(), QStringLiteral("Nomvera-高级查询"));
        QCOMPARE(d.window->frameGeometry().size(), QSize(395, 522));
        for (std::string_view name :
             {names::kQueryGroup, names::kAccount,     names::kQueryButton,  names::kAccountGroup,
              names::kIdentity,   names::kRegion,      names::kRegistration, names::kRegistrationLabel,
              names::kRealName,   names::kIp,          names::kIpRegion,     names::kGradePicture,
              names::kSafetyInfo, names::kCreditGroup, names::kCreditScore,  names::kLevelPicture,
              names::kGoodRate,   names::kGivenGood,   names::kGivenNeutral, names::kGivenBad}) {
            QVERIFY2(d.Find<QWidget>(name) != nullptr, name.data());
        }
        for (std::string_view name : names::kPeriodBoxes) QVERIFY2(d.Find(name) != nullptr, name.data());
        QCOMPARE(d.Find<QTextEdit>(names::kSafetyInfo)->toPlainText(),
                 QStringLiteral("↑查询后单击查看详细信息↑"));
        QCOMPARE(d.Find<QTextEdit>(names::kSafetyInfo)->palette().color(QPalette::Text), QColor(128, 0, 128));
    }

    void aSafeBuyerFillsEveryBox() {
        Detail d(QuickStandIn().host());
        QVERIFY(d.Query(QStringLiteral(" ca　lm ")));
        QCOMPARE(d.Text(names::kAccount), QStringLiteral("calm"));
        QVERIFY(d.Find(names::kAccount)->isEnabled());
        QCOMPARE(d.Caption(names::kQueryGroup), QStringLiteral("查询完毕"));
        QCOMPARE(d.Caption(names::kAccountGroup), QStringLiteral("账号信息"));
        const QStringList expected{"买家",
                                   "浙江杭州",
                                   "2019-03-04 10:11:12",
                                   "支付宝个人认证",
                                   "500",
                                   "99.00%",
                                   "12",
                                   "2",
                                   "1",
                                   "2",
                                   "2",
                                   "1",
                                   "10",
                                   "5",
                                   "5",
                                   "7",
                                   "8",
                                   "9",
                                   "10",
                                   "11",
                                   "12",
                                   "127.0.0.1",
                                   "本地局域网"};
        QStringList shown{
            d.Text(names::kIdentity),  d.Text(names::kRegion),       d.Text(names::kRegistration),
            d.Text(names::kRealName),  d.Text(names::kCreditScore),  d.Text(names::kGoodRate),
            d.Text(names::kGivenGood), d.Text(names::kGivenNeutral), d.Text(names::kGivenBad)};
        for (std::string_view box : names::kPeriodBoxes) shown << d.Text(box);
        shown << d.Text(names::kIp) << d.Text(names::kIpRegion);
        QCOMPARE(shown, expected);
        QVERIFY(!d.Find<QLabel>(names::kLevelPicture)->pixmap().isNull());
        QCOMPARE(d.window->CurrentGradePicture(), GradePicture::Safe);
        QCOMPARE(d.SafetyInfo(), kHint);
        QCOMPARE(d.Find<QTextEdit>(names::kSafetyInfo)->toPlainText(),
                 QStringLiteral("↑单击上图可查看个人主页↑\n\n"));
        QCOMPARE(d.Colour(names::kIdentity), QColor(Qt::red));
        QCOMPARE(d.Colour(names::kGivenNeutral), QColor(Qt::black));
        QCOMPARE(d.Find<QLabel>(names::kRegistrationLabel)->text(), QStringLiteral("注册时间："));
        d.Screenshot("detail-buyer.png");

        d.ClickGradePicture();
        QCOMPARE(d.opened.size(), 1);
        QCOMPARE(d.opened[0].host(), QStringLiteral("rate.taobao.com"));
        QVERIFY(d.opened[0].path().startsWith(QStringLiteral("/user-rate-")));

        // Coming back to the window shows the start picture; the texts and the link stay.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        d.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.window.get()));
        QCOMPARE(d.window->CurrentGradePicture(), GradePicture::Initial);
        QCOMPARE(d.Text(names::kIdentity), QStringLiteral("买家"));
        d.ClickGradePicture();
        QCOMPARE(d.opened.size(), 2);
        QCOMPARE(d.opened[1], d.opened[0]);
    }

    void aBuyerFiringRulesTwoAndFour() {
        Detail d(QuickStandIn().host());
        QVERIFY(d.Query(QStringLiteral("busy")));
        QCOMPARE(d.window->CurrentGradePicture(), GradePicture::Danger);
        QCOMPARE(d.SafetyInfo(),
                 kHint + QStringLiteral("●给出的中评大于2个●\r\n●最近一周内交易超过5笔●\r\n"));
        for (std::string_view box : {names::kGivenNeutral, names::kPeriodBoxes[0], names::kPeriodBoxes[1],
                                     names::kPeriodBoxes[2], names::kIdentity}) {
            QVERIFY2(d.Colour(box) == QColor(Qt::red), box.data());
        }
        for (std::string_view box : {names::kRegistration, names::kGivenBad, names::kPeriodBoxes[3],
                                     names::kPeriodBoxes[4], names::kPeriodBoxes[5]}) {
            QVERIFY2(d.Colour(box) == QColor(Qt::black), box.data());
        }

        // The next lookup starts from black boxes.
        QVERIFY(d.Query(QStringLiteral("calm")));
        QCOMPARE(d.Colour(names::kGivenNeutral), QColor(Qt::black));
        QCOMPARE(d.Colour(names::kPeriodBoxes[0]), QColor(Qt::black));
        QCOMPARE(d.SafetyInfo(), kHint);
    }

    void aTmallShop() {
        Detail d(QuickStandIn().host());
        QVERIFY(d.Query(QStringLiteral("张三的小店")));
        QCOMPARE(d.Text(names::kIdentity), QStringLiteral("天猫"));
        QCOMPARE(d.Text(names::kRegistration), QStringLiteral("2019年3月4日"));
        QCOMPARE(d.window->CurrentGradePicture(), GradePicture::NotGradable);
        QCOMPARE(d.Colour(names::kIdentity), QColor(Qt::blue));
        QCOMPARE(d.Colour(names::kPeriodBoxes[0]), QColor(Qt::black));
        QCOMPARE(d.Find<QLabel>(names::kRegistrationLabel)->text(), QStringLiteral("创店时间："));
        QCOMPARE(d.SafetyInfo(), kHint);
        d.Screenshot("detail-shop.png");
    }

    void anAccountThatDoesNotExist() {
        Detail d(QuickStandIn().host());
        d.ClickGradePicture();
        QVERIFY(d.opened.isEmpty());  // no lookup yet

        QVERIFY(d.Query(QStringLiteral("nobody")));
        QCOMPARE(d.Caption(names::kAccountGroup), QStringLiteral("该用户不存在或是淘宝正在对此店铺盘点！"));
        QCOMPARE(d.Caption(names::kQueryGroup), QStringLiteral("查询"));
        QVERIFY(d.Find(names::kAccount)->isEnabled());
        QCOMPARE(d.Text(names::kIdentity), QString());
        QCOMPARE(d.Text(names::kCreditScore), QString());
        QCOMPARE(d.Text(names::kIp), QStringLiteral("127.0.0.1"));
        QCOMPARE(d.Text(names::kIpRegion), QStringLiteral("本地局域网"));
        QCOMPARE(d.window->CurrentGradePicture(), GradePicture::Initial);
        QCOMPARE(d.SafetyInfo(), QString());
        d.Screenshot("detail-not-found.png");
        d.ClickGradePicture();
        QCOMPARE(d.opened, QList<QUrl>{QUrl(Q("http://" + QuickStandIn().host() + "/"))});

        QVERIFY(d.Query(QStringLiteral("calm")));
        QCOMPARE(d.Caption(names::kAccountGroup), QStringLiteral("账号信息"));
    }

    // A failed request reads as a page without a profile: nothing is known, nothing is claimed.
    void anUnreachableService() {
        Detail d(ClosedLoopbackHost());
        d.window->Surface().SetTextColour(names::kIdentity, nomvera::detail::kBlue);
        d.window->Surface().SetCaption(names::kRegistrationLabel, nomvera::web::Local("创店时间："));
        QVERIFY(d.Query(QStringLiteral("calm")));
        QCOMPARE(d.Caption(names::kQueryGroup), QStringLiteral("查询完毕"));
        QCOMPARE(d.window->CurrentGradePicture(), GradePicture::NotGradable);
        QCOMPARE(d.SafetyInfo(), QString());
        QCOMPARE(d.Colour(names::kIdentity), QColor(Qt::blue));
        QCOMPARE(d.Find<QLabel>(names::kRegistrationLabel)->text(), QStringLiteral("创店时间："));
        QCOMPARE(d.Text(names::kIp), QString());
        QCOMPARE(d.Text(names::kIpRegion), QString());
        QVERIFY(d.Find(names::kAccount)->isEnabled());
        d.ClickGradePicture();
        QVERIFY(d.opened.isEmpty());
    }

    void enterStartsTheLookupAndDoubleClickSelectsAll() {
        Detail d(QuickStandIn().host());
        QLineEdit* account = d.Find(names::kAccount);
        account->setText(QStringLiteral("calm"));
        account->setFocus();
        QSignalSpy finished(d.window.get(), &DetailWindow::queryFinished);
        QTest::keyClick(account, Qt::Key_Return);
        QVERIFY(finished.wait(20000));
        QCOMPARE(d.Text(names::kIdentity), QStringLiteral("买家"));

        account->setText(QStringLiteral("one two"));
        account->deselect();
        QTest::mouseDClick(account, Qt::LeftButton, Qt::NoModifier, QPoint(5, account->height() / 2));
        QCOMPARE(account->selectedText(), QStringLiteral("one two"));
    }

    void closingDuringALookupStopsIt() {
        Detail d(SlowStandIn().host());
        QSignalSpy closed(d.window.get(), &DetailWindow::closed);
        QTest::mouseClick(d.Find<QPushButton>(names::kQueryButton), Qt::LeftButton);
        QTRY_VERIFY(!d.Find(names::kAccount)->isEnabled());
        QCOMPARE(d.Caption(names::kQueryGroup), QStringLiteral("正在查询·"));

        // A second start while the first runs is refused.
        QTest::mouseClick(d.Find<QPushButton>(names::kQueryButton), Qt::LeftButton);
        QCOMPARE(d.state.detailWorker.Count(), std::size_t{1});

        QTest::keyClick(d.window.get(), Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!d.window->isVisible());
        QCOMPARE(d.state.detailWorker.Count(), std::size_t{0});  // handed to the joiner

        d.state.detailWorker.JoinAll();
        QCoreApplication::processEvents();
        QCOMPARE(d.Caption(names::kQueryGroup), QStringLiteral("正在查询·"));
        QCOMPARE(d.Find<QLabel>(names::kRegistrationLabel)->text(), QStringLiteral("注册时间："));
        QVERIFY(d.state.detailRatingLink.Get().empty());
    }
};

QTEST_MAIN(DetailWindowTest)
#include "DetailWindow_test.moc"
