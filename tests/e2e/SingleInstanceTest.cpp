// One copy at a time: a second copy started while the first is still loading is refused;
// a copy killed during loading leaves a lock that the next start takes over.

#include "e2e/StartupRun.h"
#include "ui/QtServices.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace zorvane;

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    // The process id the program's lock file names (its first line).
    qint64 LockOwner() const {
        QFile lock(folder.filePath(QStringLiteral("TMPDIR/zorvane-%1.lock").arg(getuid())));
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : -1;
    }

    // The built program, offscreen, with a home, configuration and temporary folder of its
    // own: it takes the lock, is still running past the splash (the loader's steps are
    // running), and is killed (SIGKILL: no clean-up, the lock file stays behind).
    void RunThenKill(qint64& id) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "TMPDIR"}) {
            const QString path = folder.filePath(QString::fromLatin1(name));
            QDir().mkpath(path);
            environment.insert(QString::fromLatin1(name), path);
        }
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(ZORVANE_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        id = program.processId();
        QTRY_COMPARE_WITH_TIMEOUT(LockOwner(), id, 10000);
        QTest::qWait(1000);
        QCOMPARE(program.state(), QProcess::Running); // not refused, not crashed
        program.kill();
        QVERIFY(program.waitForFinished());
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
        qint64 killed = 0, again = 0;
        RunThenKill(killed);
        QCOMPARE(LockOwner(), killed);
        RunThenKill(again); // the lock left behind taken over
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
