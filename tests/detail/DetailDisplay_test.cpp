// The display of a found account: which texts, colours, label and grade picture each kind of
// profile gets, with the clock fixed.

#include "detail/DetailDisplay.h"

#include <QTest>
#include <chrono>
#include <string>

#include "MemorySurface.h"
#include "detail/ControlNames.h"
#include "web/CodePage.h"

using nomvera::web::Local;
namespace detail = nomvera::detail;
namespace names = nomvera::detail::names;
using detail::GradePicture;
using detail::testing::MemorySurface;

Q_DECLARE_METATYPE(GradePicture)

namespace {

using namespace std::chrono;
const nomvera::lookup::LocalTime kNow = local_days{2026y / 12 / 11} + hours{14} + minutes{0} + seconds{0};

// Boxes read by the display: identity, registration, given neutral, given bad, week ×3, month ×3.
struct Profile {
    const char* identity;
    const char* registration;
    const char* givenNeutral;
    const char* givenBad;
    const char* week[3];
    const char* month[3];
};

MemorySurface SurfaceWith(const Profile& p) {
    MemorySurface s;
    s.texts[std::string(names::kIdentity)] = Local(p.identity);
    s.texts[std::string(names::kRegistration)] = Local(p.registration);
    s.texts[std::string(names::kGivenNeutral)] = p.givenNeutral;
    s.texts[std::string(names::kGivenBad)] = p.givenBad;
    for (int i = 0; i < 3; ++i) {
        s.texts[std::string(names::kPeriodBoxes[i])] = p.week[i];
        s.texts[std::string(names::kPeriodBoxes[3 + i])] = p.month[i];
    }
    return s;
}

QStringList RedBoxes(const MemorySurface& s) {
    QStringList red;
    for (const auto& [name, colour] : s.colours)
        if (colour == detail::kRed && name != names::kIdentity) red << QString::fromStdString(name);
    red.sort();
    return red;
}

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

}  // namespace

class DetailDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheRulesThatFire_data() {
        QTest::addColumn<QString>("identity");
        QTest::addColumn<QString>("registration");
        QTest::addColumn<QString>("neutral");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QStringList>("week");
        QTest::addColumn<QStringList>("month");
        QTest::addColumn<GradePicture>("picture");
        QTest::addColumn<QString>("rulesText");
        QTest::addColumn<QStringList>("redBoxes");

        const QStringList quietWeek{"2", "2", "1"};
        const QStringList quietMonth{"10", "5", "5"};
        const QString hint = QStringLiteral("↑单击上图可查看个人主页↑\r\n\r\n");
        QTest::newRow("buyer firing nothing at every bound")
            << "买家"
            << "2019-03-04 10:11:12"
            << "2"
            << "1" << quietWeek << quietMonth << GradePicture::Safe << hint << QStringList{};
        QTest::newRow("buyer firing rules 2 and 4")
            << "买家"
            << "2019-03-04 10:11:12"
            << "3"
            << "1" << QStringList{"2", "2", "2"} << quietMonth << GradePicture::Danger
            << hint + QStringLiteral("●给出的中评大于2个●\r\n●最近一周内交易超过5笔●\r\n")
            << Sorted(
                   {"编辑框_给出中评", "编辑框_最近一周好评", "编辑框_最近一周中评", "编辑框_最近一周差评"});
        QTest::newRow("buyer registered exactly 30 days ago, with bad ratings and a busy month")
            << "买家"
            << "2026-11-11 14:00:00"
            << "0"
            << "2" << quietWeek << QStringList{"20", "1", "0"} << GradePicture::Danger
            << hint +
                   QStringLiteral("●注册日期小于30天●\r\n●给出的差评大于1个●\r\n●最近一月内交易超过20笔●\r\n")
            << Sorted({"编辑框_注册时间", "编辑框_给出差评", "编辑框_最近一月好评", "编辑框_最近一月中评",
                       "编辑框_最近一月差评"});
        QTest::newRow("buyer registered 30 days and one hour ago")
            << "买家"
            << "2026-11-11 13:00:00"
            << "x"
            << "" << quietWeek << quietMonth << GradePicture::Safe << hint << QStringList{};
        QTest::newRow("seller whose numbers would fire every rule")
            << "卖家"
            << "2026-12-10 10:00:00"
            << "9"
            << "9" << QStringList{"9", "9", "9"} << QStringList{"30", "0", "0"} << GradePicture::NotGradable
            << hint << QStringList{};
        QTest::newRow("Tmall shop") << "天猫"
                                    << "2019年3月4日"
                                    << "0"
                                    << "0" << quietWeek << quietMonth << GradePicture::NotGradable << hint
                                    << QStringList{};
    }

    void showsTheRulesThatFire() {
        QFETCH(QString, identity);
        QFETCH(QString, registration);
        QFETCH(QString, neutral);
        QFETCH(QString, bad);
        QFETCH(QStringList, week);
        QFETCH(QStringList, month);
        QFETCH(GradePicture, picture);
        QFETCH(QString, rulesText);
        QFETCH(QStringList, redBoxes);

        const std::string w[3] = {week[0].toStdString(), week[1].toStdString(), week[2].toStdString()};
        const std::string m[3] = {month[0].toStdString(), month[1].toStdString(), month[2].toStdString()};
        const std::string id = identity.toStdString(), reg = registration.toStdString();
        const std::string n = neutral.toStdString(), b = bad.toStdString();
        MemorySurface s = SurfaceWith({id.c_str(),
                                       reg.c_str(),
                                       n.c_str(),
                                       b.c_str(),
                                       {w[0].c_str(), w[1].c_str(), w[2].c_str()},
                                       {m[0].c_str(), m[1].c_str(), m[2].c_str()}});
        detail::DetailDisplay(s, kNow);

        QCOMPARE(s.gradePictures, std::vector<GradePicture>{picture});
        QCOMPARE(s.Text(names::kSafetyInfo), Local(rulesText.toStdString()));
        QCOMPARE(RedBoxes(s), redBoxes);
        const bool buyer = identity == QStringLiteral("买家");
        QCOMPARE(s.colours.at(std::string(names::kIdentity)), buyer ? detail::kRed : detail::kBlue);
        QCOMPARE(s.captions.at(std::string(names::kRegistrationLabel)),
                 Local(buyer ? "注册时间：" : "创店时间："));
    }

    // An answer the pattern did not match leaves every box empty: nothing is known, so nothing
    // is claimed about the account.
    void anUnmatchedAnswerIsNotGradableAndLeavesTheRestAlone() {
        MemorySurface s;
        detail::DetailDisplay(s, kNow);
        QCOMPARE(s.gradePictures, std::vector<GradePicture>{GradePicture::NotGradable});
        QVERIFY(s.texts.empty());
        QVERIFY(s.colours.empty());
        QVERIFY(s.captions.empty());
    }
};

QTEST_GUILESS_MAIN(DetailDisplayTest)
#include "DetailDisplay_test.moc"
