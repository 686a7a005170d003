// The ShutdownRoutine releases the program-wide state exactly once, whichever way the program ends.

#include "app/ShutdownRoutine.h"

#include <QProcess>
#include <QTest>
#include <memory>

using nomvera::app::AppState;
using nomvera::app::ShutdownRoutine;

class ShutdownRoutineTest : public QObject {
    Q_OBJECT

private slots:
    void releasesOnceWhicheverWayTheProgramEnds_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("start window closed at once") << "close-start-window";
        QTest::newRow("std::exit from inside the loop") << "exit-from-the-loop";
        QTest::newRow("run early, then again at exit") << "run-before-exit";
    }

    void releasesOnceWhicheverWayTheProgramEnds() {
        QFETCH(QString, way);
        QProcess probe;
        probe.start(QStringLiteral(NOMVERA_SHUTDOWN_PROBE), {way});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(probe.readAllStandardOutput(), QByteArray("released\n"));
    }

    void onlyTheFirstRunReleases() {
        static int releases = 0;
        releases = 0;
        ShutdownRoutine::Install(std::make_unique<AppState>(), [] { ++releases; });
        QVERIFY(ShutdownRoutine::Run());
        QVERIFY(!ShutdownRoutine::Run());
        QCOMPARE(releases, 1);
    }
};

QTEST_MAIN(ShutdownRoutineTest)
#include "ShutdownRoutine_test.moc"
