// One copy at a time: a second copy started while the first is still loading is refused;
// a copy killed during loading leaves a lock that the next start takes over.

#include "e2e/StartupRun.h"
#include "ui/QtServices.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace zorvane;

namespace {

// The process id a lock file names (its first line).
qint64 LockOwner(const QString& lockPath) {
    QFile lock(lockPath);
    return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : -1;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    // The built program, offscreen, with a home, configuration and temporary folder of
    // its own, so its lock and settings stay in the test's folder.
    void StartProgram(QProcess& program) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString path = folder.filePath(QString::fromLatin1(name));
            QDir().mkpath(path);
            environment.insert(QString::fromLatin1(name), path);
        }
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(ZORVANE_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
    }

    QString ProgramLock() const {
        return folder.filePath(QStringLiteral("TMPDIR/zorvane-%1.lock").arg(getuid()));
    }

private slots:
    void secondCopyWhileTheFirstLoads() {
        const QString lockPath = folder.filePath(QStringLiteral("copies.lock"));
        ui::fake::FakeSettingsStore settings;
        ui::LockFileInstance firstLock(lockPath);
        e2e::StartupRun first(settings, firstLock);
        QVERIFY(first.Load()); // splash shown, the colours not read yet: still starting

        ui::LockFileInstance secondLock(lockPath);
        e2e::StartupRun second(settings, secondLock);
        QVERIFY(!second.Load());
        QCOMPARE(second.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(second.fake.boxes.shown[0].text, QStringLiteral("Le programme est déja lancé."));
        QCOMPARE(second.fake.boxes.shown[0].icon, ui::Icon::Exclamation);
        QVERIFY(second.fake.end.ended && !second.fake.timers.FireNext()); // no window will come

        // The first goes on loading and is never told about the second.
        first.fake.timers.Advance(600);
        QVERIFY(first.handedOver);
        QVERIFY(first.fake.boxes.shown.empty());
        QVERIFY(secondLock.PreviousInstanceRunning()); // asked again: still refused
    }

    void killedDuringLoadingThenStartedAgain() {
        QProcess killed;
        StartProgram(killed);
        const qint64 killedId = killed.processId();
        QTRY_COMPARE_WITH_TIMEOUT(LockOwner(ProgramLock()), killedId, 10000);
        QTest::qWait(900); // past the splash: the loader's steps are running
        QCOMPARE(killed.state(), QProcess::Running);
        killed.kill(); // SIGKILL: no clean-up, the lock file stays behind
        QVERIFY(killed.waitForFinished());
        QCOMPARE(LockOwner(ProgramLock()), killedId);

        QProcess again;
        StartProgram(again);
        QTRY_COMPARE_WITH_TIMEOUT(LockOwner(ProgramLock()), again.processId(), 10000);
        QTest::qWait(1000);
        QCOMPARE(again.state(), QProcess::Running); // not refused, not crashed
        again.kill();
        QVERIFY(again.waitForFinished());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
