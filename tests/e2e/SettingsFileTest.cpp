// The real settings store, in a folder of its own through XDG_CONFIG_HOME. A settings file of
// garbage, of huge values or that is a FIFO gives the default colours, written back; a
// usable value beside the garbage is kept. A folder that cannot be made, is read-only or is
// on a full disk is told in French, what was saved before stays, and the program goes on.

#include "app/Frm04Options.h"
#include "app/SettingsMessages.h"
#include "e2e/AsNobody.h"
#include "e2e/StartupRun.h"
#include "support/TestContext.h"
#include "ui/QtServices.h"

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

QByteArray Noise(int size) {
    std::mt19937 random(7);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir base;
    QString programFolder; // $XDG_CONFIG_HOME/Zorvane, where ZRVN.ini belongs
    QString file;
    ui::QtSettingsStore store;

    std::string Stored(const char* key) const {
        return store.Get("ZRVN", "Options", key).value_or("(absent)");
    }

    // Start-up, then the options saved: each refused with the message of its cause, nothing
    // stopped, and the window colour saved before (if any) still the one stored.
    void ExpectRefusedButRunning(ui::SettingsFault cause,
                                 const std::optional<std::string>& savedFenetre = {}) {
        e2e::StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QCOMPARE(run.values.CouleurFenetre, savedFenetre.value_or("&HFFFFFF"));
        QCOMPARE(run.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(run.fake.boxes.shown[0].text,
                 app::SettingsNotSavedMessage(cause, app::SettingsMoment::Startup));

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
        e2e::StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QVERIFY(run.fake.boxes.shown.empty());
        QCOMPARE(run.values.CouleurFenetre, fenetre.toStdString());
        QCOMPARE(run.values.CouleurBarre, std::string("&HE0E0E0"));
        QCOMPARE(Stored("CouleurMDI"), fenetre.toStdString());
        QCOMPARE(Stored("CouleurBar"), std::string("&HE0E0E0"));
        QVERIFY(QFileInfo(file).size() < 1 << 20); // the huge values are gone
    }

    // Nothing waits on a FIFO nobody writes to: start-up goes on with the defaults, and says
    // they could not be saved, for the FIFO is left as it is.
    void fifoDoesNotHoldStartup() {
        QFile::remove(file);
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        e2e::StartupRun run(store);
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

    void folderIsReadOnly() {
        if (e2e::Privileged()) {
            return e2e::RunAsNobody();
        }
        QVERIFY(QDir().mkpath(programFolder));
        QVERIFY(QFile::setPermissions(programFolder, QFile::ReadOwner | QFile::ExeOwner));
        ExpectRefusedButRunning(ui::SettingsFault::FolderNotWritable);
        QFile::setPermissions(programFolder,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A real file system with no room left: the bar colour is missing, so start-up writes
    // its default back, then the options save both; each write fails and the file stays.
    void fullDiskKeepsTheSavedFile() {
        QVERIFY(QDir().mkpath(programFolder));
        const QByteArray folder = QFile::encodeName(programFolder);
        if (!e2e::Privileged()) {
            QSKIP("mounting a small file system takes root"); // never under CI, run as root
        }
        QVERIFY2(::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") == 0,
                 std::strerror(errno));
        const auto unmount = qScopeGuard([&folder] { ::umount2(folder.constData(), MNT_DETACH); });
        const QByteArray saved = "[Options]\nCouleurMDI=255\n";
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(saved) == saved.size());
        settings.close();
        QFile filler(programFolder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write("x", 1) == 1) {
        }
        filler.close();

        ExpectRefusedButRunning(ui::SettingsFault::WriteFailed, "255");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), saved);
        QCOMPARE(QDir(programFolder).entryList(QDir::Files).size(), 2); // no copy left over
    }
};

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
