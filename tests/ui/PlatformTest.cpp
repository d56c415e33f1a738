// The platform layer: cp1252 boundary, settings file, single-instance lock, link opener,
// Qt's French texts, fake timers.

#include "data/Cp1252Literal.h"
#include "ui/FrenchTranslations.h"
#include "ui/QtServices.h"
#include "ui/Text.h"
#include "ui/fake/FakePlatform.h"

#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace zorvane;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyCp1252ByteSurvivesTheRoundTrip() {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            all.push_back(static_cast<char>(b));
        }
        const QString text = ui::ToQt(all);
        QCOMPARE(text.size(), qsizetype{256});
        QCOMPARE(ui::FromQt(text), all);
    }

    void frenchCharactersMapToTheirBytes() {
        QCOMPARE(ui::FromQt(QStringLiteral("§£’œé")), std::string("\xA7\xA3\x92\x9C\xE9"));
        QCOMPARE(ui::ToQt("\xA7\xA3\x92\x9C\xE9"), QStringLiteral("§£’œé"));
        QCOMPARE(std::string("§£’œé"_cp), std::string("\xA7\xA3\x92\x9C\xE9"));
        QCOMPARE(ui::ToQt("Œuvre €"_cp), QStringLiteral("Œuvre €"));
        // Characters outside cp1252 (CJK, an emoji as a surrogate pair) become one "?" each.
        QCOMPARE(ui::FromQt(QStringLiteral("a漢😀b")), std::string("a??b"));
    }

    void settingsAreTextsInAnIniFile() {
        ui::QtSettingsStore store;
        QVERIFY(!store.Get("ZRVN", "Options", "Absent"));
        QVERIFY(store.Save("ZRVN", "Options", {{"CouleurMDI", "&HFFFFFF"}, {"CouleurBar", "1"}}));
        QVERIFY(store.Save("ZRVN", "Options", {{"CouleurBar", "14737632"}}));
        QVERIFY(!store.Save("ZRVN", "Options", {{"CouleurBar", "1\n2"}})); // would not read back
        QCOMPARE(*store.Get("ZRVN", "Options", "CouleurMDI"), std::string("&HFFFFFF"));
        QCOMPARE(*store.Get("ZRVN", "Options", "CouleurBar"), std::string("14737632"));
        const QString file = ui::QtSettingsStore::FilePath("ZRVN");
        QFile ini(file);
        QVERIFY2(ini.open(QIODevice::ReadOnly), qPrintable(file));
        const QByteArray content = ini.readAll();
        QVERIFY(content.contains("[Options]"));
        QVERIFY(content.contains("CouleurMDI=&HFFFFFF"));
        ini.close();
        QFile::remove(file);
        // A folder in the file's place is a file that cannot be read, not a folder refusing.
        QVERIFY(QDir().mkpath(file));
        QCOMPARE(store.FaultOf("ZRVN"), ui::SettingsFault::FileUnreadable);
        QVERIFY(QDir().rmdir(file));
        QCOMPARE(store.FaultOf("ZRVN"), ui::SettingsFault::WriteFailed);
    }

    void aRunningCopyHoldsTheLockAndADeadOneDoesNot() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zorvane.lock"));
        {
            ui::LockFileInstance first(path);
            QVERIFY(!first.PreviousInstanceRunning());
            QVERIFY(!first.PreviousInstanceRunning()); // asking again keeps the claim
            ui::LockFileInstance second(path);
            QVERIFY(second.PreviousInstanceRunning());
        }
        // A lock left behind by a process that has since died is taken over: write the
        // lock as a copy would, then make it name a process that no longer exists.
        QByteArray content;
        {
            QLockFile holder(path);
            QVERIFY(holder.tryLock(0));
            QFile written(path);
            QVERIFY(written.open(QIODevice::ReadOnly));
            content = written.readAll();
        }
        QProcess gone;
        gone.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        content = QByteArray::number(deadPid) + content.mid(content.indexOf('\n'));
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(content);
        stale.close();
        ui::LockFileInstance next(path);
        QVERIFY(!next.PreviousInstanceRunning());

        // Named after the user id: the same lock whatever $USER says, or when it is unset.
        qunsetenv("USER");
        const QString named = ui::LockFileInstance::DefaultLockPath();
        qputenv("USER", "autre");
        QCOMPARE(ui::LockFileInstance::DefaultLockPath(), named);
        QVERIFY(named.endsWith(QStringLiteral("zorvane-%1.lock").arg(getuid())));
    }

    // The opener gets the link as built, "%", "&", "#" and accents untouched; a mailto: link
    // that no mail program is named for is refused.
    void linksReachTheOpenerByteForByte() {
        QTemporaryDir dir;
        const auto script = [&](const char* name, const QByteArray& body) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + body + "\n");
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        };
        script("opener", "printf '%s' \"$1\" > \"$0.seen\"");
        script("named", "echo courrier.desktop");
        script("unnamed", "true");
        const QString link = QStringLiteral("mailto:a?Subject=50 % & #1&Body=é%0Dl2");
        QVERIFY(!ui::QtLinkOpener(dir.filePath("opener"), dir.filePath("unnamed")).Open(link));
        QVERIFY(ui::QtLinkOpener(dir.filePath("opener"), dir.filePath("named")).Open(link));
        QFile seen(dir.filePath("opener.seen"));
        QTRY_VERIFY(seen.size() > 0);
        QVERIFY(seen.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(seen.readAll()), link);
    }

    void qtOwnTextsReadFrench() {
        QVERIFY(ui::InstallFrenchTranslations(*QCoreApplication::instance()));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Annuler");
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text().remove('&'), "Oui");
    }

    void fakeTimersFireInDeadlineOrder() {
        ui::fake::FakeTimerFactory timers;
        QStringList fired;
        auto slow = timers.Create(QStringLiteral("slow"));
        auto fast = timers.Create(QStringLiteral("fast"));
        slow->OnTick = [&] { fired << QStringLiteral("slow"); };
        fast->OnTick = [&] {
            fired << QStringLiteral("fast");
            if (fired.size() < 3) {
                fast->Start(10); // re-armed by its own tick
            }
        };
        slow->Start(25);
        fast->Start(10);
        timers.Advance(24);
        QCOMPARE(fired, QStringList({"fast", "fast"}));
        timers.Advance(1);
        QCOMPARE(fired, QStringList({"fast", "fast", "slow"}));
        timers.Advance(100);
        QCOMPARE(fired.size(), qsizetype{4});
        QVERIFY(!slow->IsActive());
        QVERIFY(!timers.FireNext());
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
