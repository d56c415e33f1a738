// One scripted run of the whole program on the shipped data: start, loader, every tool
// window opened from its tool-bar button with one search each, the copies, the options
// dialog cancelled, quitting with Yes. The test functions run in order on one program.

#include "anagram/Frm11Ana.h"
#include "app/Frm04Options.h"
#include "check/Frm10Dico.h"
#include "check/Frm15Scrabble.h"
#include "communes/Frm14CD.h"
#include "crossword/Frm13MotCroix.h"
#include "e2e/RunningProgram.h"
#include "nearwords/Frm16Approchant.h"
#include "synonyms/Frm12Syno.h"

#include <QListWidget>

using namespace zorvane;
using app::Tool;
using e2e::kSearchTimeoutMs;

namespace {

bool Lists(const QAbstractItemView* list, const QString& text) {
    const QAbstractItemModel* rows = list->model();
    return !rows->match(rows->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly).isEmpty();
}

void ClickItem(QListWidget* list, const QString& text) {
    const QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).front();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    std::unique_ptr<e2e::RunningProgram> program;

    // No message box came up since the last call: the step went as a user expects.
    void ExpectNoBox(const char* step) {
        QVERIFY2(
            program->boxes.shown.empty(),
            qPrintable(QStringLiteral("%1: %2").arg(
                step, program->boxes.shown.empty() ? QString() : program->boxes.shown[0].text)));
    }

private slots:
    void startsAndLoads() {
        program = std::make_unique<e2e::RunningProgram>();
        QVERIFY(program->shell.Start());
        QTRY_VERIFY_WITH_TIMEOUT(program->Ready(), e2e::kLoadTimeoutMs);
        QVERIFY(program->shell.LoadingScreen() == nullptr);
        QVERIFY(!program->shell.Store().ListeDico.empty());
        // First start: the defaults were written to the store.
        QCOMPARE(program->settings.values.at("ZRVN/Options/CouleurMDI"), std::string("&HFFFFFF"));
        QCOMPARE(program->settings.values.at("ZRVN/Options/CouleurBar"), std::string("&HE0E0E0"));
        ExpectNoBox("loading");
    }

    void dictionaryChecksAndCopies() {
        auto* form = program->Open<check::Frm10Dico>(Tool::Dico);
        QVERIFY(form != nullptr && form->isVisible());
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("maison"));
        form->CmdCtrl->click();
        QTRY_COMPARE_WITH_TIMEOUT(form->LblDef1->text(), QStringLiteral("MAISON"),
                                  kSearchTimeoutMs);
        QVERIFY(form->isEnabled());
        QVERIFY(!form->LblDef3->text().isEmpty()); // read from the definitions file
        form->CmdCop->click();
        QVERIFY(program->clipboard.text.startsWith(QStringLiteral("MAISON\r\n")));
        QVERIFY(program->clipboard.text.contains(form->LblDef3->text()));
        QVERIFY(program->clipboard.text.endsWith(QStringLiteral("Zorvane 1.20 - dictionnaire")));
        QCOMPARE(program->boxes.shown.size(), std::size_t{1}); // the copy notice
        program->boxes.shown.clear();
    }

    void scrabbleCheck() {
        auto* form = program->Open<check::Frm15Scrabble>(Tool::Scrabble);
        QVERIFY(form != nullptr);
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("chien"));
        form->CmdCtrl->click();
        QTRY_COMPARE_WITH_TIMEOUT(form->Lbl[2]->text(),
                                  QStringLiteral("Le mot ''CHIEN'' est valide au scrabble."),
                                  kSearchTimeoutMs);
        QCOMPARE(form->LblPts->text(), QStringLiteral("10")); // C 3, H 4, I 1, E 1, N 1
        ExpectNoBox("scrabble");
    }

    void anagramSearch() {
        auto* form = program->Open<anagram::Frm11Ana>(Tool::Ana);
        QVERIFY(form != nullptr);
        QTest::keyClicks(form->TxtCh, QStringLiteral("chien"));
        form->CmdCh->click();
        QTRY_VERIFY_WITH_TIMEOUT(form->isEnabled() && Lists(form->Lst[5], QStringLiteral("CHINE")),
                                 kSearchTimeoutMs);
        QVERIFY(Lists(form->Lst[5], QStringLiteral("NICHE")));
        QVERIFY(Lists(form->Lst[4], QStringLiteral("CHIE")));
        QVERIFY(form->LblInfo->text().contains(QStringLiteral(" mots trouvés en ")));
        ExpectNoBox("anagram");
    }

    void synonymsSearchAndCopy() {
        auto* form = program->Open<synonyms::Frm12Syno>(Tool::Syno);
        QVERIFY(form != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!form->TimDeb->IsActive(), kSearchTimeoutMs);
        form->Cbo2->lineEdit()->selectAll();
        form->Cbo2->lineEdit()->insert(QStringLiteral("maison"));
        QTest::keyClick(form->Cbo2->lineEdit(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(form->LstS->count() > 1, kSearchTimeoutMs);
        QVERIFY(form->Lbl4->text().endsWith(QStringLiteral(" synonymes pour ''maison''.")));
        form->MnuCop2->trigger();
        QVERIFY(program->clipboard.text.startsWith(
            QStringLiteral("Liste des synonyme de ''maison'':\r\n") + form->LstS->item(0)->text()));
        program->boxes.shown.clear(); // the copy notice, if any
    }

    void crosswordSearchAndCopy() {
        auto* form = program->Open<crossword::Frm13MotCroix>(Tool::MotCroix);
        QVERIFY(form != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!form->TimDeb->IsActive(), kSearchTimeoutMs);
        const QString pattern = QStringLiteral("MAIS?N");
        const int item = form->CboLMot->findText(QStringLiteral("06"));
        form->CboLMot->setCurrentIndex(item);
        emit form->CboLMot->activated(item);
        for (int box = 1; box <= pattern.size(); ++box) {
            if (pattern[box - 1] != QChar('?')) {
                form->TxtS[box]->setFocus();
                QTest::keyClick(form->TxtS[box], pattern[box - 1].toLatin1());
            }
        }
        form->CmdRech1->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            form->isEnabled() && Lists(form->LstRech1, QStringLiteral("MAISON")), kSearchTimeoutMs);
        ClickItem(form->LstRech1, QStringLiteral("MAISON"));
        QCOMPARE(program->clipboard.text, QStringLiteral("MAISON"));
        program->boxes.shown.clear(); // the copy notice
    }

    void nearWordsSearch() {
        auto* form = program->Open<nearwords::Frm16Approchant>(Tool::Approchant);
        QVERIFY(form != nullptr);
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("maison"));
        form->CmdCtrl->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            form->TxtRes->toPlainText().contains(QStringLiteral("\nMAISON          6  100%")),
            kSearchTimeoutMs);
        QVERIFY(form->LblD->text().endsWith(QStringLiteral(" solutions trouvées.")));
        ExpectNoBox("near words");
    }

    void communesByCodeAndByName() {
        auto* form = program->Open<communes::Frm14CD>(Tool::CodPos);
        QVERIFY(form != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!form->TimCP->IsActive() && !form->TimNom->IsActive(),
                                 kSearchTimeoutMs);
        form->TxtCP->setText(QStringLiteral("01000"));
        QVERIFY(Lists(form->LstLaListe, QStringLiteral("01000 BOURG EN BRESSE")));
        form->CmdCopier->click();
        QVERIFY(program->clipboard.text.startsWith(QStringLiteral(
            "Commune: 01000 BOURG EN BRESSE\r\nNom minuscule: Bourg-en-Bresse\r\n")));
        program->boxes.shown.clear(); // the copy notice

        QTest::mouseClick(form->Txt2Foc, Qt::LeftButton);
        QTest::keyClicks(form->TxtCherche, QStringLiteral("saint denis"));
        QVERIFY(Lists(form->LstLaListe, QStringLiteral("93200 ST DENIS")));
        ClickItem(form->LstLaListe, QStringLiteral("97400 ST DENIS"));
        QCOMPARE(form->LblDepartement->text(), QStringLiteral("974 La Réunion"));
        ExpectNoBox("communes");
    }

    void optionsOpenAndCancel() {
        auto* form = program->Open<app::Frm04Options>(Tool::Options);
        QVERIFY(form != nullptr);
        QPointer<QWidget> options = form;
        form->CmdAnnule->click();
        QTRY_VERIFY_WITH_TIMEOUT(options.isNull() || !options->isVisible(), kSearchTimeoutMs);
        QVERIFY(program->settings.saved.size() == 2); // the first start's defaults only
        ExpectNoBox("options");
    }

    void quitsWithYes() {
        program->boxes.answers = {ui::kAnswerNo};
        program->Main()->CmdQ->click();
        QVERIFY(!program->real.End().Ended());
        program->boxes.answers = {ui::kAnswerYes};
        program->Main()->CmdQ->click();
        QVERIFY(program->real.End().Ended());
        QCOMPARE(program->boxes.shown.size(), std::size_t{2});
        QCOMPARE(program->boxes.shown[1].text,
                 QString(15, ' ') + QStringLiteral("Quitter le programme ?"));
        QCOMPARE(program->boxes.shown[1].buttons, ui::Buttons::YesNo);
    }

    void cleanupTestCase() { program.reset(); }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
