// A settings file full of garbage, of huge values or that is a FIFO, read through the real
// store at start-up: the program starts on the default colours and writes them back; a
// usable value beside the garbage is kept.

#include "e2e/StartupRun.h"
#include "ui/QtServices.h"

#include <QStandardPaths>
#include <QtTest>
#include <fstream>
#include <random>
#include <sys/stat.h>

using namespace zorvane;

namespace {

std::string Noise(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

} // namespace

class HostileSettingsTest : public QObject {
    Q_OBJECT

    QString file;
    ui::QtSettingsStore store;

    void WriteSettings(const std::string& bytes) {
        QFile::remove(file);
        std::ofstream(file.toStdString(), std::ios::binary) << bytes;
    }

    std::string Stored(const char* key) const {
        return store.Get("ZRVN", "Options", key).value_or("(absent)");
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        file = ui::QtSettingsStore::FilePath("ZRVN");
        QVERIFY(file.contains(QStringLiteral(".qttest")));
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    }

    void garbageGivesTheDefaultsWrittenBack_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary") << QByteArray::fromStdString(Noise(64 * 1024));
        static constexpr char kControls[] =
            "[Options]\nCouleurMDI=\0\x01\x1b\nCouleurBar=\x7f\r\r\r";
        QTest::newRow("NUL and controls") << QByteArray(kControls, sizeof kControls - 1);
        QTest::newRow("words") << QByteArray("[Options]\nCouleurMDI=vert\nCouleurBar=&HZZ\n");
        QTest::newRow("signs") << QByteArray("[Options]\nCouleurMDI=-1\nCouleurBar=&H-1\n");
        QTest::newRow("overflow") << QByteArray("[Options]\nCouleurMDI=&HFFFFFFFFFFFFFFFFFFFFFF\n"
                                                "CouleurBar=99999999999999999999999999\n");
        QTest::newRow("5 MB value") << "[Options]\nCouleurMDI=" + QByteArray(5 << 20, '7') +
                                           "\nCouleurBar=" + QByteArray(5 << 20, '@') + "\n";
        QTest::newRow("broken sections")
            << QByteArray("[Options\n=&HFFFFFF\n[[]]\nCouleurMDI\n[Options]\n=\n");
    }

    void garbageGivesTheDefaultsWrittenBack() {
        QFETCH(QByteArray, bytes);
        WriteSettings(bytes.toStdString());
        e2e::StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QVERIFY(run.fake.boxes.shown.empty());
        QCOMPARE(run.values.CouleurFenetre, std::string("&HFFFFFF"));
        QCOMPARE(run.values.CouleurBarre, std::string("&HE0E0E0"));
        QCOMPARE(Stored("CouleurMDI"), std::string("&HFFFFFF"));
        QCOMPARE(Stored("CouleurBar"), std::string("&HE0E0E0"));
        QVERIFY(QFileInfo(file).size() < 1 << 20); // the huge values are gone
    }

    void usableValueBesideGarbageIsKept() {
        WriteSettings("[Options]\nCouleurMDI=255\nCouleurBar=" + Noise(300) + "\n");
        e2e::StartupRun run(store);
        QVERIFY(run.RunToLoadingScreen());
        QCOMPARE(run.values.CouleurFenetre, std::string("255"));
        QCOMPARE(run.values.CouleurBarre, std::string("&HE0E0E0"));
        QCOMPARE(Stored("CouleurMDI"), std::string("255"));
        QCOMPARE(Stored("CouleurBar"), std::string("&HE0E0E0"));
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
        QVERIFY(QFileInfo(file).isFile() == false && QFileInfo::exists(file));
        QFile::remove(file); // other tests share the folder
    }

    void cleanupTestCase() { QFile::remove(file); }
};

QTEST_MAIN(HostileSettingsTest)
#include "HostileSettingsTest.moc"
