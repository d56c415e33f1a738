// Settings that cannot be saved, through the real store with XDG_CONFIG_HOME set: the
// program's folder in it cannot be created, is read-only, or is on a full disk. The user is
// told in French, what was saved before stays, and the program goes on.

#include "app/Frm04Options.h"
#include "app/SettingsMessages.h"
#include "e2e/StartupRun.h"
#include "support/TestContext.h"
#include "ui/QtServices.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

using namespace zorvane;

class ConfigFolderTest : public QObject {
    Q_OBJECT

    QTemporaryDir base;
    QString programFolder; // $XDG_CONFIG_HOME/Zorvane, where ZRVN.ini belongs
    ui::QtSettingsStore store;

    // Start-up, then the options saved: each refused with the message of its cause, nothing
    // stopped, and the window colour saved before (if any) still the one stored.
    void ExpectRefusedButRunning(ui::SettingsFault cause,
                                 const std::optional<std::string>& savedFenetre = {}) {
        e2e::StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QCOMPARE(run.values.CouleurFenetre, savedFenetre.value_or("&HFFFFFF"));
        QCOMPARE(run.values.CouleurBarre, std::string("&HE0E0E0"));
        QCOMPARE(run.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(run.fake.boxes.shown[0].text,
                 app::SettingsNotSavedMessage(cause, app::SettingsMoment::Startup));
        QCOMPARE(run.fake.boxes.shown[0].icon, ui::Icon::Exclamation);

        testing::TestContext test;
        ui::ToolContext context{run.platform, test.values, test.store};
        int applied = 0;
        auto* options = new app::Frm04Options(context, [&applied] { ++applied; });
        QPointer<app::Frm04Options> alive = options;
        options->show();
        options->CmdDefaut->click();
        options->CmdEnregistre->click();
        QCOMPARE(run.fake.boxes.shown.size(), std::size_t{2});
        QCOMPARE(run.fake.boxes.shown[1].text,
                 app::SettingsNotSavedMessage(cause, app::SettingsMoment::Options));
        QCOMPARE(test.values.CouleurFenetre, std::string("16777215")); // still applied
        QVERIFY(applied > 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete alive.data();
        QCOMPARE(store.Get("ZRVN", "Options", "CouleurMDI"), savedFenetre);
    }

private slots:
    void initTestCase() {
        // Before any settings are touched: the store takes its folder once per process.
        qputenv("XDG_CONFIG_HOME", base.filePath(QStringLiteral("config")).toLocal8Bit());
        QVERIFY(QDir().mkpath(base.filePath(QStringLiteral("config"))));
        programFolder = base.filePath(QStringLiteral("config/Zorvane"));
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
        QVERIFY(QDir().mkpath(programFolder));
        QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (::access(programFolder.toLocal8Bit().constData(), W_OK) == 0) {
            QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
            QSKIP("running as root: a read-only folder is still writable");
        }
        ExpectRefusedButRunning(ui::SettingsFault::FolderNotWritable);
        QFile::setPermissions(programFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
    }

    // A real file system with no room left: the bar colour is missing, so start-up writes
    // its default back, then the options save both; each write fails and the file stays.
    void fullDiskKeepsTheSavedFile() {
        QVERIFY(QDir().mkpath(programFolder));
        const QByteArray folder = QFile::encodeName(programFolder);
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0) {
            QSKIP(qPrintable(QStringLiteral("no small file system can be mounted here: ") +
                             QString::fromLocal8Bit(std::strerror(errno))));
        }
        const auto unmount = qScopeGuard([&folder] { ::umount2(folder.constData(), MNT_DETACH); });
        const QByteArray saved = "[Options]\nCouleurMDI=255\n";
        QFile file(programFolder + QStringLiteral("/ZRVN.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(saved) == saved.size());
        file.close();
        QFile filler(programFolder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write("x", 1) == 1) {
        }
        filler.close();

        ExpectRefusedButRunning(ui::SettingsFault::WriteFailed, "255");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
        QCOMPARE(QDir(programFolder).entryList(QDir::Files).size(), 2); // no copy left over
    }

    // Once the folder can be written again, the defaults are saved as on a first start.
    void writableAgainSavesTheDefaults() {
        e2e::StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QVERIFY(run.fake.boxes.shown.empty());
        QCOMPARE(store.Get("ZRVN", "Options", "CouleurMDI").value_or(""), std::string("&HFFFFFF"));
        QVERIFY(QFile::exists(programFolder + QStringLiteral("/ZRVN.ini")));
    }
};

QTEST_MAIN(ConfigFolderTest)
#include "ConfigFolderTest.moc"
