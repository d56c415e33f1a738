// The contact form on the recording platform, followed in a transcript: the send button and
// the marks of missing fields, a message too long or taken by no mail program, the mailto:
// link handed over and the close three seconds later, and the cancel button.

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
    // What the form never puts in a link: no subject, a lone CR or LF, copies.
    void mailtoLinkEncodesOnlyLineBreaks() {
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
        QPointer<FrmMail> form = new FrmMail(test.context);
        const auto fill = [&](QWidget* box, const QString& text) {
            box->setFocus();
            Press(Qt::Key_A, Qt::ControlModifier);
            Press(Qt::Key_Delete);
            Type(text);
        };
        const std::initializer_list<QWidget*> marks = {form->ImgF[0], form->ImgF[1], form->ImgF[2],
                                                       form->ImgF[3], form->TxtPre,  form->TxtRem};
        t.Step("contact form asked");
        t.Note(form->isVisible() ? "shown at once" : "not shown yet");
        test.fake.timers.Advance(500);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        t.Step("after 500 ms");
        t.Window(form);
        for (const auto& [box, text, title] :
             {std::tuple{form->TxtObj, "", "subject emptied"},
              {form->TxtObj, "Question", "Question typed as subject"},
              {form->TxtNom, "D", "D typed as name"},
              {form->TxtNom, "", "name emptied"}}) {
            fill(box, QString::fromUtf8(text));
            t.Step(QString::fromUtf8(title), {form->CmdMail});
        }
        fill(form->TxtObj, "");
        form->CmdMailClick();
        t.Step("sent with every field empty", marks);
        fill(form->TxtObj, QStringLiteral("Sujet"));
        fill(form->TxtRem, QStringLiteral("Bonjour"));
        t.Step("subject and message typed", marks);
        form->CmdMail->click();
        t.Step("sent without a name", marks);
        fill(form->TxtNom, QStringLiteral("Dupont"));
        fill(form->TxtPre, QStringLiteral("Jérôme"));
        // A message too long for a mail program, or one no mail program took, is kept.
        test.fake.links.succeeds = false;
        for (const QString& text :
             {QString(40000, 'x'), QStringLiteral("ligne 1 à 100 %\nligne 2 & ?\n#3")}) {
            form->TxtRem->setPlainText(text);
            form->CmdMail->click();
            test.fake.timers.Advance(5000);
            t.Step(QStringLiteral("%1 characters sent, 5 s later").arg(text.size()));
            t.Note(form && form->TxtRem->toPlainText() == text ? "open with its text" : "closed");
        }
        test.fake.links.succeeds = true;
        form->CmdMail->click();
        test.fake.timers.Advance(2999);
        t.Step("sent again, 2999 ms later");
        t.Note(form ? "open" : "closed");
        test.fake.timers.Advance(1);
        QTRY_VERIFY(!form);
        t.Step("3 s later: closed");
        form = new FrmMail(test.context);
        test.fake.timers.Advance(500);
        form->CmdAnnule->click();
        QTRY_VERIFY(!form);
        t.Step("asked again and cancelled: closed");
        QVERIFY2(t.Matches("contact"), t.Mismatch());
    }
};

QTEST_MAIN(ContactTest)
#include "ContactTest.moc"
