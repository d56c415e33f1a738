// The platform layer where it meets the system: the cp1252 boundary, the real settings file
// and Qt's own texts in French.

#include "data/Cp1252Literal.h"
#include "ui/FrenchTranslations.h"
#include "ui/QtServices.h"
#include "ui/Text.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

using namespace zorvane;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void cp1252RoundTripAndFrenchCharacters() {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            all.push_back(static_cast<char>(b));
        }
        QCOMPARE(ui::ToQt(all).size(), qsizetype{256});
        QCOMPARE(ui::FromQt(ui::ToQt(all)), all);
        QCOMPARE(ui::FromQt(QStringLiteral("§£’œé")), std::string("\xA7\xA3\x92\x9C\xE9"));
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
        QCOMPARE(ini.readAll(),
                 QByteArray("[Options]\nCouleurBar=14737632\nCouleurMDI=&HFFFFFF\n"));
        ini.close();
        QFile::remove(file);
        // A folder in the file's place is a file that cannot be read, not a folder refusing.
        QVERIFY(QDir().mkpath(file));
        QCOMPARE(store.FaultOf("ZRVN"), ui::SettingsFault::FileUnreadable);
        QVERIFY(QDir().rmdir(file));
    }

    void qtOwnTextsReadFrench() {
        QVERIFY(ui::InstallFrenchTranslations(*QCoreApplication::instance()));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Annuler");
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text().remove('&'), "Oui");
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
