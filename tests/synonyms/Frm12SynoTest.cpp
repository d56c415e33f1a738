// The synonyms window on the recording platform, followed in a transcript: the prefix list
// as the user types, searches by button, Enter, history and clicks, the history's limit,
// the pop-up copy, the help, odd pastes and internal failures; typing ahead of the
// starting text.

#include "synonyms/Frm12Syno.h"

#include "SynonymData.h"
#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

using namespace zorvane;
using namespace zorvane::testing;
using synonyms::Frm12Syno;

class Frm12SynoTest : public QObject {
    Q_OBJECT

private slots:
    void transcript() {
        TestContext test({}, SampleSynonymLines());
        Transcript t(test.fake);
        auto form = std::make_unique<Frm12Syno>(test.context);
        QLineEdit* entry = form->Cbo2->lineEdit();
        const auto retype = [&](const QString& word) {
            entry->setFocus();
            entry->selectAll();
            Type(word);
        };
        const auto search = [&](const QString& word) {
            retype(word);
            Press(Qt::Key_Return);
            t.Step(word + ", Enter", {form->Cbo2, form->Lbl4});
        };
        const auto results = [&](const QString& title) {
            test.fake.timers.Advance(500);
            t.Step(title, {form->Cbo2, form->Lbl4, form->LstS});
        };
        // Opened over a table that claims more lines than it holds, then mended.
        const auto lines = std::exchange(test.store.Syno('A').NbSyno, 4301);
        QVERIFY(ShowActive(form.get()));
        test.fake.timers.Advance(100);
        t.Step("opened over a broken table");
        t.Window(form.get());
        t.Note("selected: " + entry->selectedText());
        form->CmdRechercher->click();
        t.Step("searched", {form->Lbl4});
        test.store.Syno('A').NbSyno = lines;
        retype("c");
        Press(Qt::Key_Return);
        t.Step("c typed, Enter");
        t.Window(form.get());
        Type("h");
        t.Step("h typed", {form->Lst, form->CmdRechercher});
        QTest::keyClick(form->Cbo2, Qt::Key_Enter);
        t.Step("Enter");
        t.Window(form.get());
        t.Note(QStringLiteral("caret at %1").arg(entry->cursorPosition()));
        retype("Maison");
        form->CmdRechercher->click();
        t.Step("Maison searched by the button");
        t.Window(form.get());
        for (const char* word :
             {"maison", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "b1", "b2", "a5"}) {
            search(word);
        }
        Choose(form->Cbo2, QStringLiteral("maison"));
        t.Step("maison chosen in the history", {form->Lst, form->CmdRechercher});
        results("after 500 ms");
        search(QStringLiteral("musée de sciences naturelles")); // the longest headword
        retype("cha");
        ClickRow(form->Lst, 1);
        t.Step("cha typed, chaton clicked", {form->Cbo2, form->Lst, form->LstS});
        results("after 500 ms");
        search(QStringLiteral("chat"));
        ClickRow(form->LstS, 1);
        ClickRow(form->LstS, 2);
        results("two synonyms clicked, 500 ms later");
        search(QStringLiteral("règlement"));
        ClickRow(form->LstS, form->LstS->count() - 1);
        results("the last synonym, empty, clicked, 500 ms later");
        search(QStringLiteral("chat"));
        QTest::mousePress(form->LstS->viewport(), Qt::RightButton, {},
                          form->LstS->visualItemRect(form->LstS->item(0)).center());
        t.Step("right click on the first synonym");
        t.Note(form->MnuCopier->isVisible() ? "pop-up menu shown" : "no pop-up menu");
        t.Control(form->LstS);
        form->MnuCopier->hide();
        retype("chatte");
        form->MnuCop2->trigger();
        t.Step("chatte typed, list copied");
        search(QStringLiteral("zut"));
        form->MnuCop2->trigger();
        t.Step("list copied");
        form->CmdInfo->click();
        t.Step("help asked");
        entry->selectAll();
        Paste(entry, QStringLiteral("assommant assommant assommant assommant"));
        t.Step("40 characters pasted", {form->Cbo2, form->Lst});
        entry->selectAll();
        Paste(entry, QStringLiteral("猫🐈 chat"));
        Press(Qt::Key_Return);
        t.Step("猫🐈 chat pasted, Enter", {form->Lbl4});
        search(QStringLiteral("e\u0301cole")); // e and a combining acute accent
        t.Control(form->Lbl2);
        t.TabOrder(form.get());
        QVERIFY2(t.Matches("synonyms"), t.Mismatch());
    }

    // A word typed as soon as the window opens, before its starting text is due, stays.
    void typingAheadOfTheStartingText() {
        TestContext test({}, SampleSynonymLines());
        Frm12Syno form(test.context);
        QVERIFY(ShowActive(&form));
        Type(QStringLiteral("jour"));
        test.fake.timers.Advance(100);
        QCOMPARE(form.Cbo2->currentText(), QStringLiteral("jour"));
        QVERIFY(form.CmdRechercher->isEnabled());
    }
};

QTEST_MAIN(Frm12SynoTest)
#include "Frm12SynoTest.moc"
