// The communes' about window, the contact form and the mailto: link it hands over.

#include "app/EnvoyerMail.h"
#include "app/FrmMail.h"
#include "communes/Frm21About.h"
#include "support/LabelFits.h"
#include "support/TestContext.h"
#include "ui/Twips.h"

#include <QtTest>

using namespace zorvane;
using app::FrmMail;

namespace {

void SaveScreenshot(QWidget& form, const char* name) {
    const QByteArray folder = qgetenv("ZORVANE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QVERIFY(form.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png"));
    }
}

struct ContactForm {
    testing::TestContext test;
    QPointer<FrmMail> form = new FrmMail(test.context);
    ContactForm() { test.fake.timers.Advance(500); }
    ~ContactForm() { delete form; }
    std::vector<bool> Marks() const {
        std::vector<bool> shown;
        for (QLabel* mark : form->ImgF) {
            shown.push_back(!mark->isHidden());
        }
        return shown;
    }
};

} // namespace

class ContactTest : public QObject {
    Q_OBJECT
private slots:
    void mailtoLinkEncodesOnlyLineBreaks() {
        const std::string body = app::MailBody("X", "Y", "");
        QCOMPARE(body, std::string("Nom: X\r\nPrenom: Y\r\n\r\n"));
        QCOMPARE(app::MailtoLink("a", "Salut", "Nom: X\r\nPrenom: Y", "", ""),
                 std::string("mailto:a?Subject=Salut&Body=Nom: X%0DPrenom: Y"));
        QCOMPARE(app::MailtoLink("a", "", "l1\r\nl2", "", ""),
                 std::string("mailto:a?Body=l1%0Dl2"));
        QCOMPARE(app::MailtoLink("a", "Q & R ?", "50 % #1\rx\ny", "c@x", "b@x"),
                 std::string("mailto:a?Subject=Q & R ?&Body=50 % #1\rx\ny&CC=c@x&BCC=b@x"));
        QCOMPARE(app::MailtoLink("a", "", "", "", "b"), std::string("mailto:a?BCC=b"));
        QCOMPARE(app::MailtoLink("a", "", "", "", ""), std::string("mailto:a"));
    }

    void formShowsItselfWithItsTexts() {
        testing::TestContext test;
        QPointer<FrmMail> form = new FrmMail(test.context);
        QVERIFY(!form->isVisible());
        QVERIFY(test.fake.timers.IsArmed("TimDeb"));
        QVERIFY(!test.fake.timers.IsArmed("TimEnd"));
        test.fake.timers.Advance(500);
        QVERIFY(form->isVisible());
        QCOMPARE(form->TxtObj->text(), QStringLiteral("Zorvane Version 1.20"));
        QVERIFY(form->LblInfo1->text().endsWith(
            "formulaire puis cliquez sur\n''Envoyer le message''."));
        QVERIFY(form->LblInfo3->text().startsWith(QString(15, ' ') + "votre message\n"));
        QVERIFY(form->LblInfo3->text().endsWith("votre  compréhension.\n"));
        QVERIFY(!form->CmdMail->isEnabled());
        QCOMPARE(form->width(), ui::TwipsToPixels(7200, form));
        form->TxtNom->setText(QStringLiteral("Dupont"));
        SaveScreenshot(*form, "FrmMail");
        delete form;
    }

    void sendButtonFollowsTheFields() {
        ContactForm c;
        c.form->TxtObj->clear();
        QVERIFY(!c.form->CmdMail->isEnabled());
        c.form->TxtObj->setText(QStringLiteral("Question"));
        QVERIFY(!c.form->CmdMail->isEnabled()); // the subject never enables it
        c.form->TxtNom->setText(QStringLiteral("D"));
        QVERIFY(c.form->CmdMail->isEnabled());
        c.form->TxtNom->clear();
        QVERIFY(!c.form->CmdMail->isEnabled());
        c.form->TxtRem->setPlainText(QStringLiteral("Bonjour"));
        QVERIFY(c.form->CmdMail->isEnabled());
    }

    void incompleteFormShowsMarksAndSendsNothing() {
        ContactForm c;
        QVERIFY(QTest::qWaitForWindowActive(c.form));
        c.form->TxtObj->clear();
        c.form->CmdMailClick();
        QCOMPARE(c.Marks(), (std::vector<bool>{true, true, true, true}));
        QVERIFY(c.form->TxtRem->hasFocus());
        QCOMPARE(c.test.fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(c.test.fake.boxes.shown[0].text,
                 QStringLiteral("Le formulaire est incomplet.      "));
        QCOMPARE(c.test.fake.boxes.shown[0].icon, ui::Icon::None);

        c.form->TxtObj->setText(QStringLiteral("Sujet"));
        c.form->TxtRem->setPlainText(QStringLiteral("Bonjour"));
        QCOMPARE(c.Marks(), (std::vector<bool>{true, true, false, false}));
        c.form->CmdMail->click();
        QCOMPARE(c.Marks(), (std::vector<bool>{true, true, false, false}));
        QVERIFY(c.form->TxtPre->hasFocus());
        QVERIFY(c.test.fake.links.opened.empty());
        QCOMPARE(c.form->TxtRem->toPlainText(), QStringLiteral("Bonjour"));
    }

    void sendHandsTheLinkOverAndClosesThreeSecondsLater() {
        ContactForm c;
        c.form->TxtNom->setText(QStringLiteral("Dupont"));
        c.form->TxtPre->setText(QStringLiteral("Jérôme"));
        c.form->TxtRem->setPlainText(QStringLiteral("ligne 1 à 100 %\nligne 2 & ?\n#3"));
        c.form->CmdMail->click();
        QCOMPARE(c.test.fake.links.opened,
                 std::vector<QString>{"mailto:contact@zorvane.example?Subject=Zorvane Version 1.20"
                                      "&Body=Nom: Dupont%0DPrenom: Jérôme%0D%0Dligne 1 à 100 %%0D"
                                      "ligne 2 & ?%0D#3"});
        c.test.fake.timers.Advance(2999);
        QVERIFY(c.form && c.form->isVisible());
        c.test.fake.timers.Advance(1);
        QTRY_VERIFY(!c.form);
    }

    // A message no mail program took, or too long for one, is said and kept.
    void aMessageThatCannotGoStaysWithItsText() {
        for (const bool tooLong : {false, true}) {
            ContactForm c;
            c.test.fake.links.succeeds = false;
            const QString text(tooLong ? 40000 : 10, QLatin1Char('x'));
            c.form->TxtNom->setText(QStringLiteral("Dupont"));
            c.form->TxtPre->setText(QStringLiteral("Paul"));
            c.form->TxtRem->setPlainText(text);
            c.form->CmdMail->click();
            QCOMPARE(c.test.fake.links.opened.size(), std::size_t{tooLong ? 0U : 1U});
            QCOMPARE(c.test.fake.boxes.shown.size(), std::size_t{1});
            QVERIFY(c.test.fake.boxes.shown[0].text.startsWith(
                tooLong ? QStringLiteral("Le message est trop long")
                        : QStringLiteral("Aucun programme de messagerie")));
            c.test.fake.timers.Advance(5000);
            QVERIFY(c.form && c.form->isVisible());
            QCOMPARE(c.form->TxtRem->toPlainText(), text);
        }
    }

    void cancelClosesAtOnce() {
        ContactForm c;
        c.form->CmdAnnule->click();
        QTRY_VERIFY(!c.form);
        QVERIFY(c.test.fake.links.opened.empty());
    }

    void aboutWindowLinesSiteAndPlacement() {
        testing::TestContext test;
        QWidget main;
        main.resize(ui::TwipsSize(12000, 9000, &main));
        auto* communes = new QWidget(&main);
        main.show();
        QPointer<communes::Frm21About> about = new communes::Frm21About(test.context, communes);
        about->show();
        QCOMPARE(about->Lbl[4]->text(),
                 QStringLiteral("de  l ' Académie - Zone des vacances scolaires"));
        for (QLabel* line : about->Lbl) {
            QVERIFY2(testing::ShowsWholeText(line), qPrintable(line->text()));
        }
        QCOMPARE(about->pos(), main.mapToGlobal(QPoint((main.width() - about->width()) / 2,
                                                       (main.height() - about->height()) / 4)));
        QVERIFY(!communes->isEnabled());
        QCOMPARE(about->CmdSite->text(), QStringLiteral("www.zorvane.example"));
        about->CmdSite->click();
        QCOMPARE(test.fake.links.opened, std::vector<QString>{"https://www.zorvane.example/"});
        SaveScreenshot(*about, "Frm21About");
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Return);
        QTRY_VERIFY(!about);
        QVERIFY(communes->isEnabled());
    }
};

QTEST_MAIN(ContactTest)
#include "ContactTest.moc"
