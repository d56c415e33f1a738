// The dictionary and Scrabble windows: typing, the timed check, each kind of result, the
// blinking notice, copying, and the missing definitions file.

#include "CheckData.h"
#include "DefinitionsFixture.h"
#include "check/Frm10Dico.h"
#include "check/Frm15Scrabble.h"
#include "support/TestContext.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using namespace zorvane;
using check::Frm10Dico;
using check::Frm15Scrabble;

class CheckWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TempFolder> folder;
    std::unique_ptr<testing::TestContext> test;

    template <typename Form> std::unique_ptr<Form> Open() {
        auto form = std::make_unique<Form>(test->context);
        form->show();
        return form;
    }

    // Types over what the box holds, as a paste would (no key filter on the way).
    static void Put(check::WordCheckForm& form, const QString& text) {
        form.TxtCtrl->selectAll();
        form.TxtCtrl->insert(text);
    }

    // Key presses with their text, accented letters included.
    static void Type(QWidget* box, const QString& keys) {
        for (const QChar key : keys) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(key));
            QCoreApplication::sendEvent(box, &press);
        }
    }

    void Search(check::WordCheckForm& form, const QString& text) {
        Put(form, text);
        form.CmdCtrl->click();
        test->fake.timers.Advance(check::WordCheckForm::kTimChercheMs);
        QCOMPARE(form.focusWidget(), form.TxtCtrl); // ready for the next word
    }

    QStringList Boxes() const {
        QStringList texts;
        for (const ui::fake::ShownBox& box : test->fake.boxes.shown) {
            texts << box.text;
        }
        return texts;
    }

    static QColor TextColour(const QLabel* label) {
        return label->palette().color(QPalette::WindowText);
    }

    // Visibility of LblValideODS after each blink tick.
    QList<bool> BlinkSequence(const QLabel* notice, const QLabel* sentence) {
        QList<bool> seen;
        for (int tick = 0; tick < 6; ++tick) {
            test->fake.timers.Advance(check::WordCheckForm::kTimClignoMs);
            seen << notice->isVisible();
            if (sentence->isVisible()) {
                seen << false; // never shown while blinking
            }
        }
        return seen;
    }

    void SaveScreenshot(QWidget& form, const QString& name) {
        const QByteArray shots = qgetenv("ZORVANE_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            QVERIFY(form.grab().save(QString::fromLocal8Bit(shots) + "/" + name + ".png"));
        }
    }

private slots:
    void init() {
        folder = std::make_unique<testing::TempFolder>();
        test = std::make_unique<testing::TestContext>(testing::kCheckDico);
        test->values.FichierDefinitions =
            folder->Write("definitions1.20.ret", testing::CheckDefinitions());
    }

    void dicoKeyFilterAndPaste() {
        auto form = Open<Frm10Dico>();
        QCOMPARE(form->windowTitle(), QStringLiteral("Le dictionnaire"));
        QCOMPARE(form->LblA->text(),
                 QStringLiteral("Dictionnaire 510000 mots de 2 à 15 lettres, avec définitions."));
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("k"));
        QVERIFY(!form->CmdCtrl->isEnabled());
        Type(form->TxtCtrl, QStringLiteral("I1éı ")); // ı upper-cases to I, yet is no A-Z letter
        QCOMPARE(form->TxtCtrl->text(), QStringLiteral("kI"));
        QCOMPARE(form->LblN->text(), QStringLiteral("2"));
        QVERIFY(form->CmdCtrl->isEnabled() && form->CmdCtrl->isDefault());
        const QString refused = QStringLiteral(
            "Caractère non valide.\r\nSeules les lettres de A à Z, sans accent, sont acceptées.");
        QCOMPARE(Boxes(), QStringList({refused, refused, refused, refused}));
        QVERIFY(test->fake.boxes.shown.back().title == QStringLiteral("Zorvane"));

        Put(*form, QStringLiteral("ab-c1dé"));
        QCOMPARE(form->TxtCtrl->text(), QStringLiteral("abcd"));
        QCOMPARE(Boxes().size(), 5);
        Put(*form, QStringLiteral("abcdefghijklmnopqrst"));
        QCOMPARE(form->TxtCtrl->text(), QStringLiteral("abcdefghijklmno"));
        QTest::keyClicks(form->TxtCtrl, QStringLiteral("z"));
        QCOMPARE(form->TxtCtrl->text().size(), 15);
        QCOMPARE(Boxes().size(), 5); // the 16th letter is refused without a word

        QFocusEvent leave(QEvent::FocusOut);
        QCoreApplication::sendEvent(form->TxtCtrl, &leave);
        QVERIFY(!form->CmdCtrl->isDefault());
    }

    void dicoFoundWordAndCopy() {
        auto form = Open<Frm10Dico>();
        Put(*form, QStringLiteral("abaca"));
        QTest::keyClick(form->TxtCtrl, Qt::Key_Return);
        QCOMPARE(form->LblD->text(), QStringLiteral("Recherche en cours, patientez..."));
        QVERIFY(form->LblD->isVisible() && test->fake.pointer.busy);
        QVERIFY(test->fake.timers.IsArmed(QStringLiteral("TimCherche")));
        test->fake.timers.Advance(100);
        QVERIFY(form->isEnabled() && !test->fake.pointer.busy && !form->LblD->isVisible());
        QCOMPARE(form->LblDef1->text(), QStringLiteral("ABACA"));
        QCOMPARE(form->LblDef2->text(), QStringLiteral("nom"));
        QCOMPARE(form->LblDef3->text(),
                 QStringLiteral("Voir ABAQUE.\r\nTablette du chapiteau d'une colonne."));
        QCOMPARE(form->Lbl[2]->text(), QStringLiteral("Le mot ''ABACA'' est valide au scrabble."));
        QVERIFY(form->Lbl[0]->isVisible() && form->Lbl[1]->isVisible() &&
                form->Lbl[2]->isVisible());
        QCOMPARE(form->LblPts->text(), QStringLiteral("9"));
        QVERIFY(form->CmdCop->isEnabled());
        QCOMPARE(TextColour(form->LblCop1), QColor(Qt::black));
        SaveScreenshot(*form, QStringLiteral("Frm10Dico"));

        form->CmdCop->click();
        form->CmdCop->click();
        QVERIFY(test->fake.clipboard.text.startsWith(
            QStringLiteral("ABACA\r\nnom\r\nVoir ABAQUE.\r\nTablette")));
        QVERIFY(
            test->fake.clipboard.text.endsWith(QStringLiteral("\r\nZorvane 1.20 - dictionnaire")));
        QCOMPARE(test->fake.clipboard.clears, 2);
        QCOMPARE(Boxes(), QStringList({QStringLiteral(
                              "Le mot et sa définition ont été copiés dans le presse-papier.")}));

        QTest::keyClick(form->TxtCtrl, Qt::Key_Backspace);
        QVERIFY(form->LblDef1->text().isEmpty() && form->LblDef3->text().isEmpty());
        QVERIFY(!form->LblPts->isVisible() && !form->Lbl[2]->isVisible());
        QVERIFY(!form->CmdCop->isEnabled());
        QCOMPARE(TextColour(form->LblCop2), QColor(0xC0, 0xC0, 0xC0));
    }

    void dicoOtherResults() {
        auto form = Open<Frm10Dico>();
        Search(*form, QStringLiteral("chat"));
        QVERIFY(form->ImfInfo->isVisible() && form->Lbl[2]->text().isEmpty());
        QCOMPARE(form->LblPts->text(), QStringLiteral("9"));
        QCOMPARE(BlinkSequence(form->LblValideODS, form->Lbl[2]),
                 QList<bool>({true, false, true, false, true, true}));
        QVERIFY(!test->fake.timers.IsArmed(QStringLiteral("TimCligno")));
        QTest::mouseClick(form->ImfInfo, Qt::LeftButton);
        QVERIFY(Boxes().back().endsWith(
            QStringLiteral("Le mot chat existe mais n'est pas admis\r\nau jeu de scrabble.")));

        Search(*form, QStringLiteral("KIWI"));
        QCOMPARE(form->LblDef1->text(), QStringLiteral("Ce mot existe dans le dictionnaire."));
        QCOMPARE(form->LblDef3->text(), QStringLiteral("Pas de définition pour ce mot."));
        QCOMPARE(form->LblPts->text(), QStringLiteral("22"));
        QVERIFY(!form->Lbl[2]->isVisible() && !form->CmdCop->isEnabled());
        QVERIFY(!form->ImfInfo->isVisible() && !form->LblValideODS->isVisible());

        Search(*form, QStringLiteral("ETE"));
        QVERIFY(
            form->LblDef3->text().startsWith(QStringLiteral("Ce mot existe mais il n'y a pas")));
        QVERIFY(!form->CmdCop->isEnabled());

        Search(*form, QStringLiteral("CHIEN"));
        QVERIFY(form->LblDef4->isVisible() && !form->LblDef1->isVisible());
        QVERIFY(!form->LblPts->isVisible() && !form->Lbl[0]->isVisible());
    }

    void dicoMissingFileAndDragging() {
        test->values.FichierDefinitions = folder->PathOf("absent.ret");
        QMdiArea area;
        area.resize(1200, 900);
        auto* form = new Frm10Dico(test->context);
        QMdiSubWindow* child = area.addSubWindow(form);
        area.show();
        child->show();
        bool drawnBeforeBox = false;
        test->fake.boxes.onShow = [&] { drawnBeforeBox = form->LblDef4->isVisible(); };
        Search(*form, QStringLiteral("abaque"));
        QVERIFY(!drawnBeforeBox); // the box first, then the not-found display
        QCOMPARE(Boxes(),
                 QStringList({QStringLiteral(
                     "Erreur 53\r\nLe fichier des définitions des mots est introuvable.")}));
        QVERIFY(test->fake.boxes.shown.back().icon == ui::Icon::Information);
        QVERIFY(form->LblDef4->isVisible() && !form->LblPts->isVisible());
        QVERIFY(form->isEnabled() && !test->fake.pointer.busy && !form->LblD->isVisible());

        const QPoint before = child->pos();
        QTest::mousePress(form->LblA, Qt::RightButton, {}, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(45, 25),
                         form->LblA->mapToGlobal(QPointF(45, 25)), Qt::NoButton, Qt::RightButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(form->LblA, &move);
        QTest::mouseRelease(form->LblA, Qt::RightButton, {}, QPoint(45, 25));
        QCOMPARE(child->pos(), before + QPoint(40, 20));
    }

    void scrabbleResults() {
        auto form = Open<Frm15Scrabble>();
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Vérifier si un mot est admis au jeu de scrabble"));
        QCOMPARE(form->CmdCtrl->text(), QStringLiteral("  Vérifier "));
        Put(*form, QStringLiteral("é"));
        QVERIFY(!form->CmdCtrl->isEnabled());
        Search(*form, QStringLiteral("é1"));
        QVERIFY(form->LblDef4->isVisible() && Boxes().isEmpty());

        Search(*form, QStringLiteral("ete"));
        QCOMPARE(form->Lbl[2]->text(), QStringLiteral("Le mot ''ETE'' est valide au scrabble."));
        QCOMPARE(form->LblPts->text(), QStringLiteral("3"));
        QVERIFY(form->LblPts->isVisible() && form->Lbl[2]->isVisible());
        Search(*form, QStringLiteral("qi"));
        QCOMPARE(form->LblPts->text(), QStringLiteral("9"));
        QCOMPARE(form->LblDef3->text(), QStringLiteral("Voir ABACA, ou la page où on le dit."));
        SaveScreenshot(*form, QStringLiteral("Frm15Scrabble"));

        QTest::keyClicks(form->TxtCtrl, QStringLiteral("x"));
        QVERIFY(!form->LblPts->isVisible() && !form->Lbl[2]->isVisible());
        QCOMPARE(form->LblDef3->text(), QStringLiteral("Voir ABACA, ou la page où on le dit."));

        Search(*form, QStringLiteral("chat"));
        QVERIFY(form->ImfInfo->isVisible() && !form->LblPts->isVisible());
        QCOMPARE(BlinkSequence(form->LblValideODS, form->Lbl[2]),
                 QList<bool>({true, false, true, false, true, true}));
        QCOMPARE(form->LblValideODS->text(),
                 QStringLiteral("Ce mot n'est pas admis dans les tournois de scrabble."));

        Search(*form, QStringLiteral("kiwi"));
        QCOMPARE(form->LblDef3->text(), QStringLiteral("Pas de définition pour ce mot."));
        QCOMPARE(form->LblPts->text(), QStringLiteral("22"));
        Put(*form, QStringLiteral("abcdefghijklmnopqrst"));
        QCOMPARE(form->TxtCtrl->text().size(), 15);
    }

    void scrabbleMissingFile() {
        test->values.FichierDefinitions = folder->PathOf("absent.ret");
        auto form = Open<Frm15Scrabble>();
        Search(*form, QStringLiteral("KIWI"));
        QVERIFY(Boxes().size() == 1 && Boxes().front().startsWith(QStringLiteral("Erreur 53\r\n")));
        QVERIFY(form->LblDef4->isVisible() && !form->LblPts->isVisible());
        QVERIFY(form->isEnabled() && !test->fake.pointer.busy && !form->LblD->isVisible());
    }
};

QTEST_MAIN(CheckWindowsTest)
#include "CheckWindowsTest.moc"
