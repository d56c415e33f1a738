// The synonyms window: search as the user types, clicks that search, history, copy.

#include "synonyms/Frm12Syno.h"

#include "support/LabelFits.h"
#include "support/TestContext.h"
#include "synonyms/SynonymData.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace zorvane;
using synonyms::Frm12Syno;

class Frm12SynoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestContext> test;

    // The window as the user finds it: TimDeb has put "à " in the box.
    std::unique_ptr<Frm12Syno> OpenWindow() {
        auto form = std::make_unique<Frm12Syno>(test->context);
        form->show();
        test->fake.timers.Advance(100);
        return form;
    }

    // Replaces the text as typing over a selection does (key clicks are ASCII only).
    static void Type(Frm12Syno& form, const QString& text) {
        form.Cbo2->lineEdit()->selectAll();
        form.Cbo2->lineEdit()->insert(text);
    }

    static void SearchFor(Frm12Syno& form, const QString& text) {
        Type(form, text);
        QTest::keyClick(form.Cbo2->lineEdit(), Qt::Key_Return);
    }

    // The texts of a list box, or of the history of a combo box, in order.
    template <typename Control> static QStringList Rows(const Control* control) {
        QStringList rows;
        for (int row = 0; row < control->count(); ++row) {
            rows << control->model()->index(row, 0).data().toString();
        }
        return rows;
    }

    static void Click(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.front()).center());
    }

private slots:
    void init() {
        test = std::make_unique<testing::TestContext>(std::vector<std::string>{},
                                                      testing::SampleSynonymLines());
    }

    void opensOnTheStartingTextAndListsAsTheUserTypes() {
        auto form = OpenWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("Dictionnaire des synonymes"));
        QCOMPARE(form->Cbo2->currentText(), QStringLiteral("à "));
        QCOMPARE(form->Cbo2->lineEdit()->selectedText(), QStringLiteral("à "));
        QCOMPARE(Rows(form->Lst), QStringList({"à bras ouverts", "a priori", "à cause de"}));
        QCOMPARE(form->Lbl3->text(), QStringLiteral("3 mots listés."));
        QCOMPARE(form->LstS->count(), 0);
        QVERIFY(form->CmdRechercher->isEnabled());
        QVERIFY(!test->fake.pointer.busy);

        QTest::keyClicks(form->Cbo2->lineEdit(), QStringLiteral("c"));
        QCOMPARE(form->Lst->count(), 0);
        QCOMPARE(form->Lbl3->text(), QStringLiteral("Aucun mot dans la liste."));
        QVERIFY(!form->CmdRechercher->isEnabled());
        QTest::keyClick(form->Cbo2->lineEdit(), Qt::Key_Return);
        QVERIFY(form->Lbl4->text().isEmpty());
        QCOMPARE(form->Cbo2->count(), 0);

        QTest::keyClicks(form->Cbo2->lineEdit(), QStringLiteral("h"));
        QCOMPARE(Rows(form->Lst), QStringList({"chat", "chaton"}));
        QVERIFY(form->CmdRechercher->isEnabled());
        QTest::keyClick(form->Cbo2, Qt::Key_Enter);
        QCOMPARE(form->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''ch''."));
        QVERIFY(form->Lbl3->text().isEmpty());
        QVERIFY(!form->CmdRechercher->isEnabled() && !form->Foc->isEnabled());
        QCOMPARE(form->Cbo2->lineEdit()->cursorPosition(), 0);
        QCOMPARE(Rows(form->Cbo2), QStringList({"ch"}));
    }

    void searchShowsSortedSynonymsAndKeepsTwelveWords() {
        auto form = OpenWindow();
        Type(*form, QStringLiteral("Maison"));
        form->CmdRechercher->click();
        QCOMPARE(Rows(form->LstS),
                 QStringList({"bâtiment", "demeure", "foyer", "habitation", "logis"}));
        QCOMPARE(form->Lbl4->text(), QStringLiteral("5 synonymes pour ''Maison''."));
        QCOMPARE(form->Lbl2->text(), QStringLiteral("MAISON: adjectif nom"));
        SearchFor(*form, QStringLiteral("maison"));
        QCOMPARE(form->LstS->count(), 5);
        QCOMPARE(Rows(form->Cbo2), QStringList({"maison", "Maison"}));

        const QStringList more = {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "b1", "b2"};
        for (const QString& word : more) {
            SearchFor(*form, word);
        }
        const QStringList twelve = Rows(form->Cbo2);
        QCOMPARE(twelve.size(), 12);
        QCOMPARE(twelve.front(), QStringLiteral("b2"));
        QVERIFY(!twelve.contains(QStringLiteral("Maison")));
        QCOMPARE(form->Cbo2->currentText(), QStringLiteral("b2"));
        SearchFor(*form, QStringLiteral("a5"));
        QCOMPARE(Rows(form->Cbo2), twelve); // a known word keeps its place
        QCOMPARE(form->Cbo2->currentText(), QStringLiteral("a5"));

        const int maison = form->Cbo2->findText(QStringLiteral("maison"));
        form->Cbo2->setCurrentIndex(maison);
        emit form->Cbo2->activated(maison);
        QVERIFY(form->CmdRechercher->isEnabled());
        QCOMPARE(Rows(form->Lst), QStringList({"maison"}));
        test->fake.timers.Advance(500);
        QCOMPARE(form->Lbl4->text(), QStringLiteral("5 synonymes pour ''maison''."));
        SearchFor(*form, QStringLiteral("musée de sciences naturelles")); // longest headword
        QVERIFY(testing::ShowsWholeText(form->Lbl4));
    }

    void clickedWordsAreSearchedHalfASecondLater() {
        auto form = OpenWindow();
        Type(*form, QStringLiteral("cha"));
        Click(form->Lst, QStringLiteral("chaton"));
        QCOMPARE(form->Cbo2->currentText(), QStringLiteral("chaton"));
        QCOMPARE(Rows(form->Lst), QStringList({"chaton"})); // rebuilt at once
        QVERIFY(form->LstS->count() == 0);
        test->fake.timers.Advance(500);
        QCOMPARE(Rows(form->LstS), QStringList({"petit chat"}));

        SearchFor(*form, QStringLiteral("chat"));
        Click(form->LstS, QStringLiteral("matou"));
        Click(form->LstS, QStringLiteral("minet"));
        QCOMPARE(form->Cbo2->currentText(), QStringLiteral("minet"));
        test->fake.timers.Advance(500);
        QCOMPARE(Rows(form->Cbo2), QStringList({"minet", "chat", "chaton"}));
        QVERIFY(!test->fake.timers.IsArmed(QStringLiteral("TimLst")));

        SearchFor(*form, QStringLiteral("règlement"));
        QCOMPARE(form->Lbl4->text(), QStringLiteral("21 synonymes pour ''règlement''."));
        Click(form->LstS, QString()); // the empty item, last
        QCOMPARE(form->Cbo2->currentText(), QString());
        test->fake.timers.Advance(500);
        QCOMPARE(Rows(form->Cbo2).front(), QString());
        QCOMPARE(form->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''''."));
    }

    void copiesTheListFromItsPopUpMenuAndHelps() {
        auto form = OpenWindow();
        SearchFor(*form, QStringLiteral("chat"));
        const QPoint first = form->LstS->visualItemRect(form->LstS->item(0)).center();
        QVERIFY(!form->MnuCopier->isVisible());
        QTest::mousePress(form->LstS->viewport(), Qt::RightButton, {}, first);
        QVERIFY(form->MnuCopier->isVisible());
        QVERIFY(form->LstS->selectedItems().isEmpty()); // no search was started
        QVERIFY(!test->fake.timers.IsArmed(QStringLiteral("TimLst")));
        form->MnuCopier->hide();

        Type(*form, QStringLiteral("chatte")); // edited, not searched
        form->MnuCop2->trigger();
        QCOMPARE(
            test->fake.clipboard.text,
            QStringLiteral("Liste des synonyme de ''chatte'':\r\ngreffier\r\nmatou\r\nminet\r\n"));
        QCOMPARE(test->fake.clipboard.clears, 1);
        QCOMPARE(test->fake.boxes.shown.back().text, QStringLiteral("La liste a été copiée."));
        QVERIFY(test->fake.boxes.shown.back().icon == ui::Icon::Information);

        SearchFor(*form, QStringLiteral("zut"));
        form->MnuCop2->trigger();
        QCOMPARE(test->fake.clipboard.text, QStringLiteral("Liste des synonyme de ''zut'':\r\n"));

        form->CmdInfo->click();
        const ui::fake::ShownBox& help = test->fake.boxes.shown.back();
        QVERIFY(help.text.startsWith(QStringLiteral(
            "Dans la zone de texte saisir un mot, puis cliquer sur le\r\nbouton ''Rechercher''.")));
        QVERIFY(help.text.endsWith(QStringLiteral("copier les résultats de la recherche.")));
        QVERIFY(help.title == QStringLiteral("Zorvane") && help.icon == ui::Icon::Information);
    }

    void pastedTextIsCutAndOddCharactersFindNothing() {
        auto form = OpenWindow();
        QGuiApplication::clipboard()->setText(
            QStringLiteral("assommant assommant assommant assommant"));
        form->Cbo2->lineEdit()->selectAll();
        form->Cbo2->lineEdit()->paste();
        QCOMPARE(form->Cbo2->currentText().size(), 29);
        QCOMPARE(form->Lst->count(), 0);

        SearchFor(*form, QStringLiteral("猫🐈 chat"));
        QCOMPARE(form->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''?? chat''."));
        SearchFor(*form, QStringLiteral("e\u0301cole")); // e and a combining acute accent
        QCOMPARE(form->Lbl2->text(), QStringLiteral("ÉCOLE: nom"));
    }

    void internalFailuresAreReportedAndTheWindowGoesOn() {
        test->store.Syno('A').NbSyno = 4301;
        auto form = OpenWindow();
        QCOMPARE(test->fake.boxes.shown.size(), std::size_t{1});
        QVERIFY(test->fake.boxes.shown.back().icon == ui::Icon::Critical);
        QVERIFY(test->fake.boxes.shown.back().text.endsWith(
            QStringLiteral("\r\nErreur interne 022 - 9")));
        QCOMPARE(form->Lbl3->text(), QStringLiteral("3 mots listés."));
        QVERIFY(!test->fake.pointer.busy);
        form->CmdRechercher->click();
        QVERIFY(
            test->fake.boxes.shown.back().text.endsWith(QStringLiteral("Erreur interne 027 - 9")));
        QCOMPARE(form->Lbl4->text(), QStringLiteral("Aucun synonyme pour ''à ''."));
    }
};

QTEST_MAIN(Frm12SynoTest)
#include "Frm12SynoTest.moc"
