// One run of the whole program on the shipped data: start and loader, every tool window
// opened from its tool-bar button, a search where the whole program's data are read (the
// definitions file, the anagram index the loader built, the commune lists), then hostile
// pastes into every text box of every window. The test functions run in order on one program.

#include "anagram/Frm11Ana.h"
#include "app/Frm20About.h"
#include "app/FrmMail.h"
#include "app/Shell.h"
#include "check/Frm10Dico.h"
#include "communes/Frm14CD.h"
#include "support/Drive.h"
#include "ui/QtPlatform.h"
#include "ui/fake/FakePlatform.h"

#include <QPlainTextEdit>

using namespace zorvane;
using namespace zorvane::testing;
using app::Tool;

namespace {

// Long enough for the loader's 31 steps under the sanitizers on a busy machine.
constexpr int kLoadTimeoutMs = 60000;
constexpr int kSearchTimeoutMs = 20000;

// The real program in this process: the Qt platform with its timers, pointer, program end
// and embedded resources, the shell on top; only what would block the run or reach the
// desktop (message boxes, clipboard, links, colour dialog, browser, settings, the
// single-instance lock) is recorded instead.
struct RunningProgram {
    ui::QtPlatform real;
    ui::fake::FakePlatform fake;
    // The program folder holds the definitions file and the licence.
    ui::Platform platform{fake.boxes,
                          real.Services().timers,
                          real.Services().pointer,
                          fake.clipboard,
                          fake.links,
                          fake.colours,
                          fake.browser,
                          fake.settings,
                          real.Services().resources,
                          fake.instance,
                          real.Services().end,
                          ZORVANE_PROGRAM_FOLDER,
                          '/'};
    app::Shell shell{platform};

    app::MDI* Main() const { return shell.MainWindow(); }
    bool Ready() const { return Main() != nullptr && Main()->isVisible(); }

    // A click on the tool's button, and its form as the class it is.
    template <typename Form> Form* Open(app::Tool tool) {
        Main()->ToolButtonOf.at(tool)->click();
        return qobject_cast<Form*>(Main()->ToolForm(tool));
    }
};

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> program;

private slots:
    // No message box came up during a step but the copy notices.
    void cleanup() {
        for (const auto& box : program->fake.boxes.shown) {
            QVERIFY2(box.icon == ui::Icon::Information, qPrintable(box.text));
        }
        program->fake.boxes.shown.clear();
    }

    void startsAndLoads() {
        program = std::make_unique<RunningProgram>();
        QVERIFY(program->shell.Start());
        QTRY_VERIFY_WITH_TIMEOUT(program->Ready(), kLoadTimeoutMs);
    }

    // Every tool opens from its button without a word said. The searches that read the
    // program's own data run here: the definitions file, the anagram index the loader built,
    // the commune lists by code and by name; the others are checked by the window tests and,
    // on the shipped data, by the command line's.
    void everyToolOpensAndReadsTheShippedData() {
        auto* dico = program->Open<check::Frm10Dico>(Tool::Dico);
        QTest::keyClicks(dico->TxtCtrl, QStringLiteral("maison"));
        dico->CmdCtrl->click();
        QTRY_COMPARE_WITH_TIMEOUT(dico->LblDef1->text(), QStringLiteral("MAISON"),
                                  kSearchTimeoutMs);
        QVERIFY(!dico->LblDef3->text().isEmpty()); // read from the definitions file

        auto* ana = program->Open<anagram::Frm11Ana>(Tool::Ana);
        QTest::keyClicks(ana->TxtCh, QStringLiteral("chien"));
        ana->CmdCh->click();
        QTRY_VERIFY_WITH_TIMEOUT(ana->isEnabled() && Rows(ana->Lst[5]).contains("CHINE"),
                                 kSearchTimeoutMs);
        QVERIFY(Rows(ana->Lst[5]).contains("NICHE") && Rows(ana->Lst[4]).contains("CHIE"));

        auto* cd = program->Open<communes::Frm14CD>(Tool::CodPos);
        QTRY_VERIFY_WITH_TIMEOUT(!cd->TimCP->IsActive() && !cd->TimNom->IsActive(),
                                 kSearchTimeoutMs);
        cd->TxtCP->setText(QStringLiteral("01000"));
        QVERIFY(Rows(cd->LstLaListe).contains("01000 BOURG EN BRESSE"));
        QTest::mouseClick(cd->Txt2Foc, Qt::LeftButton);
        QTest::keyClicks(cd->TxtCherche, QStringLiteral("saint denis"));
        ClickRow(cd->LstLaListe, int(Rows(cd->LstLaListe).indexOf("97400 ST DENIS")));
        QCOMPARE(cd->LblDepartement->text(), QStringLiteral("974 La Réunion"));

        for (const Tool tool :
             {Tool::Scrabble, Tool::Syno, Tool::MotCroix, Tool::Approchant, Tool::Options}) {
            QVERIFY(program->Open<QWidget>(tool)->isVisible());
        }
        program->Open<app::Frm20About>(Tool::About)->CmdContact->click();
        QTRY_VERIFY_WITH_TIMEOUT(program->Main()->findChild<app::FrmMail*>() &&
                                     program->Main()->findChild<app::FrmMail*>()->isVisible(),
                                 kSearchTimeoutMs);
    }

    // Characters outside cp1252, 10,000 characters, controls, NUL: nothing may crash or
    // freeze, each box keeps within its length limit, and every box takes input again.
    void hostilePastesIntoEveryTextBox() {
        const QStringList texts = {QStringLiteral("😀猫漢字🐈ДЖ"), QString(10000, QChar(u'e')),
                                   QString::fromUtf8("\x01\x02\t\r\n\x1b\x7f\xc2\x85\xc2\x9f"),
                                   QString::fromUtf8("ab\0cd", 5),
                                   QStringLiteral("é?*ŒÀ") + QStringLiteral("👍").repeated(5000)};
        QList<QPointer<QWidget>> boxes;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QWidget* box : window->findChildren<QWidget*>()) {
                if ((qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box)) &&
                    box->isVisible()) {
                    boxes << box;
                }
            }
        }
        const auto usable = [&boxes] {
            return std::count_if(boxes.begin(), boxes.end(), [](const QPointer<QWidget>& box) {
                return box.isNull() || box->isEnabled(); // a closed box counts as given back
            });
        };
        const auto usableBefore = usable();
        QVERIFY2(boxes.size() >= 20, qPrintable(QString::number(boxes.size())));
        for (const QPointer<QWidget>& box : boxes) {
            for (const QString& text : texts) {
                if (box.isNull() || !box->isVisible()) {
                    break; // a paste closed or hid it
                }
                Paste(box, text);
                QCoreApplication::processEvents();
                if (const auto* line = qobject_cast<QLineEdit*>(box.data())) {
                    QVERIFY(line->text().size() <= line->maxLength());
                }
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(usable(), usableBefore, kSearchTimeoutMs);
        QVERIFY(program->Ready());
        QVERIFY(!program->real.End().Ended());
        program->fake.boxes.shown.clear(); // the refused characters are told
    }

    void cleanupTestCase() { program.reset(); }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
