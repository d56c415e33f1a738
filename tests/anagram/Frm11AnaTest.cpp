// The anagram window on the recording platform with a virtual clock, followed in a
// transcript: typing and pastes, the mandatory letter, the joker box, the timed search with
// one list per length, the long-draw question and the refusal of two jokers.

#include "anagram/Frm11Ana.h"

#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

using namespace zorvane;
using namespace zorvane::testing;
using anagram::Frm11Ana;

class Frm11AnaTest : public QObject {
    Q_OBJECT

private slots:
    void transcript() {
        std::vector<std::string> words{"AH",   "CA",   "HA",   "TA",  "TAC",  "CHAT",
                                       "CHTI", "TCHI", "CHUT", "ZOO", "CHATS"};
        for (std::size_t length = 2; length <= 12; ++length) {
            words.emplace_back(length, 'W'); // each list's longest word
        }
        TestContext test(words);
        Transcript t(test.fake);
        auto form = std::make_unique<Frm11Ana>(test.context, test.index, test.packedIndex);
        QTime clock(10, 59, 58);
        form->Clock = [&clock] { return clock; };
        QVERIFY(ShowActive(form.get()));
        test.fake.timers.Advance(100);
        t.Step("opened");
        t.Window(form.get());
        const auto draw = [&](const QString& title) {
            t.Step(title, {form->TxtCh, form->LblN, form->CmdCh, form->Cbo1});
            t.Note(form->CmdCh->isDefault() ? "default button" : "no default button");
        };
        const auto search = [&](const QString& letters) {
            form->TxtCh->setText(letters);
            form->CmdCh->click();
            clock = clock.addSecs(3);
            test.fake.timers.Advance(500);
        };
        Type("chaz");
        draw("chaz typed");
        form->TxtCh->clear();
        Type("c-h");
        draw("cleared, c-h typed");
        Press(Qt::Key_Backspace);
        draw("a letter deleted");
        for (const QString& pasted :
             {QStringLiteral("château été 12 ABCDEF"), QStringLiteral("ABCDEFGHIJKLMNOP"),
              QStringLiteral("中文ab")}) {
            form->TxtCh->clear();
            Paste(form->TxtCh, pasted);
            t.Step("pasted into the empty draw: " + pasted, {form->TxtCh});
        }
        form->Text5->setFocus();
        Type(QStringLiteral("é1h"));
        t.Step("mandatory letter: é, 1 and h typed", {form->Text5});
        form->Text5->clear();
        form->TxtCh->setText(QStringLiteral("CHAT"));
        QTest::mouseClick(form->ImgCochA[0], Qt::LeftButton);
        t.Step("joker box ticked", {form->FraOptions, form->TxtCh});
        QTest::mouseClick(form->ImgCochA[1], Qt::LeftButton);
        t.Step("joker box unticked", {form->FraOptions, form->TxtCh});
        form->TxtCh->setFocus();
        Type("?");
        t.Step("? typed", {form->ImgCochA[1]});
        form->TxtCh->setText(QStringLiteral("ABCDEFGHIJKL"));
        QTest::mouseClick(form->ImgCochA[0], Qt::LeftButton);
        t.Step("joker box ticked with 12 letters", {form->TxtCh});
        form->TxtCh->setText(QStringLiteral("CHAT"));
        form->TxtCh->setFocus();
        Press(Qt::Key_Return);
        t.Step("CHAT, Enter: the window waits");
        t.Window(form.get());
        test.fake.timers.Advance(499);
        t.Step("after 499 ms", {form->LstAna});
        clock = clock.addSecs(3);
        test.fake.timers.Advance(1);
        t.Step("after 500 ms, 3 seconds later");
        t.Window(form.get());
        form->Text5->setText(QStringLiteral("H"));
        search(QStringLiteral("CHAT"));
        t.Step("CHAT searched with H mandatory", {form->LstAna});
        Type("zo");
        t.Step("zo typed after the search: a new draw", {form->TxtCh});
        form->Text5->clear();
        search(QStringLiteral("QZ"));
        t.Step("QZ searched", {form->LblInfo, form->NR[2]});
        search(QStringLiteral("WWWWWWWWWWWW"));
        t.Step("twelve W searched: the longest words fit");
        t.Window(form.get());
        form->TxtCh->setText(QStringLiteral("ABCDEFGHIJK?"));
        form->CmdCh->click(); // Enter on the question: its default button, No
        t.Step("ABCDEFGHIJK? searched: asked first, No", {form->LblInfo, form->Lst[12]});
        search(QStringLiteral("ABCDEFGHIJ?"));
        t.Step("ABCDEFGHIJ? searched: not asked", {form->LblInfo});
        search(QStringLiteral("ZO??"));
        t.Step("ZO?? searched: two jokers refused");
        t.Window(form.get());
        Press(Qt::Key_Backspace);
        t.Step("Backspace after the refusal: the draw emptied", {form->TxtCh});
        Type("chat");
        form->Text5->setFocus();
        Press(Qt::Key_Tab);
        t.Step("chat typed, Tab from the mandatory letter: the joker box");
        Press(Qt::Key_Space);
        t.Step("space: joker added", {form->TxtCh, form->ImgCochA[1]});
        form->ImgCochA[0]->setFocus();
        Press(Qt::Key_Space);
        t.Step("space on the joker box again: joker removed", {form->TxtCh, form->ImgCochA[1]});
        t.TabOrder(form.get());
        QVERIFY2(t.Matches("anagram"), t.Mismatch());
    }
};

QTEST_MAIN(Frm11AnaTest)
#include "Frm11AnaTest.moc"
