// Start-up on the real system. The settings store, in a folder of its own through
// XDG_CONFIG_HOME: a settings file of garbage, of huge values or that is a FIFO gives the
// default colours, written back; a usable value beside the garbage is kept. A folder that
// cannot be made, is read-only or is on a full disk is told in French, what was saved before
// stays and is said to be in use, and the program goes on; copies left by killed saves are
// removed. The lock file: a second copy started while the first is still loading is
// refused; a copy killed during loading leaves a lock the next start takes; a lock that
// cannot be made is told and the program goes on.

#include "app/Frm01Boot.h"
#include "app/Frm04Options.h"
#include "app/SettingsMessages.h"
#include "e2e/AsNobody.h"
#include "support/TestContext.h"
#include "ui/InstanceLock.h"
#include "ui/QtServices.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <random>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace zorvane;

namespace {

// The splash window's start-up on the recording platform, with the settings store and the
// single-instance check given: what the user would see up to the loading screen.
struct StartupRun {
    ui::fake::FakePlatform fake;
    ui::Platform platform;
    data::StartupValues values;
    bool handedOver = false;
    QPointer<app::Frm01Boot> boot;

    StartupRun(ui::SettingsStore& settings, ui::SingleInstance& instance)
        : platform{fake.boxes,   fake.timers,        fake.pointer, fake.clipboard, fake.links,
                   fake.colours, fake.browser,       settings,     fake.resources, instance,
                   fake.end,     "/opt/zorvane/bin", '/'} {}
    explicit StartupRun(ui::SettingsStore& settings) : StartupRun(settings, fake.instance) {}
    ~StartupRun() { delete boot; }

    // The splash window's load; false when this copy ends at once.
    bool Load() {
        boot = new app::Frm01Boot(platform, values, [this] { handedOver = true; });
        return boot->Load();
    }

    // Load, then the colours read and the hand-over to the loading screen; true when it came.
    bool RunToLoadingScreen() {
        const bool loaded = Load();
        fake.timers.Advance(600);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return loaded && handedOver;
    }
};

QByteArray Noise(int size) {
    std::mt19937 random(7);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

} // namespace

class SystemStartupTest : public QObject {
    Q_OBJECT

    QTemporaryDir base;
    QString programFolder; // $XDG_CONFIG_HOME/Zorvane, where ZRVN.ini belongs
    QString file;
    ui::QtSettingsStore store;

    // The process id the program's lock file names (its first line).
    qint64 LockOwner() const {
        QFile lock(base.filePath(QStringLiteral("XDG_RUNTIME_DIR/zorvane.lock")));
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : -1;
    }

    // The built program, offscreen, with a home, configuration and temporary folder of its
    // own: it takes the lock, is still running past the splash (the loader's steps are
    // running), and is killed (SIGKILL: no clean-up, the lock file stays behind).
    void RunThenKill(qint64& id) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "TMPDIR", "XDG_RUNTIME_DIR"}) {
            const QString path = base.filePath(QString::fromLatin1(name));
            QDir().mkpath(path);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

    // Start-up, then the options saved: each refused with the message of its cause, nothing
    // stopped, and the window colour saved before (if any) still the one stored, and said
    // to be the one in use.
    void ExpectRefusedButRunning(ui::SettingsFault cause,
                                 const std::optional<std::string>& savedFenetre = {}) {
        StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QCOMPARE(run.values.CouleurFenetre, savedFenetre.value_or("&HFFFFFF"));
        QCOMPARE(run.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(run.fake.boxes.shown[0].text,
                 app::SettingsNotSavedMessage(cause, app::SettingsMoment::Startup,
                                              {!savedFenetre.has_value(), true}));
        QCOMPARE(run.fake.boxes.shown[0].text.contains(QStringLiteral("la couleur enregistrée")),
                 savedFenetre.has_value());

        testing::TestContext test;
        ui::ToolContext context{run.platform, test.values, test.store};
        QPointer<app::Frm04Options> options = new app::Frm04Options(context, [] {});
        options->show();
        options->CmdDefaut->click();
        options->CmdEnregistre->click();
        QCOMPARE(run.fake.boxes.shown.size(), std::size_t{2});
        QCOMPARE(run.fake.boxes.shown[1].text,
                 app::SettingsNotSavedMessage(cause, app::SettingsMoment::Options));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete options.data();
        QCOMPARE(store.Get("ZRVN", "Options", "CouleurMDI"), savedFenetre);
    }

private slots:
    void initTestCase() {
        // Before any settings are touched: the store takes its folder once per process.
        qputenv("XDG_CONFIG_HOME", base.filePath(QStringLiteral("config")).toLocal8Bit());
        programFolder = base.filePath(QStringLiteral("config/Zorvane"));
        file = ui::QtSettingsStore::FilePath("ZRVN");
        QCOMPARE(file, programFolder + QStringLiteral("/ZRVN.ini"));
    }

    void garbageGivesTheDefaultsWrittenBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fenetre");
        const QString white = QStringLiteral("&HFFFFFF");
        static constexpr char kBroken[] = "[Options]\nCouleurMDI=\0\x01\x1b\nCouleurBar=\x7f\r\r\r"
                                          "[Options\n=&HFFFFFF\n[[]]\nCouleurMDI\n[Options]\n=\n";
        QTest::newRow("binary") << Noise(64 * 1024) << white;
        QTest::newRow("controls, NUL, broken sections")
            << QByteArray(kBroken, sizeof kBroken - 1) << white;
        QTest::newRow("5 MB value") << "[Options]\nCouleurMDI=" + QByteArray(5 << 20, '7') +
                                           "\nCouleurBar=" + QByteArray(5 << 20, '@') + "\n"
                                    << white;
        QTest::newRow("usable beside garbage")
            << "[Options]\nCouleurMDI=255\nCouleurBar=" + Noise(300) + "\n"
            << QStringLiteral("255");
    }

    void garbageGivesTheDefaultsWrittenBack() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fenetre);
        QVERIFY(QDir().mkpath(programFolder));
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(bytes) == bytes.size());
        settings.close();
        StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QVERIFY(run.fake.boxes.shown.empty());
        QCOMPARE(run.values.CouleurFenetre, fenetre.toStdString());
        QCOMPARE(run.values.CouleurBarre, std::string("&HE0E0E0"));
        QCOMPARE(store.Get("ZRVN", "Options", "CouleurMDI"), std::optional(fenetre.toStdString()));
        QCOMPARE(store.Get("ZRVN", "Options", "CouleurBar"),
                 std::optional<std::string>("&HE0E0E0"));
        QVERIFY(QFileInfo(file).size() < 1 << 20); // the huge values are gone
    }

    // Nothing waits on a FIFO nobody writes to: start-up goes on with the defaults, and says
    // they could not be saved, for the FIFO is left as it is.
    void fifoDoesNotHoldStartup() {
        QFile::remove(file);
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QCOMPARE(run.values.CouleurBarre, std::string("&HE0E0E0"));
        QCOMPARE(run.fake.boxes.shown.size(), std::size_t{1});
        QVERIFY(!QFileInfo(file).isFile() && QFileInfo::exists(file));
        QVERIFY(QDir(programFolder).removeRecursively());
    }

    // A file where the folder should be: no one, root included, can make the folder.
    void folderCannotBeCreated() {
        QFile blocker(programFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ExpectRefusedButRunning(ui::SettingsFault::FolderNotWritable);
        QVERIFY(QFile::remove(programFolder));
    }

    // Left empty, or holding the window colour only: the bar's default cannot be written.
    void folderIsReadOnly_data() {
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("window colour saved") << QByteArray("[Options]\nCouleurMDI=255\n");
    }

    void folderIsReadOnly() {
        QFETCH(QByteArray, saved);
        if (::geteuid() == 0) {
            return e2e::RunAsNobody();
        }
        QVERIFY(QDir().mkpath(programFolder));
        if (!saved.isEmpty()) {
            QFile settings(file);
            QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(saved) == saved.size());
        }
        QVERIFY(QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::ExeOwner));
        ExpectRefusedButRunning(ui::SettingsFault::FolderNotWritable,
                                saved.isEmpty() ? std::nullopt : std::optional<std::string>("255"));
    }

    // Copies of the settings file that killed saves left are gone after the next start;
    // anything else beside the file stays.
    void leftoverCopiesAreRemovedAtStart() {
        QVERIFY(QDir().mkpath(programFolder));
        const QStringList leftovers{"ZRVN.ini.a1B2c3", "ZRVN.ini.XXXXXX", "ZRVN.ini.000000"};
        const QStringList kept{"ZRVN.ini.keep", "ZRVN.ini.a1B2c3d", "ZRVN.ini.a1-2c3", "notes.txt"};
        for (const QString& name : leftovers + kept) {
            QFile copy(programFolder + '/' + name);
            QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write("[Options]\n") > 0);
        }
        QVERIFY(QDir().mkdir(programFolder + QStringLiteral("/ZRVN.ini.Folder")));
        StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QStringList left = QDir(programFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QStringList expected = kept + QStringList{"ZRVN.ini", "ZRVN.ini.Folder"};
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
        QVERIFY(QDir(programFolder).removeRecursively());
    }

    // A real file system with no room left: the bar colour is missing, so start-up writes
    // its default back, then the options save both; each write fails and the file stays.
    void fullDiskKeepsTheSavedFile() {
        QVERIFY(QDir().mkpath(programFolder));
        const QByteArray folder = QFile::encodeName(programFolder);
        // Only a machine that forbids mounting (no root, a locked-down container) skips.
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0) {
            QSKIP(qPrintable(QStringLiteral("no small file system can be mounted here: ") +
                             QString::fromLocal8Bit(std::strerror(errno))));
        }
        const auto unmount = qScopeGuard([&folder] { ::umount2(folder.constData(), MNT_DETACH); });
        const QByteArray saved = "[Options]\nCouleurMDI=255\n";
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(saved) == saved.size());
        settings.close();
        QFile filler(programFolder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        filler.write(QByteArray(32 << 10, 'x')); // more than there is room for

        ExpectRefusedButRunning(ui::SettingsFault::WriteFailed, "255");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), saved);
        QCOMPARE(QDir(programFolder).entryList(QDir::Files).size(), 2); // no copy left over
    }

    void secondCopyWhileTheFirstLoads() {
        const std::string lockFolder = base.filePath(QStringLiteral("copies")).toStdString();
        ui::fake::FakeSettingsStore settings;
        ui::LockFileInstance firstLock(lockFolder);
        StartupRun first(settings, firstLock);
        QVERIFY(first.Load()); // splash shown, the colours not read yet: still starting

        ui::LockFileInstance secondLock(lockFolder);
        StartupRun second(settings, secondLock);
        QVERIFY(!second.Load());
        QCOMPARE(second.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(second.fake.boxes.shown[0].text, QStringLiteral("Le programme est déja lancé."));
        QCOMPARE(second.fake.boxes.shown[0].icon, ui::Icon::Exclamation);
        QVERIFY(second.fake.end.ended && !second.fake.timers.FireNext()); // no window will come

        // The first goes on loading and is never told about the second.
        first.fake.timers.Advance(600);
        QVERIFY(first.handedOver);
        QVERIFY(first.fake.boxes.shown.empty());
        QCOMPARE(secondLock.Claim(), ui::InstanceClaim::OtherCopyRunning); // asked again
    }

    // A lock that cannot be made (its folder is a file here) is told, naming the folder,
    // and the program starts all the same.
    void lockThatCannotBeMadeIsToldNotRefused() {
        const QString folder = base.filePath(QStringLiteral("not-a-folder"));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ui::fake::FakeSettingsStore settings;
        ui::LockFileInstance lock(folder.toStdString());
        StartupRun run(settings, lock);
        QVERIFY(run.RunToLoadingScreen());
        QCOMPARE(run.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(run.fake.boxes.shown[0].text, app::Frm01Boot::LockUnavailableMessage(folder));
        QVERIFY(run.fake.boxes.shown[0].text.contains(QStringLiteral("« ") + folder + " »"));
        QVERIFY(!run.fake.end.ended);
    }

    void killedDuringLoadingThenStartedAgain() {
        qint64 killed = 0, again = 0;
        RunThenKill(killed);
        QCOMPARE(LockOwner(), killed);
        RunThenKill(again); // the lock left behind taken over
    }
};

QTEST_MAIN(SystemStartupTest)
#include "SystemStartupTest.moc"
