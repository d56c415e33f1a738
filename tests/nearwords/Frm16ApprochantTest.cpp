// The near-word window on the recording platform: texts, typing, options, the timed search,
// bad input and the internal-error path.

#include "nearwords/Frm16Approchant.h"

#include "support/TestContext.h"
#include "ui/Twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace zorvane;
using nearwords::Frm16Approchant;

namespace {

const QString kRefused = QStringLiteral(
    "Caractère non valide.\r\nSeules les lettres de A à Z, sans accent, sont acceptées.");

QColor TextColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}
QColor Background(QPlainTextEdit* box) {
    return box->palette().color(QPalette::Base);
}

} // namespace

class Frm16ApprochantTest : public QObject {
    Q_OBJECT

    static std::unique_ptr<Frm16Approchant> Open(testing::TestContext& test) {
        auto form = std::make_unique<Frm16Approchant>(test.context);
        form->show();
        form->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(form.get());
        return form;
    }

    static void Paste(QLineEdit* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    }

private slots:
    void loadSetsTextsAndDesignState() {
        testing::TestContext test;
        auto form = Open(test);
        QCOMPARE(form->windowTitle(), QStringLiteral("Mots approchants"));
        QCOMPARE(form->size(), ui::TwipsSize(8760, 6360, form.get()));
        QCOMPARE(form->CmdCtrl->text(), QStringLiteral(" Rechercher"));
        QCOMPARE(form->CmdCtrl->toolTip(), QStringLiteral("Rechercher si un mot existe"));
        QVERIFY(!form->CmdCtrl->isEnabled());
        QCOMPARE(form->TxtCtrl->maxLength(), 13);
        QCOMPARE(form->Fra1->title(), QStringLiteral("Options pour la recherche"));
        QCOMPARE(form->Lbl[1]->text(), QStringLiteral("Précision de la recherche de mots"));
        QCOMPARE(form->Opt[0]->text(), QStringLiteral("Recherche précise."));
        QCOMPARE(form->Opt[1]->text(), QStringLiteral("Précision moyenne."));
        QCOMPARE(form->Opt[2]->text(), QStringLiteral("Précision faible."));
        QVERIFY(form->Opt[0]->isChecked());
        QCOMPARE(form->LblTaux->text(), QStringLiteral("90"));
        QCOMPARE(form->Chk2->text(), QStringLiteral("Prendre en compte les mots ayant une lettre "
                                                    "de plus ou une lettres de moins."));
        QVERIFY(!form->Chk2->isChecked());
        QCOMPARE(form->LblD->text(), QStringLiteral("Entrez un mot dans la zone de texte"));
        QCOMPARE(
            form->LblInfo2->text(),
            QStringLiteral("Cet  utilitaire  permet\r\nde trouver, à partir d'\r\nun mot, "
                           "tous les mots\r\ndont l'orthographe s'en\r\nrapprochent  le  plus."));
        QCOMPARE(form->LblInfo3->text(),
                 QStringLiteral("Note: une recherche\r\nprécise entraînera un\r\nrésultat de "
                                "recherche\r\nfaible , inversement,\r\nplus la précision est\r\n"
                                "faible plus le nombre de\r\nsolutions sera important."));
        QCOMPARE(form->TxtRes->font().family(), QStringLiteral("Courier New"));
    }

    void typingCountsFiltersAndEnablesSearch() {
        testing::TestContext test;
        auto form = Open(test);
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("m"));
        QCOMPARE(form->LblN->text(), QStringLiteral("1"));
        QVERIFY(!form->CmdCtrl->isEnabled());
        QTest::keyClick(form->TxtCtrl, Qt::Key_Return); // too short: no search
        QVERIFY(!test.fake.timers.IsArmed(QStringLiteral("TimFind")));
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("A"));
        QCOMPARE(form->LblN->text(), QStringLiteral("2"));
        QVERIFY(form->CmdCtrl->isEnabled());
        QVERIFY(form->CmdCtrl->isDefault());
        QVERIFY(test.fake.boxes.shown.empty());

        for (const QString& refused :
             {QStringLiteral("é"), QStringLiteral("1"), QStringLiteral(" "), QStringLiteral("-")}) {
            QTest::sendKeyEvent(QTest::Click, form->TxtCtrl, Qt::Key_unknown, refused,
                                Qt::NoModifier);
        }
        QCOMPARE(form->TxtCtrl->text(), QStringLiteral("mA"));
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{4});
        QCOMPARE(test.fake.boxes.shown.back().text, kRefused);
        QCOMPARE(test.fake.boxes.shown.back().title, QStringLiteral("Zorvane"));
        QVERIFY(test.fake.boxes.shown.back().icon == ui::Icon::Information);

        QTest::keyClick(form->TxtCtrl, Qt::Key_Backspace);
        QCOMPARE(form->LblN->text(), QStringLiteral("1"));
        QVERIFY(!form->CmdCtrl->isEnabled());
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("abcdefghijklmnop"));
        QCOMPARE(form->TxtCtrl->text(), QStringLiteral("mabcdefghijkl"));
        QCOMPARE(form->LblN->text(), QStringLiteral("13"));
        QTest::keyClick(form->TxtCtrl, Qt::Key_Return);
        QVERIFY(test.fake.timers.IsArmed(QStringLiteral("TimFind")));
    }

    void pastedTextIsFilteredAndCut() {
        testing::TestContext test;
        auto form = Open(test);
        Paste(form->TxtCtrl, QStringLiteral(" ma1son\t"));
        QCOMPARE(form->TxtCtrl->text(), QStringLiteral("mason"));
        QCOMPARE(form->LblN->text(), QStringLiteral("5"));
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(test.fake.boxes.shown.back().text, kRefused);

        form->TxtCtrl->clear();
        Paste(form->TxtCtrl, QStringLiteral("ANTICONSTITUTIONNELLEMENT"));
        QCOMPARE(form->TxtCtrl->text(), QStringLiteral("ANTICONSTITUT"));
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{1}); // only letters: no message

        form->TxtCtrl->clear();
        Paste(form->TxtCtrl, QStringLiteral("12 €\r\n"));
        QCOMPARE(form->TxtCtrl->text(), QString());
        QVERIFY(!form->CmdCtrl->isEnabled());
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{2});
    }

    void searchWaitsThenShowsResultsAtChosenPrecision() {
        testing::TestContext test({"AISON", "BATEAU", "MAIS", "MAISON", "MAISONS", "RAISON"});
        auto form = Open(test);
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("maison"));
        form->TxtRes->setPlainText(QStringLiteral("ancien résultat"));
        form->CmdCtrl->click();
        QCOMPARE(form->TxtRes->toPlainText(), QString());
        QCOMPARE(Background(form->TxtRes), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(test.fake.pointer.busy);
        QCOMPARE(form->LblD->text(), QStringLiteral("Recherche en cours, patientez..."));
        QCOMPARE(TextColour(form->LblD), QColor(0x00, 0x00, 0xFF));
        QCOMPARE(test.fake.timers.starts.back(), std::make_pair(QStringLiteral("TimFind"), 500));
        test.fake.timers.Advance(499);
        QVERIFY(test.fake.pointer.busy);
        test.fake.timers.Advance(1);
        QVERIFY(!test.fake.timers.IsArmed(QStringLiteral("TimFind")));
        QCOMPARE(form->TxtRes->toPlainText(),
                 QStringLiteral("Solutions:      L:  %\nMAISON          6  100%"));
        QCOMPARE(Background(form->TxtRes), QColor(Qt::white));
        QCOMPARE(form->LblD->text(), QStringLiteral("1 solutions trouvées."));
        QCOMPARE(TextColour(form->LblD), QColor(0x80, 0x40, 0x00));
        QVERIFY(!test.fake.pointer.busy);

        // Lower precision and words one letter longer or shorter.
        form->Opt[2]->click();
        QCOMPARE(form->LblTaux->text(), QStringLiteral("70"));
        QVERIFY(form->Foc->hasFocus());
        form->TxtCtrl->setFocus();
        form->Chk2->click();
        QVERIFY(form->Foc->hasFocus());
        form->CmdCtrl->click();
        test.fake.timers.Advance(500);
        QCOMPARE(form->TxtRes->toPlainText(),
                 QStringLiteral("Solutions:      L:  %\nAISON           5  90%\n"
                                "MAISON          6  100%\nMAISONS         7  92%\n"
                                "RAISON          6  83%"));
        QCOMPARE(form->LblD->text(), QStringLiteral("4 solutions trouvées."));
        form->Opt[0]->click();
        QCOMPARE(form->LblTaux->text(), QStringLiteral("90"));
        form->Opt[1]->click();
        QCOMPARE(form->LblTaux->text(), QStringLiteral("80"));

        // Typing keeps the previous results.
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("s"));
        QCOMPARE(form->LblD->text(), QStringLiteral("4 solutions trouvées."));
        QVERIFY(form->TxtRes->toPlainText().endsWith(QStringLiteral("83%")));
    }

    void failingSearchReportsInternalError() {
        // One more accepted word than the 16-bit count holds.
        testing::TestContext test(std::vector<std::string>(32768, "MAISON"));
        auto form = Open(test);
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("MAISON"));
        form->CmdCtrl->click();
        test.fake.timers.Advance(500);
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(test.fake.boxes.shown[0].text, QStringLiteral("Dépassement de capacité") +
                                                    QString(17, QLatin1Char(' ')) +
                                                    QStringLiteral("\r\nErreur interne 021 - 6"));
        QCOMPARE(test.fake.boxes.shown[0].title, QStringLiteral("Zorvane"));
        QVERIFY(test.fake.boxes.shown[0].icon == ui::Icon::Critical);
        QCOMPARE(form->LblD->text(), QStringLiteral("Erreur programme."));
        QCOMPARE(TextColour(form->LblD), QColor(0x40, 0x40, 0x40));
        QCOMPARE(Background(form->TxtRes), QColor(Qt::white));
        QVERIFY(!test.fake.pointer.busy);
    }
};

QTEST_MAIN(Frm16ApprochantTest)
#include "Frm16ApprochantTest.moc"
