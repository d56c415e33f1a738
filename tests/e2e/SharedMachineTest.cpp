// Two users on one machine. What the program makes for a moment (the page that names the
// browser) or for its whole run (the single-copy lock) is out of another user's reach: what
// that user plants in a shared folder under the names the program once used changes
// nothing for the first one, and nothing the program makes there has a name known in
// advance. Run as root, each case runs as two unprivileged users: a bare user number plants
// the traps, nobody runs the program's code.

#include "e2e/AsNobody.h"
#include "ui/HtmlProbeFile.h"
#include "ui/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace zorvane;

namespace {

constexpr char kSharedVariable[] = "ZORVANE_SHARED";
constexpr QByteArrayView kNotes = "mes notes\n";

// Mode bits of a path, its link not followed.
mode_t ModeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
}

bool IsPrivateFolderOfMine(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700;
}

} // namespace

class SharedMachineTest : public QObject {
    Q_OBJECT

    // Root's side: a folder every user may write (mode 0777, like a project's common folder;
    // no sticky bit, so a link planted there is followed), nobody's home with a file of
    // nobody's, the traps planted by the other user; then the test function (or, given, the
    // program) run as nobody with the shared folder as its temporary folder and a runtime
    // folder of its own. Afterwards nobody's file is as it was and the shared folder holds
    // exactly what the other user put there.
    void RunAsNobodyBesideTraps(
        const QStringList& plantCommands,
        const std::function<void(const QProcessEnvironment&)>& run = [](const auto& environment) {
            e2e::RunAs(QStringLiteral("nobody"), environment);
        }) {
        QTemporaryDir shared(QStringLiteral("/tmp/zorvane-shared-XXXXXX"));
        QTemporaryDir home(QStringLiteral("/tmp/zorvane-home-XXXXXX"));
        QVERIFY(::chmod(QFile::encodeName(shared.path()).constData(), 0777) == 0);
        const QString notes = home.filePath(QStringLiteral("notes.txt"));
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kNotes.data(), kNotes.size()) > 0);
        file.close();
        const QString runtime = home.filePath(QStringLiteral("run"));
        QVERIFY(QDir().mkdir(runtime));
        for (const QString& path : {home.path(), notes, runtime}) {
            QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        }
        QVERIFY(::chmod(QFile::encodeName(home.path()).constData(), 0700) == 0);
        QVERIFY(::chmod(QFile::encodeName(runtime).constData(), 0700) == 0);
        for (QString command : plantCommands) {
            command.replace(QStringLiteral("SHARED"), shared.path())
                .replace(QStringLiteral("NOTES"), notes);
            QCOMPARE(QProcess::execute(QStringLiteral("setpriv"),
                                       e2e::AsUser(QString::number(e2e::kOtherUser))
                                           << QStringLiteral("sh") << QStringLiteral("-c")
                                           << command),
                     0);
        }
        const QStringList planted =
            QDir(shared.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), shared.path());
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QString::fromLatin1(kSharedVariable), shared.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        environment.remove(QStringLiteral("XDG_CACHE_HOME"));
        environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
        run(environment);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kNotes.toByteArray());
        QCOMPARE(
            QDir(shared.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
            planted);
    }

    static QString Shared() { return qEnvironmentVariable(kSharedVariable); }

private slots:
    void initTestCase() {
        if (::geteuid() != 0 && Shared().isEmpty()) {
            QSKIP("two users are set up by root only");
        }
    }

    // The page is made in a folder of its own, open to its user only, under a name no one
    // knows in advance; a link planted under the page's old fixed name is never followed.
    void browserPageIsPrivate() {
        if (::geteuid() == 0) {
            return RunAsNobodyBesideTraps({QStringLiteral("ln -s NOTES SHARED/Zorvane.HTM"),
                                           QStringLiteral("ln -s NOTES SHARED/zorvane.HTM")});
        }
        QString first;
        {
            const ui::HtmlProbeFile page;
            const ui::HtmlProbeFile other;
            first = QFileInfo(page.Path()).absolutePath();
            QVERIFY(first.startsWith(Shared() + '/'));
            QVERIFY(IsPrivateFolderOfMine(first));
            QVERIFY(first != QFileInfo(other.Path()).absolutePath());
            QVERIFY(S_ISREG(ModeOf(page.Path())) && (ModeOf(page.Path()) & 0777) == 0600);
            QFile read(page.Path());
            QVERIFY(read.open(QIODevice::ReadOnly));
            QCOMPARE(read.readAll(), QByteArray("<HTML> <\\HTML>\r\n"));
        }
        QVERIFY(!QFileInfo::exists(first)); // gone with the page
    }

    // The lock lives in the user's own folders only: the runtime folder when it is private,
    // otherwise a folder of mode 0700 in the cache folder. A lock nobody holds is taken over,
    // whatever it holds; a folder of someone else's is refused, never used.
    void lockIsPrivateAndTakenOver() {
        if (::geteuid() == 0) {
            return RunAsNobodyBesideTraps(
                {QStringLiteral("echo 1 > SHARED/zorvane-65534.lock"),
                 QStringLiteral("ln -s SHARED/nowhere SHARED/zorvane.lock"),
                 QStringLiteral("mkdir -m 0777 SHARED/trap")});
        }
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QCOMPARE(QString::fromStdString(ui::LockFileInstance::DefaultFolder()), runtime);
        qputenv("XDG_RUNTIME_DIR", Shared().toLocal8Bit()); // open to all: not used
        const QString cache = QDir::homePath() + QStringLiteral("/.cache/zorvane");
        QCOMPARE(QString::fromStdString(ui::LockFileInstance::DefaultFolder()), cache);
        {
            ui::LockFileInstance first(ui::LockFileInstance::DefaultFolder());
            QCOMPARE(first.Claim(), ui::InstanceClaim::Claimed);
            QVERIFY(IsPrivateFolderOfMine(cache));
            ui::LockFileInstance second(ui::LockFileInstance::DefaultFolder());
            QCOMPARE(second.Claim(), ui::InstanceClaim::OtherCopyRunning);
        }
        QFile left(cache + QStringLiteral("/zorvane.lock"));
        QVERIFY(left.open(QIODevice::WriteOnly) && left.write("garbage, no process") > 0);
        left.close();
        ui::LockFileInstance again(cache.toStdString());
        QCOMPARE(again.Claim(), ui::InstanceClaim::Claimed);

        const QString trap = Shared() + QStringLiteral("/trap");
        ui::LockFileInstance refused(trap.toStdString());
        QCOMPARE(refused.Claim(), ui::InstanceClaim::LockUnavailable);
        QCOMPARE(refused.LockFolder(), trap);
        QVERIFY(!QFileInfo::exists(trap + QStringLiteral("/zorvane.lock")));
    }

    // The program itself, started without a runtime folder, with the traps of the other
    // user in its temporary folder: it runs (not refused) and leaves that folder as it was,
    // its lock in the cache folder.
    void programLeavesTheSharedFolderAlone() {
        if (::geteuid() != 0) {
            QSKIP("run by root only");
        }
        RunAsNobodyBesideTraps(
            {QStringLiteral("echo 1 > SHARED/zorvane-65534.lock"),
             QStringLiteral("ln -s SHARED/nowhere SHARED/Zorvane.HTM")},
            [](QProcessEnvironment environment) {
                environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
                environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
                QTemporaryDir folder(QStringLiteral("/tmp/zorvane-program-XXXXXX"));
                const QString program = folder.filePath(QStringLiteral("zorvane"));
                QVERIFY(QFile::copy(QStringLiteral(ZORVANE_EXECUTABLE), program));
                QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0);
                QProcess run;
                run.setProcessEnvironment(environment);
                run.setProcessChannelMode(QProcess::ForwardedChannels);
                run.start(QStringLiteral("setpriv"), e2e::AsUser(QStringLiteral("nobody"))
                                                         << program);
                const QString lock = environment.value(QStringLiteral("HOME")) +
                                     QStringLiteral("/.cache/zorvane/zorvane.lock");
                QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock), 10000);
                QTest::qWait(1000);
                QCOMPARE(run.state(), QProcess::Running);
                run.kill();
                run.waitForFinished();
            });
    }
};

QTEST_MAIN(SharedMachineTest)
#include "SharedMachineTest.moc"
