// The anagram window driven through typing, the joker box, searches and refusals, on the
// recording platform with a virtual clock.

#include "anagram/Frm11Ana.h"

#include "support/TestContext.h"

#include <QtTest>

using namespace zorvane;
using anagram::Frm11Ana;

class Frm11AnaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::TestContext> test;
    std::unique_ptr<Frm11Ana> form;
    QTime clock{10, 59, 58};

    static QStringList Items(QListView* list) {
        QStringList items;
        for (int i = 0; i < list->model()->rowCount(); ++i) {
            items << list->model()->index(i, 0).data().toString();
        }
        return items;
    }

    QColor ListColour(int length) const {
        return form->Lst[length]->palette().color(QPalette::Base);
    }

    // Types the draw, presses the button and lets the search timer run, 3 seconds later.
    void Search(const QString& draw) {
        form->TxtCh->clear();
        QTest::keyClicks(form->TxtCh, draw);
        form->CmdCh->click();
        clock = clock.addSecs(3);
        test->fake.timers.Advance(500);
    }

private slots:
    void init() {
        form.reset(); // its timers belong to the previous context
        test = std::make_unique<testing::TestContext>(std::vector<std::string>{
            "AH", "CA", "HA", "TA", "TAC", "CHAT", "CHTI", "TCHI", "CHUT", "ZOO", "CHATS"});
        form = std::make_unique<Frm11Ana>(test->context, test->index, test->packedIndex);
        form->Clock = [this] { return clock; };
        form->show();
        test->fake.timers.Advance(100);
    }

    void startsInDesignStateAndFocusesTheDraw() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Anagrammes-Tous les mots possibles"));
        QVERIFY(!test->fake.timers.IsArmed(QStringLiteral("TimLoad")));
        QCOMPARE(form->LblN->text(), QStringLiteral("0"));
        QVERIFY(!form->CmdCh->isEnabled());
        QVERIFY(!form->Cbo1->isEnabled());
        QVERIFY(form->ImgCochA[1]->isHidden());
        QCOMPARE(form->Lbl[0]->text(), QStringLiteral("Ajouter un joker"));
        QCOMPARE(ListColour(7), QColor(224, 224, 224));
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void typingFiltersUpperCasesAndResetsTheMinimum() {
        QTest::keyClicks(form->TxtCh, "chat");
        QCOMPARE(form->TxtCh->text(), QStringLiteral("CHAT"));
        QCOMPARE(form->LblN->text(), QStringLiteral("4"));
        QVERIFY(form->CmdCh->isEnabled() && form->CmdCh->isDefault());
        QCOMPARE(form->Cbo1->currentText(), QStringLiteral("2"));
        QCOMPARE(form->Cbo1->count(), 3);
        QCOMPARE(form->Cbo1->itemText(2), QStringLiteral("4"));
        form->TxtCh->clear();
        QTest::keyClicks(form->TxtCh, "c-h");
        QCOMPARE(form->TxtCh->text(), QStringLiteral("CH"));
        form->TxtCh->setText(QStringLiteral("c"));
        QVERIFY(!form->CmdCh->isEnabled() && !form->Cbo1->isEnabled());
        // Pasted text: cut at 12 characters, then filtered as typing is; no joker out of
        // characters the code page lacks.
        form->TxtCh->clear();
        form->TxtCh->insert(QStringLiteral("château été 12 ABCDEF"));
        QCOMPARE(form->TxtCh->text(), QStringLiteral("CHTEAUT"));
        form->TxtCh->clear();
        form->TxtCh->insert(QStringLiteral("ABCDEFGHIJKLMNOP"));
        QCOMPARE(form->TxtCh->text(), QStringLiteral("ABCDEFGHIJKL"));
        form->TxtCh->clear();
        form->TxtCh->insert(QStringLiteral("中文ab"));
        QCOMPARE(form->TxtCh->text(), QStringLiteral("AB"));
        QVERIFY(form->ImgCochA[1]->isHidden());
        // The mandatory letter: one capital.
        QTest::sendKeyEvent(QTest::Click, form->Text5, Qt::Key_Eacute, QStringLiteral("é"),
                            Qt::NoModifier);
        QCOMPARE(form->Text5->text(), QString());
        QTest::keyClicks(form->Text5, "1");
        QCOMPARE(form->Text5->text(), QString());
        QTest::keyClicks(form->Text5, "h");
        QCOMPARE(form->Text5->text(), QStringLiteral("H"));
    }

    void jokerBoxAddsAndRemovesTheJoker() {
        QTest::keyClicks(form->TxtCh, "chat");
        QTest::mouseClick(form->ImgCochA[0], Qt::LeftButton);
        QCOMPARE(form->TxtCh->text(), QStringLiteral("CHAT?"));
        QVERIFY(form->ImgCochA[1]->isVisible());
        QCOMPARE(form->Lbl[0]->text(), QStringLiteral("Supprimer le joker"));
        QTest::mouseClick(form->ImgCochA[1], Qt::LeftButton);
        QCOMPARE(form->TxtCh->text(), QStringLiteral("CHAT"));
        QVERIFY(form->ImgCochA[1]->isHidden());
        QCOMPARE(form->Lbl[0]->text(), QStringLiteral("Ajouter un joker"));
        QTest::keyClicks(form->TxtCh, "?");
        QVERIFY(form->ImgCochA[1]->isVisible());
        // No room for a joker in 12 characters.
        form->TxtCh->setText(QStringLiteral("ABCDEFGHIJKL"));
        QTest::mouseClick(form->ImgCochA[0], Qt::LeftButton);
        QCOMPARE(form->TxtCh->text(), QStringLiteral("ABCDEFGHIJKL"));
        const ui::fake::ShownBox& box = test->fake.boxes.shown.back();
        QCOMPARE(box.text, QStringLiteral("Le mot recherché compte 12 caractères,\r\n"
                                          "impossible de rajouter un joker.\r\n"
                                          "Modifier votre recherche."));
        QVERIFY(box.icon == ui::Icon::Information && box.buttons == ui::Buttons::Ok);
        QCOMPARE(box.title, QStringLiteral("Zorvane"));
    }

    void searchShowsWaitingStateThenOneListPerLength() {
        QTest::keyClicks(form->TxtCh, "chat");
        QTest::keyClick(form->TxtCh, Qt::Key_Return); // Enter presses the default button
        QCOMPARE(form->LblInfo->text(), QStringLiteral("Recherche en cours..."));
        QVERIFY(test->fake.pointer.busy);
        QVERIFY(!form->isEnabled());
        QCOMPARE(form->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(test->fake.timers.starts.back(), qMakePair(QStringLiteral("TimCherche"), 500));
        test->fake.timers.Advance(499);
        QVERIFY(Items(form->LstAna).isEmpty());
        clock = clock.addSecs(3);
        test->fake.timers.Advance(1);
        QCOMPARE(Items(form->LstAna), QStringList({"CHAT", "TAC", "CA", "AH", "HA", "TA"}));
        QCOMPARE(Items(form->Lst[2]), QStringList({"AH", "CA", "HA", "TA"}));
        QCOMPARE(Items(form->Lst[3]), QStringList({"TAC"}));
        QCOMPARE(Items(form->Lst[4]), QStringList({"CHAT"}));
        QCOMPARE(form->NR[2]->text(), QStringLiteral("4"));
        QCOMPARE(form->NR[4]->text(), QStringLiteral("1"));
        QCOMPARE(form->NR[5]->text(), QStringLiteral("0"));
        QCOMPARE(ListColour(4), QColor(Qt::white));
        QCOMPARE(ListColour(5), QColor(224, 224, 224));
        QCOMPARE(form->LblInfo->text(), QStringLiteral("6 mots trouvés en 0:03 sec."));
        QVERIFY(form->isEnabled() && !test->fake.pointer.busy);
        QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));
        // The minimum and the mandatory letter.
        QTest::keyClicks(form->Text5, "h");
        Search(QStringLiteral("chat"));
        QCOMPARE(Items(form->LstAna), QStringList({"CHAT", "AH", "HA"}));
        form->Text5->clear();
        form->TxtCh->clear();
        QTest::keyClicks(form->TxtCh, "qz");
        form->CmdCh->click();
        test->fake.timers.Advance(500);
        QCOMPARE(form->LblInfo->text(), QStringLiteral("Aucun mots trouvés."));
        QCOMPARE(form->NR[2]->text(), QStringLiteral("0"));
        if (const QByteArray folder = qgetenv("ZORVANE_SCREENSHOT_DIR"); !folder.isEmpty()) {
            Search(QStringLiteral("chat?"));
            QVERIFY(form->grab().save(QString::fromLocal8Bit(folder) + "/Frm11Ana.png"));
        }
    }

    // Every list, scroll bar shown, leaves room for its longest words and their margins.
    void listsHoldTheirLongestWords() {
        form.reset(); // its timers belong to the context replaced here
        test = std::make_unique<testing::TestContext>(
            std::vector<std::string>{"WW", "WWW", "WWWW", "WWWWW", "WWWWWW", "WWWWWWW", "WWWWWWWW",
                                     "WWWWWWWWW", "WWWWWWWWWW", "WWWWWWWWWWW", "WWWWWWWWWWWW"});
        form = std::make_unique<Frm11Ana>(test->context, test->index, test->packedIndex);
        form->show();
        Search(QStringLiteral("WWWWWWWWWWWW"));
        for (int length = 2; length <= 13; ++length) {
            QListView* list = length <= 12 ? form->Lst[length] : form->LstAna;
            const QString word = list->model()->index(0, 0).data().toString();
            QCOMPARE(word.size(), std::min(length, 12));
            const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
            const qreal needed = QFontMetricsF(list->font()).horizontalAdvance(word) + 2 * margin;
            QVERIFY2(list->visualRect(list->model()->index(0, 0)).width() >= needed &&
                         list->viewport()->width() >= needed,
                     qPrintable(list->objectName()));
        }
    }

    void longDrawWithJokerAsksFirstAndTwoJokersAreRefused() {
        Search(QStringLiteral("chat"));
        form->TxtCh->setText(QStringLiteral("ABCDEFGHIJK?"));
        form->CmdCh->click(); // Enter on the question: its default button, No

        const ui::fake::ShownBox& box = test->fake.boxes.shown.back();
        QVERIFY(box.text.startsWith(
            QStringLiteral("Attention, la recherche contient un mot de plus de 11\r\n")));
        QVERIFY(box.text.endsWith(QStringLiteral("\r\n\r\nVoulez-vous quand même continuer ?")));
        QVERIFY(box.icon == ui::Icon::Exclamation);
        QCOMPARE(test->context.values.Reponse, std::int16_t{ui::kAnswerNo});
        QVERIFY(!test->fake.timers.IsArmed(QStringLiteral("TimCherche")));
        QCOMPARE(form->LblInfo->text(), QString());
        QCOMPARE(Items(form->Lst[4]), QStringList({"CHAT"})); // the results stay
        // Eleven characters with the joker: no question.
        const std::size_t boxes = test->fake.boxes.shown.size();
        form->TxtCh->setText(QStringLiteral("ABCDEFGHIJ?"));
        form->CmdCh->click();
        QCOMPARE(test->fake.boxes.shown.size(), boxes);
        test->fake.timers.Advance(500);
        // Two jokers: refused, the window ready again.
        form->TxtCh->setText(QStringLiteral("ZO??"));
        form->CmdCh->click();
        test->fake.timers.Advance(500);
        QCOMPARE(test->fake.boxes.shown.back().text,
                 QStringLiteral("Attention, un seul joker est autorisé."));
        QVERIFY(test->fake.boxes.shown.back().icon == ui::Icon::Exclamation);
        QVERIFY(form->isEnabled() && !test->fake.pointer.busy);
        QCOMPARE(form->LblInfo->text(), QString());
        QCOMPARE(ListColour(2), QColor(224, 224, 224));
    }
};

QTEST_MAIN(Frm11AnaTest)
#include "Frm11AnaTest.moc"
