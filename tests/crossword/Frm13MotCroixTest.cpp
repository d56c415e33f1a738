// The crossword window on the recording platform, followed in a transcript: length choice,
// typing with and without automatic advance, arrows, refused characters and pastes, the
// timed search, copies, refusal of too many unknown places, failure and early close.

#include "crossword/Frm13MotCroix.h"

#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

using namespace zorvane;
using namespace zorvane::testing;
using crossword::Frm13MotCroix;

class Frm13MotCroixTest : public QObject {
    Q_OBJECT

private slots:
    void transcript() {
        TestContext test({"CA", "CAR", "CHAH", "CHAT", "CIAO", "COAT", "CZAR", "ACAB", "CHATS",
                          "MAIS", "MAISON", "RAISON"});
        Transcript t(test.fake);
        auto form = std::make_unique<Frm13MotCroix>(test.context);
        QVERIFY(ShowActive(form.get()));
        test.fake.timers.Advance(20);
        t.Step("opened");
        t.Window(form.get());

        const auto box = [&](int place, const QString& keys = {}) {
            form->TxtS[place]->setFocus();
            Type(keys);
        };
        Choose(form->CboLMot, "05");
        Type("ch");
        t.Step("5 letters, C and H typed: the caret moves on");
        t.Window(form.get());

        QTest::mouseClick(form->ImgCochA[1], Qt::LeftButton);
        Type("at");
        t.Step("automatic advance off, A then T typed in box 3", {form->TxtS[3], Caret()});
        QTest::mouseClick(form->ImgCochA[0], Qt::LeftButton);

        for (const int from : {3, 1, -4, -5}) { // negative: the right arrow
            box(std::abs(from));
            Press(from > 0 ? Qt::Key_Left : Qt::Key_Right);
            t.Note(QStringLiteral("%1 from box %2 -> %3")
                       .arg(from > 0 ? "left" : "right")
                       .arg(std::abs(from))
                       .arg(Caret()->objectName()));
        }
        Type("s");
        t.Step("S typed in the last box: taken, the caret stays", {Caret()});
        for (const int place : {1, 2, 3, 5}) {
            box(place, "\b");
        }
        t.Step("letters deleted");
        t.Window(form.get());

        Choose(form->CboLMot, "04");
        QTest::mouseClick(form->ImgCochA[1], Qt::LeftButton);
        box(1, QStringLiteral("m11é"));
        t.Step("4 letters, advance off: M, then 1, 1 and é refused", {form->TxtS[1]});
        Paste(form->TxtS[2], QStringLiteral("1a-bc\r\n"));
        t.Step("pasted: the first allowed character", {form->TxtS[2]});
        Paste(form->TxtS[2], QStringLiteral("€→ 12"));
        t.Step("pasted: a blank", {form->TxtS[2]});
        Paste(form->TxtS[3], QStringLiteral("éà€→12\t"));
        t.Step("pasted: nothing allowed", {form->TxtS[3]});
        form->CmdRech1->click();
        test.fake.timers.Advance(100);
        t.Step("searched with a blank place", {form->LblRech1, form->LstRech1});
        QTest::mouseClick(form->ImgCochA[0], Qt::LeftButton);

        for (const int place : {1, 2, 3}) {
            box(place, "\b");
        }
        box(1, "c");
        box(3, "a");
        form->CmdRech1->click();
        t.Step("C?A? searched: the window waits");
        t.Window(form.get());
        test.fake.timers.Advance(99);
        t.Step("after 99 ms", {form->LblRech1});
        test.fake.timers.Advance(1);
        t.Step("after 100 ms");
        t.Window(form.get());
        ClickRow(form->LstRech1, 1);
        ClickRow(form->LstRech1, 4);
        t.Step("rows 2 and 5 clicked");
        Choose(form->CboLMot, "06");
        box(2, "ais");
        form->CmdRech1->click();
        test.fake.timers.Advance(100);
        t.Step("?AIS?? searched", {form->LblRech1, form->LstRech1});

        box(4, "s");
        Choose(form->CboLMot, "05");
        box(3, "i");
        form->CmdRech1->click();
        t.Step("five letters, ??I??: too many unknown places");
        t.Window(form.get());
        box(5, "s");
        QTest::keyPress(Caret(), Qt::Key_Return); // released on a window disabled by the search
        test.fake.timers.Advance(100);
        t.Step("S typed in box 5, Enter", {form->LblRech1, form->LstRech1});

        test.store.ListeAna.resize(3); // the length table no longer fits the list
        Choose(form->CboLMot, "04");
        box(1, "c");
        box(3, "a");
        form->CmdRech1->click();
        test.fake.timers.Advance(100);
        t.Step("failed search");
        t.Window(form.get());
        t.TabOrder(form.get());

        Type("h");
        form->CmdRech1->click();
        form.reset();
        test.fake.timers.Advance(100);
        t.Step("closed before the search tick");
        QVERIFY2(t.Matches("crossword"), t.Mismatch());
    }
};

QTEST_MAIN(Frm13MotCroixTest)
#include "Frm13MotCroixTest.moc"
