// The numbers of Drop and Rain on the height field, and when the effect reports a changed frame.

#include "app/RippleEffect.h"

#include <QRect>
#include <QTest>
#include <vector>

using nomvera::app::RippleEffect;

namespace {

constexpr int kWidth = 20;
constexpr int kHeight = 12;

std::vector<std::uint32_t> Picture(int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u);
    return pixels;
}

// The smallest rectangle that holds every point of the field that is not zero.
QRect RaisedArea(const RippleEffect& effect) {
    QRect area;
    for (int y = 0; y < effect.Height(); ++y) {
        for (int x = 0; x < effect.Width(); ++x) {
            if (effect.HeightAt(x, y) != 0) area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

}  // namespace

class RippleEffectTest : public QObject {
    Q_OBJECT

private slots:
    void dropRaisesItsRectangle_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("size");
        QTest::addColumn<QRect>("raised");
        // Dropped at (10, 6).
        QTest::newRow("size 0: one point") << false << 0 << QRect(10, 6, 1, 1);
        QTest::newRow("size 1: one point") << false << 1 << QRect(10, 6, 1, 1);
        QTest::newRow("size 0 wide: one point") << true << 0 << QRect(10, 6, 1, 1);
        QTest::newRow("size 1 wide: one point") << true << 1 << QRect(10, 6, 1, 1);
        QTest::newRow("size 2: 3 x 3") << false << 2 << QRect(9, 5, 3, 3);
        QTest::newRow("size 5: 5 x 5") << false << 5 << QRect(8, 4, 5, 5);
        QTest::newRow("size 5 wide: 5 x 3") << true << 5 << QRect(8, 5, 5, 3);
        QTest::newRow("size 3 wide: 3 x 1") << true << 3 << QRect(9, 6, 3, 1);
        QTest::newRow("size 8 wide: 9 x 5") << true << 8 << QRect(6, 4, 9, 5);
        QTest::newRow("negative size: one point") << false << -3 << QRect(10, 6, 1, 1);
    }

    void dropRaisesItsRectangle() {
        QFETCH(bool, wide);
        QFETCH(int, size);
        QFETCH(QRect, raised);
        const auto picture = Picture(kWidth, kHeight);
        RippleEffect effect;
        QVERIFY(effect.Attach(picture.data(), kWidth, kHeight, wide));
        effect.Drop(10, 6, size, 25);
        QCOMPARE(RaisedArea(effect), raised);
        for (int y = raised.top(); y <= raised.bottom(); ++y) {
            for (int x = raised.left(); x <= raised.right(); ++x) QCOMPARE(effect.HeightAt(x, y), 25);
        }
    }

    void dropReachingTheOuterFrameIsIgnored_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("lands");
        QTest::newRow("point on the left column") << false << 0 << 6 << 1 << false;
        QTest::newRow("point one inside the left") << false << 1 << 6 << 1 << true;
        QTest::newRow("point on the top row") << false << 10 << 0 << 0 << false;
        QTest::newRow("point on the bottom row") << false << 10 << kHeight - 1 << 0 << false;
        QTest::newRow("point one inside the bottom") << false << 10 << kHeight - 2 << 0 << true;
        QTest::newRow("point on the right column") << false << kWidth - 1 << 6 << 1 << false;
        QTest::newRow("size 5 reaching the left") << false << 2 << 6 << 5 << false;
        QTest::newRow("size 5 just inside the left") << false << 3 << 6 << 5 << true;
        QTest::newRow("size 5 reaching the right") << false << kWidth - 3 << 6 << 5 << false;
        QTest::newRow("size 5 just inside the right") << false << kWidth - 4 << 6 << 5 << true;
        QTest::newRow("size 5 reaching the top") << false << 10 << 2 << 5 << false;
        QTest::newRow("size 5 wide, flatter, fits at y 2") << true << 10 << 2 << 5 << true;
        QTest::newRow("size 5 wide reaching the top") << true << 10 << 1 << 5 << false;
        QTest::newRow("outside the picture") << false << 50 << 50 << 1 << false;
    }

    void dropReachingTheOuterFrameIsIgnored() {
        QFETCH(bool, wide);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, size);
        QFETCH(bool, lands);
        const auto picture = Picture(kWidth, kHeight);
        RippleEffect effect;
        QVERIFY(effect.Attach(picture.data(), kWidth, kHeight, wide));
        effect.Drop(x, y, size, 40);
        QCOMPARE(effect.HeightAt(x, y) == 40, lands);
        QCOMPARE(RaisedArea(effect).isEmpty(), !lands);
    }

    void unattachedEffectDoesNothing() {
        RippleEffect effect;
        const auto tiny = Picture(3, 8);
        QVERIFY(!effect.Attach(tiny.data(), 3, 8, false));
        QVERIFY(!effect.Attach(nullptr, 10, 10, false));
        effect.Drop(1, 1, 1, 50);
        QCOMPARE(effect.HeightAt(1, 1), 0);
        QVERIFY(!effect.Tick());
        QVERIFY(effect.Draw(true) == nullptr);
    }

    void frameChangesOnlyWhileTheWaterMoves() {
        const int width = 64;
        const int height = 48;
        const auto picture = Picture(width, height);
        RippleEffect effect;
        QVERIFY(effect.Attach(picture.data(), width, height, true));
        QVERIFY(effect.Draw(false) != nullptr);  // the first frame is always new
        QVERIFY(effect.Draw(false) == nullptr);
        for (int tick = 0; tick < 5; ++tick) QVERIFY(!effect.Tick());
        QVERIFY(effect.Draw(false) == nullptr);

        effect.Drop(32, 24, 5, 120);
        QVERIFY(effect.Tick());
        const std::uint32_t* frame = effect.Draw(false);
        QVERIFY(frame != nullptr);
        QVERIFY(!std::equal(picture.begin(), picture.end(), frame));

        // The damping calms the water; the last changed frame is the still picture again.
        int ticks = 0;
        while (effect.Tick() && ticks < 5000) ++ticks;
        QVERIFY2(ticks < 5000, "the waves never die out");
        QVERIFY(RaisedArea(effect).isEmpty());
        QVERIFY(std::equal(picture.begin(), picture.end(), effect.Frame()));
        QVERIFY(!effect.Tick());
    }

    void wideModeSpreadsFurtherSideways_data() {
        QTest::addColumn<bool>("wide");
        QTest::newRow("normal") << false;
        QTest::newRow("wide") << true;
    }

    void wideModeSpreadsFurtherSideways() {
        QFETCH(bool, wide);
        const int size = 101;
        const auto picture = Picture(size, size);
        RippleEffect effect;
        QVERIFY(effect.Attach(picture.data(), size, size, wide));
        effect.Drop(50, 50, 0, 200);
        for (int step = 0; step < 20; ++step) effect.Step();
        const QRect area = RaisedArea(effect);
        if (wide) {
            QVERIFY2(area.width() > area.height() + 4, qPrintable(QString::number(area.width()) + "x" +
                                                                  QString::number(area.height())));
        } else {
            QCOMPARE(area.width(), area.height());
        }
    }

    void rainDropsInsideWithItsStrength() {
        const auto picture = Picture(kWidth, kHeight);
        RippleEffect effect;
        QVERIFY(effect.Attach(picture.data(), kWidth, kHeight, false));
        effect.Seed(7);
        effect.Rain(0, 1, 1, 1);
        QVERIFY(!effect.Tick());
        QVERIFY(RaisedArea(effect).isEmpty());

        // Chance 1 drops on every tick; size 1 raises one point to 50. After the tick's step that
        // point is 0 again and its neighbours off the outer frame hold 50 / 2.
        for (int round = 0; round < 60; ++round) {
            RippleEffect fresh;
            QVERIFY(fresh.Attach(picture.data(), kWidth, kHeight, false));
            fresh.Seed(static_cast<std::uint32_t>(round));
            fresh.Rain(1, 1, 1, 1);
            QVERIFY(fresh.Tick());
            QList<QPoint> raised;
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < kWidth; ++x) {
                    if (fresh.HeightAt(x, y) == 0) continue;
                    QCOMPARE(fresh.HeightAt(x, y), 25);
                    raised.append(QPoint(x, y));
                }
            }
            QVERIFY(raised.size() >= 2 && raised.size() <= 4);
            int centres = 0;
            for (int y = 1; y <= kHeight - 2; ++y) {
                for (int x = 1; x <= kWidth - 2; ++x) {
                    QList<QPoint> inner;
                    for (const QPoint& step : {QPoint(0, -1), QPoint(-1, 0), QPoint(1, 0), QPoint(0, 1)}) {
                        const QPoint point = QPoint(x, y) + step;
                        const bool offFrame = point.x() >= 1 && point.x() <= kWidth - 2 && point.y() >= 1 &&
                                              point.y() <= kHeight - 2;
                        if (offFrame) inner.append(point);
                    }
                    if (inner == raised) ++centres;
                }
            }
            QCOMPARE(centres, 1);
        }
    }
};

QTEST_APPLESS_MAIN(RippleEffectTest)
#include "RippleEffect_test.moc"
