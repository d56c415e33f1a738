// The crossword window on the recording platform: length choice, typing and its filters,
// the timed search, refusal, copy, failure, and a picture over the shipped list.

#include "crossword/Frm13MotCroix.h"

#include "support/TestContext.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

using namespace zorvane;
using crossword::Frm13MotCroix;

namespace {

const QColor kGrey(224, 224, 224);
const QColor kGreyText(128, 128, 128);
const QColor kDarkRed(128, 0, 0);

const std::vector<std::string> kWords = {"CA",   "CAR",  "CHAH",  "CHAT", "CIAO",   "COAT",
                                         "CZAR", "ACAB", "CHATS", "MAIS", "MAISON", "RAISON"};

QColor Colour(QWidget* control, QPalette::ColorRole role) {
    return control->palette().color(role);
}

QWidget* Caret() {
    return QApplication::focusWidget();
}

void Type(char key) {
    QTest::keyClick(Caret(), key);
}

// Ctrl+V into the box, over its selected letter.
void Paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

QStringList Rows(const QListWidget* list) {
    QStringList rows;
    for (int row = 0; row < list->count(); ++row) {
        rows << list->item(row)->text();
    }
    return rows;
}

} // namespace

class Frm13MotCroixTest : public QObject {
    Q_OBJECT

    // The window once its start tick has run, as the user first sees it.
    static std::unique_ptr<Frm13MotCroix> Open(testing::TestContext& test) {
        auto form = std::make_unique<Frm13MotCroix>(test.context);
        form->show();
        form->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(form.get());
        test.fake.timers.Advance(20);
        return form;
    }

    static void ChooseLength(Frm13MotCroix& form, int length) {
        const int item =
            form.CboLMot->findText(QStringLiteral("%1").arg(length, 2, 10, QChar('0')));
        form.CboLMot->setCurrentIndex(item);
        emit form.CboLMot->activated(item);
    }

    // Chooses the length and types the known letters, automatic advance on.
    static void Describe(Frm13MotCroix& form, const QString& pattern) {
        ChooseLength(form, static_cast<int>(pattern.size()));
        for (int box = 1; box <= pattern.size(); ++box) {
            if (pattern[box - 1] != QChar('?')) {
                form.TxtS[box]->setFocus();
                Type(pattern[box - 1].toLatin1());
            }
        }
    }

    static QStringList SearchFor(testing::TestContext& test, Frm13MotCroix& form,
                                 const QString& pattern) {
        Describe(form, pattern);
        form.CmdRech1->click();
        test.fake.timers.Advance(100);
        return Rows(form.LstRech1);
    }

private slots:
    void lengthChoiceTypingAndCaretMoves() {
        testing::TestContext test(kWords);
        auto form = Open(test);
        QCOMPARE(test.fake.timers.starts.front(), std::make_pair(QStringLiteral("TimDeb"), 20));
        QCOMPARE(form->windowTitle(), QStringLiteral("Assistant Mots Croisés"));
        QCOMPARE(form->CboLMot->count(), 10);
        QCOMPARE(form->CboLMot->currentIndex(), -1);
        QVERIFY(!form->TxtS[1]->isEnabled());
        QCOMPARE(form->TxtS[1]->text(), QStringLiteral("?"));
        QCOMPARE(form->CmdRech1->text(), QStringLiteral("Rechercher "));

        ChooseLength(*form, 5);
        for (int box = 1; box <= 12; ++box) {
            const bool used = box <= 5;
            QCOMPARE(form->TxtS[box]->isEnabled(), used);
            QCOMPARE(form->TxtS[box]->text(), used ? QStringLiteral("?") : QString());
            QCOMPARE(Colour(form->TxtS[box], QPalette::Base), used ? QColor(Qt::white) : kGrey);
            QCOMPARE(Colour(form->LblN[box], QPalette::WindowText),
                     used ? QColor(Qt::black) : kGreyText);
        }
        QCOMPARE(Caret(), form->TxtS[1]);
        QVERIFY(!form->CmdRech1->isEnabled());

        Type('c');
        Type('h');
        QCOMPARE(form->TxtS[1]->text() + form->TxtS[2]->text(), QStringLiteral("CH"));
        QCOMPARE(Colour(form->TxtS[2], QPalette::Text), kDarkRed);
        QCOMPARE(Caret(), form->TxtS[3]);
        QVERIFY(form->CmdRech1->isEnabled());

        // Automatic advance off: the caret stays, the next key replaces the letter.
        QTest::mouseClick(form->ImgCochA[1], Qt::LeftButton);
        QVERIFY(form->ImgCochA[1]->isHidden());
        Type('a');
        Type('t');
        QCOMPARE(form->TxtS[3]->text(), QStringLiteral("T"));
        QCOMPARE(Caret(), form->TxtS[3]);
        QTest::mouseClick(form->ImgCochA[0], Qt::LeftButton);
        QVERIFY(!form->ImgCochA[1]->isHidden());

        // Arrows move box by box and stop at box 1 and at the last box of the word.
        for (const auto& [key, from, to] : {std::tuple{Qt::Key_Left, 3, 2},
                                            {Qt::Key_Left, 1, 1},
                                            {Qt::Key_Right, 4, 5},
                                            {Qt::Key_Right, 5, 5}}) {
            form->TxtS[from]->setFocus();
            QTest::keyClick(form->TxtS[from], key);
            QCOMPARE(Caret(), form->TxtS[to]);
        }
        Type('s'); // the last box: the letter is taken, the caret stays
        QCOMPARE(form->TxtS[5]->text(), QStringLiteral("S"));
        QCOMPARE(Caret(), form->TxtS[5]);

        // Deleting letters gives "?" back, in grey; with none left there is nothing to search.
        for (const int box : {1, 2, 3, 5}) {
            form->TxtS[box]->setFocus();
            QTest::keyClick(form->TxtS[box], Qt::Key_Backspace);
            QCOMPARE(form->TxtS[box]->text(), QStringLiteral("?"));
            QCOMPARE(Colour(form->TxtS[box], QPalette::Text), kGreyText);
        }
        QVERIFY(!form->CmdRech1->isEnabled());
        QVERIFY(test.fake.boxes.shown.empty());
    }

    void refusedCharactersAndPastedTextKeepOnePlace() {
        testing::TestContext test(kWords);
        auto form = Open(test);
        ChooseLength(*form, 4);
        QTest::mouseClick(form->ImgCochA[1], Qt::LeftButton); // stay in box 1
        form->TxtS[1]->setFocus();
        Type('m');
        Type('1');
        Type('1');
        QTest::sendKeyEvent(QTest::Click, Caret(), Qt::Key_unknown, QStringLiteral("é"), {});
        QCOMPARE(form->TxtS[1]->text(), QStringLiteral("M"));
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{3}); // once for each key
        QCOMPARE(test.fake.boxes.shown.back().text,
                 QStringLiteral("Seuls les caractères ''ABCDEF.....Z'' sont autorisés.      "));
        QVERIFY(test.fake.boxes.shown.back().icon == ui::Icon::None);

        // Pasted text: the first allowed character, or the box as it was.
        Paste(form->TxtS[2], QStringLiteral("1a-bc\r\n"));
        QCOMPARE(form->TxtS[2]->text(), QStringLiteral("A"));
        Paste(form->TxtS[2], QStringLiteral("€→ 12"));
        QCOMPARE(form->TxtS[2]->text(), QStringLiteral(" "));
        QCOMPARE(Colour(form->TxtS[2], QPalette::Text), kDarkRed);
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{3});
        Paste(form->TxtS[3], QStringLiteral("éà€→12\t"));
        QCOMPARE(form->TxtS[3]->text(), QStringLiteral("?"));
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{4});

        // A blank is a place no word has: searched, and nothing found.
        form->CmdRech1->click();
        test.fake.timers.Advance(100);
        QCOMPARE(form->LstRech1->count(), 0);
        QCOMPARE(form->LblRech1->text(), QStringLiteral("Aucun mot trouvé"));
    }

    void searchWaitsThenListsAndCopiesWords() {
        testing::TestContext test(kWords);
        auto form = Open(test);
        form->LblRech1->setText(QStringLiteral("ancien"));
        Describe(*form, QStringLiteral("C?A?"));
        form->CmdRech1->click();
        QVERIFY(!form->CmdRech1->isEnabled());
        QVERIFY(form->LstRech1->isHidden());
        QVERIFY(!form->isEnabled());
        QVERIFY(test.fake.pointer.busy);
        test.fake.timers.Advance(99);
        QCOMPARE(form->LblRech1->text(), QStringLiteral("ancien"));
        test.fake.timers.Advance(1);
        QCOMPARE(Rows(form->LstRech1), QStringList({"CHAH", "CHAT", "CIAO", "COAT", "CZAR"}));
        QCOMPARE(form->LblRech1->text(), QStringLiteral("5 mots trouvés"));
        QVERIFY(!form->LstRech1->isHidden());
        QVERIFY(form->isEnabled());
        QVERIFY(!test.fake.pointer.busy);
        QCOMPARE(Caret(), form->TxtS[4]);
        QVERIFY(!form->CmdRech1->isEnabled());

        // Clicking words copies them, with the notice on the first copy only.
        for (const int row : {1, 4}) {
            QListWidgetItem* item = form->LstRech1->item(row);
            QTest::mouseClick(form->LstRech1->viewport(), Qt::LeftButton, {},
                              form->LstRech1->visualItemRect(item).center());
            QCOMPARE(test.fake.clipboard.text, item->text());
        }
        QCOMPARE(test.fake.clipboard.clears, 2);
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(test.fake.boxes.shown[0].text,
                 QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      "));
        QVERIFY(test.fake.boxes.shown[0].icon == ui::Icon::Information);

        QCOMPARE(SearchFor(test, *form, QStringLiteral("M?I?O?")), QStringList({"MAISON"}));
        QCOMPARE(form->LblRech1->text(), QStringLiteral("1 mot trouvé"));
    }

    void tooManyUnknownPlacesAreRefused() {
        testing::TestContext test(kWords);
        auto form = Open(test);
        QCOMPARE(SearchFor(test, *form, QStringLiteral("C?A?")).size(), 5);
        Describe(*form, QStringLiteral("??I??"));
        form->CmdRech1->click();
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(test.fake.boxes.shown[0].text,
                 QStringLiteral("Le nombre de caractère joker '' ? '' est trop important.\r\n"
                                "Modifiez la recherche."));
        QVERIFY(test.fake.boxes.shown[0].icon == ui::Icon::Critical);
        QCOMPARE(Caret(), form->TxtS[1]);
        QVERIFY(!form->CmdRech1->isEnabled());
        QVERIFY(!test.fake.timers.IsArmed(QStringLiteral("TimRech1")));
        QCOMPARE(form->LstRech1->count(), 5); // the previous result stays

        form->TxtS[5]->setFocus();
        Type('s');
        QTest::keyPress(Caret(), Qt::Key_Return); // Enter searches (released on a disabled window)
        QVERIFY(test.fake.timers.IsArmed(QStringLiteral("TimRech1")));
    }

    void failureIsReportedAndTheWindowRestored() {
        testing::TestContext test(kWords);
        auto form = Open(test);
        test.store.ListeAna.resize(3); // the length table no longer fits the list
        form->LblRech1->setText(QStringLiteral("ancien"));
        SearchFor(test, *form, QStringLiteral("C?A?"));
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(test.fake.boxes.shown[0].text,
                 QStringLiteral("106                 \r\nErreur interne 106 - 9"));
        QVERIFY(test.fake.boxes.shown[0].icon == ui::Icon::Critical);
        QVERIFY(form->LstRech1->isHidden());
        QCOMPARE(form->LblRech1->text(), QStringLiteral("ancien"));
        QVERIFY(form->isEnabled());
        QVERIFY(!test.fake.pointer.busy);
        QCOMPARE(Caret(), form->TxtS[4]);

        // Closed before the tick: no search, and the pointer is not left busy.
        Type('h');
        form->CmdRech1->click();
        form.reset();
        QVERIFY(!test.fake.pointer.busy);
        test.fake.timers.Advance(100);
    }
};

QTEST_MAIN(Frm13MotCroixTest)
#include "Frm13MotCroixTest.moc"
