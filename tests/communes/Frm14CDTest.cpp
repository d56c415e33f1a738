// The communes window on the recording platform, followed in a transcript: missing and
// oversized lists, loading in two steps, searching by postal code and by name as the user
// types, refused characters, details, copies, the map and town-hall links, the about window and its
// site link.

#include "communes/Frm14CD.h"

#include "SampleCommunes.h"
#include "communes/CommuneLists.h"
#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

#include <QFile>

using namespace zorvane;
using namespace zorvane::testing;
using communes::Frm14CD;

class Frm14CDTest : public QObject {
    Q_OBJECT

private slots:
    void transcript() {
        TestContext test;
        Transcript t(test.fake);
        std::unique_ptr<Frm14CD> form;
        const auto open = [&](const QString& title) {
            form = std::make_unique<Frm14CD>(test.context);
            QVERIFY(ShowActive(form.get()));
            test.fake.timers.Advance(300);
            t.Step(title);
        };
        // What a search changes: the boxes, the list, the details and the actions.
        const auto details = [&](const QString& title) {
            t.Step(title,
                   {form->TxtCP, form->TxtCherche, form->LblInfo, form->LstLaListe,
                    form->LblCommune, form->LblCommuneMin, form->LblDepartement, form->LblRegion,
                    form->LblCodeRegion, form->LblInsee, form->LblAcademie, form->LblCodeAca,
                    form->LblZoneVac, form->LblLatitude, form->LblLongitude, form->ImgCopyTrue,
                    form->CmdCopier, form->CmdGoogleMap, form->CmdExterne});
        };
        const auto put = [&](QLineEdit* box, const QString& text) {
            box->clear();
            box->insert(text);
        };
        open("opened without its lists");
        put(form->TxtCP, QStringLiteral("750"));
        t.Step("750 typed", {form->LblInfo});
        const QByteArray line("10000 X\xA7x\r\n");
        test.fake.resources.Add("LISTEPARCP", 200,
                                line.repeated(communes::kCommuneCapacity + 1).toStdString());
        test.fake.resources.Add("LISTEPARNOM", 201, SampleNameResource());
        open("opened again with a list too long");
        test.fake.resources.Add("LISTEPARCP", 200, SamplePostcodeResource());
        form = std::make_unique<Frm14CD>(test.context);
        QVERIFY(ShowActive(form.get()));
        QTest::mouseClick(form->Txt1Foc, Qt::LeftButton);
        t.Step("opened again, postal code box clicked at once");
        t.Window(form.get());
        Type("750");
        t.Step("750 typed", {form->LblInfo});
        test.fake.timers.Advance(300);
        details("lists loaded");
        put(form->TxtCP, QStringLiteral("75"));
        t.Step("75 typed", {form->LstLaListe, form->LblInfo});
        Type("001");
        details("001 typed");
        for (const QString& typed : {QStringLiteral("7 5A0"), QString(200, 'x')}) {
            put(form->TxtCP, typed);
            details(QStringLiteral("%1 characters pasted").arg(typed.size()));
        }
        QTest::mouseClick(form->Txt2Foc, Qt::LeftButton);
        t.Step("name box clicked", {form->TxtCP, form->Txt2Foc, form->TxtCherche, form->LblInfo});
        Type("saint denis-");
        form->TxtCherche->insert(QStringLiteral("é"));
        details("saint denis- typed, é pasted");
        t.Note(QStringLiteral("caret at %1").arg(form->TxtCherche->cursorPosition()));
        ClickRow(form->LstLaListe, 2);
        details("third row clicked");
        put(form->TxtCherche, QString(QStringLiteral("l'Œ-")).repeated(50));
        t.Step("l'Œ- pasted 50 times", {form->TxtCherche, form->LblInfo});
        put(form->TxtCP, QStringLiteral("01000"));
        form->CmdCopier->click();
        form->ImgCopyTrue->click();
        t.Step("01000: data and key copied");
        ClickRow(form->LstLaListe, 1);
        form->CmdGoogleMap->click();
        form->CmdExterne->click();
        t.Step("second row: map and town hall opened", {form->LblCommuneMin});
        // The browser is found through a page written for the purpose, then removed.
        QVERIFY(test.fake.browser.asked.back().endsWith(".HTM"));
        QVERIFY(test.fake.browser.probeText.startsWith("<HTML> <\\HTML>"));
        test.fake.browser.starts = false;
        form->CmdGoogleMap->click();
        test.fake.browser.program.reset();
        form->CmdGoogleMap->click();
        t.Step("map asked of a browser that does not start, then of none");
        QVERIFY(std::none_of(test.fake.browser.asked.begin(), test.fake.browser.asked.end(),
                             [](const QString& page) { return QFile::exists(page); }));
        put(form->TxtCherche, QStringLiteral("SAINT REMY EN BOUZEMONT SAINT GENEST ET ISSON"));
        form->CmdExterne->click();
        details("the longest name: town hall opened");
        form->CmdAbout->click();
        QPointer<communes::Frm21About> about = form->About();
        QVERIFY(about);
        t.Step("about window opened");
        t.Note(form->isEnabled() ? "communes window enabled" : "communes window disabled");
        t.Window(about);
        // Centred across the communes window, a quarter of the way down.
        QCOMPARE(about->pos(), form->mapToGlobal(QPoint((form->width() - about->width()) / 2,
                                                        (form->height() - about->height()) / 4)));
        about->CmdSite->click();
        t.Step("site clicked");
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Return);
        QTRY_VERIFY(!about);
        t.Step("Enter: about window closed");
        t.Note(form->isEnabled() ? "communes window enabled" : "communes window disabled");
        form->CmdAbout->click();
        about = form->About();
        QVERIFY(QTest::qWaitForWindowActive(about));
        about->CmdSite->setFocus();
        QTest::keyClick(about->CmdSite, Qt::Key_Escape);
        QTRY_VERIFY(!about);
        t.Step("opened again, Escape: about window closed");
        t.Note(form->isEnabled() ? "communes window enabled" : "communes window disabled");
        // Closed by its frame, the communes window takes its about window along.
        form->CmdAbout->click();
        about = form->About();
        form.reset();
        QTRY_VERIFY(!about);
        // Keys typed as soon as the window opens go to the postal-code box.
        form = std::make_unique<Frm14CD>(test.context);
        QVERIFY(ShowActive(form.get()));
        Type("01000");
        test.fake.timers.Advance(300);
        details("opened again, 01000 typed at once, lists loaded");
        t.TabOrder(form.get());
        QVERIFY2(t.Matches("communes"), t.Mismatch());
    }
};

QTEST_MAIN(Frm14CDTest)
#include "Frm14CDTest.moc"
