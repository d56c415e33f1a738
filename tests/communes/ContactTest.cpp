// The contact form on the recording platform, followed in a transcript: the send button and
// the marks of missing fields, the mailto: link handed over and the close three seconds
// later, a message no mail program takes or too long for one, and the cancel button.

#include "app/EnvoyerMail.h"
#include "app/FrmMail.h"
#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

using namespace zorvane;
using namespace zorvane::testing;
using app::FrmMail;

class ContactTest : public QObject {
    Q_OBJECT
private slots:
    void mailtoLinkEncodesOnlyLineBreaks() {
        QCOMPARE(app::MailBody("X", "Y", ""), std::string("Nom: X\r\nPrenom: Y\r\n\r\n"));
        QCOMPARE(app::MailtoLink("a", "", "l1\r\nl2", "", ""),
                 std::string("mailto:a?Body=l1%0Dl2"));
        QCOMPARE(app::MailtoLink("a", "Q & R ?", "50 % #1\rx\ny", "c@x", "b@x"),
                 std::string("mailto:a?Subject=Q & R ?&Body=50 % #1\rx\ny&CC=c@x&BCC=b@x"));
        QCOMPARE(app::MailtoLink("a", "", "", "", "b"), std::string("mailto:a?BCC=b"));
        QCOMPARE(app::MailtoLink("a", "", "", "", ""), std::string("mailto:a"));
    }

    void transcript() {
        TestContext test;
        Transcript t(test.fake);
        QPointer<FrmMail> form;
        const auto open = [&](const QString& title) {
            form = new FrmMail(test.context);
            t.Step(title);
            t.Note(form->isVisible() ? "shown at once" : "not shown yet");
            test.fake.timers.Advance(500);
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
            t.Step("after 500 ms");
        };
        const auto fill = [&](QWidget* box, const QString& text) {
            box->setFocus();
            Press(Qt::Key_A, Qt::ControlModifier);
            Press(Qt::Key_Delete);
            Type(text);
        };
        const auto marks = [&] {
            t.Control({form->ImgF[0], form->ImgF[1], form->ImgF[2], form->ImgF[3], Caret()});
        };

        open("contact form asked");
        t.Window(form);
        for (const auto& [box, text, title] :
             {std::tuple{form->TxtObj, "", "subject emptied"},
              {form->TxtObj, "Question", "Question typed as subject"},
              {form->TxtNom, "D", "D typed as name"},
              {form->TxtNom, "", "name emptied"}}) {
            fill(box, QString::fromUtf8(text));
            t.Step(QString::fromUtf8(title));
            t.Control(form->CmdMail);
        }
        fill(form->TxtObj, "");
        form->CmdMailClick();
        t.Step("sent with every field empty");
        marks();
        fill(form->TxtObj, QStringLiteral("Sujet"));
        fill(form->TxtRem, QStringLiteral("Bonjour"));
        t.Step("subject and message typed");
        marks();
        form->CmdMail->click();
        t.Step("sent without a name");
        marks();
        fill(form->TxtNom, QStringLiteral("Dupont"));
        fill(form->TxtPre, QStringLiteral("Jérôme"));
        form->TxtRem->setPlainText(QStringLiteral("ligne 1 à 100 %\nligne 2 & ?\n#3"));
        form->CmdMail->click();
        test.fake.timers.Advance(2999);
        t.Step("sent, 2999 ms later");
        t.Note(form ? "form still open" : "form closed");
        test.fake.timers.Advance(1);
        QTRY_VERIFY(!form);
        t.Step("3 s later: closed");

        // A message no mail program took, or too long for one, is said and kept.
        test.fake.links.succeeds = false;
        for (const int length : {10, 40000}) {
            open("contact form asked again, no mail program");
            fill(form->TxtNom, QStringLiteral("Dupont"));
            fill(form->TxtPre, QStringLiteral("Paul"));
            form->TxtRem->setPlainText(QString(length, 'x'));
            form->CmdMail->click();
            test.fake.timers.Advance(5000);
            t.Step(QStringLiteral("%1 x sent, 5 s later").arg(length));
            t.Note(form && form->TxtRem->toPlainText().size() == length ? "form open with its text"
                                                                        : "form closed or emptied");
            delete form;
        }
        open("contact form asked again");
        form->CmdAnnule->click();
        QTRY_VERIFY(!form);
        t.Step("cancelled: closed");
        QVERIFY2(t.Matches("contact"), t.Mismatch());
    }
};

QTEST_MAIN(ContactTest)
#include "ContactTest.moc"
