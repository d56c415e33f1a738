// The dictionary window and the command line on broken definitions files: missing, empty,
// unreadable, not a regular file, and one of 200 MB, which must be streamed.

#include "check/Frm10Dico.h"
#include "cli/Searches.h"
#include "e2e/AsNobody.h"
#include "support/TestContext.h"
#include "ui/Text.h"

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sys/stat.h>

using namespace zorvane;
using check::Frm10Dico;

namespace {

// The resident and the peak resident memory of this process, in kB.
long long StatusField(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stoll(line.substr(std::string(field).size()));
        }
    }
    return -1;
}

} // namespace

class HostileDefinitionsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<testing::TestContext> test;
    std::unique_ptr<Frm10Dico> form;

    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    // The word checked in the definitions file at path.
    void Check(const QString& word, const QString& path = {}) {
        if (!path.isEmpty()) {
            test->values.FichierDefinitions = path.toStdString();
        }
        form->TxtCtrl->setText(word);
        form->CmdCtrl->click();
        test->fake.timers.Advance(check::WordCheckForm::kTimChercheMs);
    }

private slots:
    void init() {
        form.reset();
        // ABACA has entry 1, ZYTHUM entry 2.
        test = std::make_unique<testing::TestContext>(std::vector<std::string>{"ABACA", "ZYTHUM"});
        form = std::make_unique<Frm10Dico>(test->context);
        form->show();
    }

    // A FIFO nobody writes to, or an endless device, must not hold the window. The window
    // tells only of a missing file; any other fault ends in the not-found display, as a word
    // without an entry does. The command line names every fault by its number, and calls an
    // empty file damaged.
    void faultsAreToldAlikeAndAtOnce_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("fault");
        QTest::newRow("missing") << Path("absent.ret") << 53;
        QTest::newRow("unreadable") << Path("locked.ret") << 75;
        QTest::newRow("folder") << folder.path() << 75;
        QTest::newRow("FIFO") << Path("fifo.ret") << 75;
        QTest::newRow("endless device") << QStringLiteral("/dev/zero") << 75;
        QTest::newRow("empty file") << Path("empty.ret") << 0;
    }

    void faultsAreToldAlikeAndAtOnce() {
        QFETCH(QString, path);
        QFETCH(int, fault);
        if (QTest::currentDataTag() == QLatin1String("unreadable") && ::geteuid() == 0) {
            return e2e::RunAsNobody();
        }
        ::mkfifo(Path("fifo.ret").toLocal8Bit().constData(), 0600);
        std::ofstream(Path("empty.ret").toStdString(), std::ios::binary) << "";
        std::ofstream(Path("locked.ret").toStdString(), std::ios::binary)
            << "[Cont]\r\n1= OK\xA3n\xA7Tissu.\r\n";
        QVERIFY(QFile::setPermissions(Path("locked.ret"), {}));
        Check(QStringLiteral("ABACA"), path); // the not-found display, ready for the next word
        QVERIFY(form->LblDef4->isVisible() && form->LblDef1->isHidden());
        QVERIFY(form->isEnabled() && !test->fake.pointer.busy && !form->CmdCop->isEnabled());

        cli::SearchData data(
            [](std::string_view, int) { return std::optional<std::string_view>("ABACA"); },
            path.toStdString());
        QString cliMessage;
        try {
            cli::CheckSearch("ABACA", data);
        } catch (const cli::DataFailure& failure) {
            cliMessage = ui::ToQt(failure.what());
        }
        QCOMPARE(cliMessage.section('\r', 0, 0),
                 fault ? QStringLiteral("Erreur %1").arg(fault)
                       : QStringLiteral("Le fichier des définitions des mots est endommagé : "
                                        "il est vide."));
        const auto& told = test->fake.boxes.shown;
        QVERIFY(fault == 53 ? told.size() == 1 && told[0].text == cliMessage : told.empty());
    }

    // 200 MB of entries before the one asked for: found, and never held in memory whole.
    void hugeFileIsStreamed() {
        constexpr long long kFileBytes = 200LL * 1024 * 1024;
        {
            std::ofstream file(Path("huge.ret").toStdString(), std::ios::binary);
            file << "[Cont]\r\n1= OK\xA3n\xA7Tissu de bananier.\r\n";
            std::string block;
            for (int key = 3; block.size() < (1 << 20); ++key) {
                block += std::to_string(key) + "= OK\xA3n\xA7" + std::string(90, 'x') + "\r\n";
            }
            for (long long written = 0; written < kFileBytes;
                 written += static_cast<long long>(block.size())) {
                file << block;
            }
            file << "2= OK\xA3n\xA7"
                    "Bi\xE8re d'orge.\r\n[Fin]\r\n2= OK\xA3n\xA7Pas celle-ci.\r\n";
        }
        QVERIFY(QFileInfo(Path("huge.ret")).size() > kFileBytes);
        const long long residentBefore = StatusField("VmRSS:");
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak from here on
        Check(QStringLiteral("ZYTHUM"), Path("huge.ret"));
        const long long peakGrowthKb = StatusField("VmHWM:") - residentBefore;
        QCOMPARE(form->LblDef1->text(), QStringLiteral("ZYTHUM"));
        QCOMPARE(form->LblDef3->text(), QStringLiteral("Bière d'orge."));
        QVERIFY2(peakGrowthKb < 16LL * 1024, qPrintable(QString::number(peakGrowthKb)));
        Check(QStringLiteral("ABACA"));
        QCOMPARE(form->LblDef3->text(), QStringLiteral("Tissu de bananier."));
        QVERIFY(test->fake.boxes.shown.empty());
    }
};

QTEST_MAIN(HostileDefinitionsTest)
#include "HostileDefinitionsTest.moc"
