// The dictionary and Scrabble windows on the recording platform, each followed in a
// transcript: refused keys and pastes, the timed check, each kind of result with its points,
// the blinking notice, copying, dragging and the missing definitions file.

#include "CheckData.h"
#include "DefinitionsFixture.h"
#include "check/Frm10Dico.h"
#include "check/Frm15Scrabble.h"
#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

#include <QMdiArea>
#include <QMdiSubWindow>

using namespace zorvane;
using namespace zorvane::testing;
using check::WordCheckForm;

// Each window is checked over the shared dictionary and a word whose L and doubled L weigh
// in its points.
class CheckWindowsTest : public QObject {
    Q_OBJECT

    TempFolder folder;
    std::unique_ptr<TestContext> test;
    std::unique_ptr<Transcript> t;

    template <typename Form> std::unique_ptr<Form> Open() {
        std::vector<std::string> dico = kCheckDico;
        dico.emplace_back("BALLE");
        test = std::make_unique<TestContext>(dico);
        t = std::make_unique<Transcript>(test->fake);
        test->values.FichierDefinitions = folder.Write(
            "definitions1.20.ret", CheckDefinitions() + std::string("\r\n12= x§EXISTE"_cp));
        auto form = std::make_unique<Form>(test->context);
        [[maybe_unused]] const bool active = ShowActive(form.get());
        t->Step("opened");
        t->Window(form.get());
        return form;
    }

    static void Put(WordCheckForm& form, const QString& text) {
        form.TxtCtrl->selectAll();
        Paste(form.TxtCtrl, text);
    }

    void Check(WordCheckForm& form, const QString& word, std::initializer_list<QWidget*> shown) {
        Put(form, word);
        form.CmdCtrl->click();
        test->fake.timers.Advance(WordCheckForm::kTimChercheMs);
        t->Step(word + " checked", shown);
    }

    // Whether the notice shows after each tick of its blinking.
    void Blink(WordCheckForm& form) {
        QString seen;
        for (int tick = 0; tick < 6; ++tick) {
            test->fake.timers.Advance(WordCheckForm::kTimClignoMs);
            seen += form.LblValideODS->isVisible() ? " on" : " off";
        }
        t->Step("six blink ticks");
        t->Note("notice shown after each:" + seen);
    }

private slots:
    void dictionary() {
        QMdiArea area; // later holds the window, which goes first
        auto form = Open<check::Frm10Dico>();
        const std::initializer_list<QWidget*> shown = {
            form->TxtCtrl, form->LblDef1,      form->LblDef2, form->LblDef3,
            form->LblDef4, form->Lbl[0],       form->LblPts,  form->Lbl[2],
            form->ImfInfo, form->LblValideODS, form->CmdCop};
        Type(QStringLiteral("kI1éı ")); // ı upper-cases to I, yet is no A-Z letter
        t->Step("k, I, 1, é, dotless i and a blank typed",
                {form->TxtCtrl, form->LblN, form->CmdCtrl});
        t->Note(form->CmdCtrl->isDefault() ? "default button" : "no default button");
        Put(*form, QStringLiteral("ab-c1dé"));
        t->Step("ab-c1dé pasted", {form->TxtCtrl});
        Put(*form, QStringLiteral("abcdefghijklmnopqrst"));
        Type("z");
        t->Step("20 letters pasted, z typed", {form->TxtCtrl});
        QFocusEvent leave(QEvent::FocusOut);
        QCoreApplication::sendEvent(form->TxtCtrl, &leave);
        t->Step("the box left");
        t->Note(form->CmdCtrl->isDefault() ? "default button" : "no default button");
        Put(*form, QStringLiteral("abaca"));
        form->TxtCtrl->setFocus();
        Press(Qt::Key_Return);
        t->Step("abaca, Enter: the window waits", {form->LblD});
        test->fake.timers.Advance(100);
        t->Step("after 100 ms");
        t->Window(form.get());
        form->CmdCop->click();
        form->CmdCop->click();
        t->Step("copied twice");
        Press(Qt::Key_Backspace);
        t->Step("Backspace: the word, selected since the check, deleted");
        t->Window(form.get());
        Check(*form, "chat", shown);
        Blink(*form);
        QTest::mouseClick(form->ImfInfo, Qt::LeftButton);
        t->Step("information picture clicked");
        Type("chien");
        t->Step("chien typed over the checked word", {form->TxtCtrl});
        t->TabOrder(form.get());
        for (const char* word : {"KIWI", "ETE", "CHIEN", "BALLE"}) {
            Check(*form, word, shown);
        }
        // A missing file is told before the not-found lines are drawn.
        test->values.FichierDefinitions = folder.PathOf("absent.ret");
        QLabel* title = form->LblA;
        area.resize(1200, 900);
        area.addSubWindow(form.get())->show();
        area.show();
        bool drawnBeforeBox = false;
        test->fake.boxes.onShow = [&] { drawnBeforeBox = form->LblDef4->isVisible(); };
        Check(*form, "abaque", {form->LblDef4, &area});
        QVERIFY(!drawnBeforeBox);
        QTest::mousePress(title, Qt::RightButton, {}, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(45, 25), title->mapToGlobal(QPointF(45, 25)),
                         Qt::NoButton, Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &move);
        QTest::mouseRelease(title, Qt::RightButton, {}, QPoint(45, 25));
        t->Step("dragged by its title line, 40 and 20 pixels", {&area});
        QVERIFY2(t->Matches("dictionary"), t->Mismatch());
    }

    void scrabble() {
        auto form = Open<check::Frm15Scrabble>();
        const std::initializer_list<QWidget*> shown = {
            form->TxtCtrl, form->LblDef3, form->LblDef4, form->Lbl[0],
            form->LblPts,  form->Lbl[2],  form->ImfInfo, form->LblValideODS};
        Put(*form, QStringLiteral("é"));
        t->Step("é pasted", {form->CmdCtrl});
        for (const char* word : {"é1", "ete", "qi"}) {
            Check(*form, word, shown);
        }
        Type("x");
        t->Step("x typed");
        t->Window(form.get());
        Check(*form, "chat", shown);
        Blink(*form);
        Check(*form, "kiwi", shown);
        test->values.FichierDefinitions = folder.PathOf("absent.ret");
        Check(*form, "KIWI", {form->LblDef4, form->LblPts, form->LblD});
        t->TabOrder(form.get());
        QVERIFY2(t->Matches("scrabble"), t->Mismatch());
    }
};

QTEST_MAIN(CheckWindowsTest)
#include "CheckWindowsTest.moc"
