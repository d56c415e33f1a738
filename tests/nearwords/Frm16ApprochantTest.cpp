// The near-word window on the recording platform, followed in a transcript: typing and
// refused keys, pastes, the timed search at each precision, and the internal-error path.

#include "nearwords/Frm16Approchant.h"

#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

using namespace zorvane;
using namespace zorvane::testing;
using nearwords::Frm16Approchant;

class Frm16ApprochantTest : public QObject {
    Q_OBJECT

private slots:
    void transcript() {
        TestContext test({"AISON", "BATEAU", "MAIS", "MAISON", "MAISONS", "RAISON"});
        Transcript t(test.fake);
        auto form = std::make_unique<Frm16Approchant>(test.context);
        QVERIFY(ShowActive(form.get()));
        t.Step("opened");
        t.Window(form.get());
        const auto typed = [&](const QString& title) {
            t.Step(title, {form->TxtCtrl, form->LblN, form->CmdCtrl});
            t.Note(form->CmdCtrl->isDefault() ? "default button" : "no default button");
        };
        form->TxtCtrl->setFocus();
        Type("m");
        Press(Qt::Key_Return);
        typed("m typed, Enter: too short to search");
        Type(QStringLiteral("Aé1 -"));
        typed("A typed, then é, 1, a blank and - refused");
        Press(Qt::Key_Backspace);
        typed("a letter deleted");
        Type("abcdefghijklmnop");
        Press(Qt::Key_Return);
        typed("16 letters typed, Enter");
        test.fake.timers.Advance(500);
        for (const auto& [pasted, what] :
             {std::pair{QStringLiteral(" ma1son\t"), "a blank, ma1son, a tab"},
              {QStringLiteral("ANTICONSTITUTIONNELLEMENT"), "25 letters"},
              {QStringLiteral("12 €\r\n"), "12, a blank, €, a line end"}}) {
            form->TxtCtrl->clear();
            Paste(form->TxtCtrl, pasted);
            typed(QStringLiteral("pasted into the empty box: %1").arg(what));
        }
        Type("maison");
        form->TxtRes->setPlainText(QStringLiteral("ancien résultat"));
        form->CmdCtrl->click();
        t.Step("maison searched: the window waits");
        t.Window(form.get());
        test.fake.timers.Advance(499);
        t.Step("after 499 ms");
        test.fake.timers.Advance(1);
        t.Step("after 500 ms");
        t.Window(form.get());
        form->Opt[2]->click();
        t.Step("low precision chosen", {form->LblTaux, Caret()});
        form->TxtCtrl->setFocus();
        form->Chk2->click();
        t.Step("one letter more or less ticked", {Caret()});
        form->CmdCtrl->click();
        test.fake.timers.Advance(500);
        t.Step("searched again", {form->TxtRes, form->LblD});
        for (const int option : {0, 1}) {
            form->Opt[option]->click();
            t.Step(QStringLiteral("precision %1 chosen").arg(option), {form->LblTaux});
        }
        form->TxtCtrl->setFocus();
        Type("s");
        t.Step("s typed: the results stay", {form->TxtRes, form->LblD});
        // One more accepted word than the 16-bit count holds.
        test.store.ListeDico.assign(32768, "MAISON");
        form->CmdCtrl->click();
        test.fake.timers.Advance(500);
        t.Step("failed search", {form->TxtRes, form->LblD});
        t.TabOrder(form.get());
        QVERIFY2(t.Matches("nearwords"), t.Mismatch());
    }
};

QTEST_MAIN(Frm16ApprochantTest)
#include "Frm16ApprochantTest.moc"
