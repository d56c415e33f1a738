// The communes window on the recording platform: loading, searching as the user types,
// details, copies, links and the about window.

#include "communes/Frm14CD.h"

#include "SampleCommunes.h"
#include "communes/CommuneLists.h"
#include "support/LabelFits.h"
#include "support/TestContext.h"
#include "ui/Text.h"

#include <QFile>
#include <QScrollBar>
#include <QtTest>

using namespace zorvane;
using communes::Frm14CD;

namespace {

struct CommunesWindow {
    testing::TestContext test;
    ui::fake::FakeHtmlBrowser& browser = test.fake.browser;
    std::unique_ptr<Frm14CD> form;

    explicit CommunesWindow(bool withResources = true) {
        if (withResources) {
            test.fake.resources.Add("LISTEPARCP", 200, testing::SamplePostcodeResource());
            test.fake.resources.Add("LISTEPARNOM", 201, testing::SampleNameResource());
        }
        form = std::make_unique<Frm14CD>(test.context);
        form->show();
        form->activateWindow();
    }
    void Load() { test.fake.timers.Advance(300); }
    void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    QStringList Items() const {
        QStringList items;
        for (int i = 0; i < form->LstLaListe->count(); ++i) {
            items << form->LstLaListe->item(i)->text();
        }
        return items;
    }
    void Click(int row) {
        QListWidgetItem* item = form->LstLaListe->item(row);
        QTest::mouseClick(form->LstLaListe->viewport(), Qt::LeftButton, {},
                          form->LstLaListe->visualItemRect(item).center());
    }
    QStringList BoxTexts() const {
        QStringList texts;
        for (const auto& box : test.fake.boxes.shown) {
            texts << box.text;
        }
        return texts;
    }
};

bool ActionsAvailable(const Frm14CD& form) {
    return form.CmdCopier->isEnabled() && form.CmdGoogleMap->isEnabled() &&
           form.CmdExterne->isEnabled() && !form.ImgCopyTrue->isHidden();
}

} // namespace

class Frm14CDTest : public QObject {
    Q_OBJECT
private slots:
    void loadsInTwoStepsAndSearchesWhatWasTypedMeanwhile() {
        CommunesWindow w;
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(w.form->windowTitle(),
                 QStringLiteral("RECHERCHER - Codes postaux et communes de France"));
        w.Type(w.form->TxtCP, QStringLiteral("750"));
        QCOMPARE(w.form->LblInfo->text(), QStringLiteral("Chargement des communes en cours..."));
        w.Load();
        QCOMPARE(w.test.fake.timers.starts,
                 (std::vector<std::pair<QString, int>>{{"TimCP", 100}, {"TimNom", 200}}));
        QCOMPARE(w.Items(), (QStringList{"75001 PARIS 01", "75002 PARIS 02"}));
        QCOMPARE(w.form->LblInfo->text(), QStringLiteral("2 communes trouvées."));
        QVERIFY(w.test.fake.boxes.shown.empty());
    }

    void searchesByPostcodeAsTheUserTypes() {
        CommunesWindow w;
        w.Load();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QVERIFY(!ActionsAvailable(*w.form));
        QTest::mouseClick(w.form->Txt1Foc, Qt::LeftButton);
        QVERIFY(w.form->Txt1Foc->isHidden());
        QVERIFY(w.form->TxtCP->hasFocus());
        QCOMPARE(w.form->Mode(), communes::CommuneSearchMode::Postcode);
        QCOMPARE(w.form->TxtCherche->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(w.form->LblInfo->text(),
                 QStringLiteral("Dans la zone de texte entrez un n° de CP."));

        QTest::keyClicks(w.form->TxtCP, QStringLiteral("75"));
        QVERIFY(w.Items().isEmpty());
        QCOMPARE(w.form->LblInfo->text(), QString());
        QTest::keyClicks(w.form->TxtCP, QStringLiteral("001"));
        QCOMPARE(w.Items(), QStringList{"75001 PARIS 01"});
        QCOMPARE(w.form->LblInfo->text(), QStringLiteral("Une commune a ce code postal."));
        QCOMPARE(w.form->LblCommuneMin->text(), QStringLiteral("Paris 01"));
        QCOMPARE(w.form->LblCodeRegion->text(), QStringLiteral(" 11"));
        QCOMPARE(w.form->LblInsee->text(), QStringLiteral(" 75101"));
        QVERIFY(ActionsAvailable(*w.form));

        // Letters and blanks match nothing; a long paste is cut at five characters.
        for (const QString& typed : {QStringLiteral("7 5A0"), QString(200, 'x')}) {
            w.form->TxtCP->clear();
            w.form->TxtCP->insert(typed);
            QCOMPARE(w.form->LblInfo->text(), QStringLiteral("Ce code postal est inexistant."));
            QVERIFY(w.Items().isEmpty());
            QCOMPARE(w.form->LblCommune->text(), QString());
            QVERIFY(!ActionsAvailable(*w.form));
        }
        QCOMPARE(w.form->TxtCP->text().size(), 5);

        w.form->TxtCP->setText(QStringLiteral("932"));
        w.Click(1);
        QCOMPARE(w.form->LblCommune->text(), QStringLiteral("93210 ST DENIS"));
    }

    void searchesByNameAndRefusesOtherCharacters() {
        CommunesWindow w;
        w.Load();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QTest::mouseClick(w.form->Txt2Foc, Qt::LeftButton);
        QCOMPARE(w.form->Mode(), communes::CommuneSearchMode::Name);
        QCOMPARE(w.form->TxtCP->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(w.form->LblInfo->text(), QStringLiteral("Entrez un nom de commune."));

        QTest::keyClicks(w.form->TxtCherche, QStringLiteral("s"));
        QCOMPARE(w.form->TxtCherche->text(), QStringLiteral("S"));
        QVERIFY(w.Items().isEmpty());
        QTest::keyClicks(w.form->TxtCherche, QStringLiteral("aint denis-"));
        w.form->TxtCherche->insert(QStringLiteral("é"));
        QCOMPARE(w.form->TxtCherche->text(), QStringLiteral("SAINT DENIS"));
        QCOMPARE(w.form->TxtCherche->cursorPosition(), 11);
        QCOMPARE(w.BoxTexts(), (QStringList{"Le caractere '' - '' n'est pas valide.",
                                            "Le caractere '' É '' n'est pas valide."}));
        QCOMPARE(w.test.fake.boxes.shown[0].icon, ui::Icon::None);
        QCOMPARE(w.test.fake.boxes.shown[0].title, QStringLiteral("Zorvane"));
        // Typed in full, SAINT finds the keys that spell it as La Poste does.
        QCOMPARE(w.Items(), (QStringList{"93200 ST DENIS", "93210 ST DENIS", "97400 ST DENIS",
                                         "01000 ST DENIS LES BOURG"}));
        QCOMPARE(w.form->LblInfo->text(), QStringLiteral("4 communes trouvées."));
        QVERIFY(!w.test.fake.pointer.busy);

        // A commune whose name is shared shows the one of the clicked postal code.
        w.Click(2);
        QCOMPARE(w.form->LblDepartement->text(), QStringLiteral("974 La Réunion"));
        QCOMPARE(w.form->LblZoneVac->text(), QStringLiteral(" ."));
        QCOMPARE(w.form->LblLatitude->text(), QStringLiteral("-20.88231"));
        saveScreenshot(*w.form, "Frm14CD");

        // A paste of 200 characters: one message per refused character, the rest searched.
        w.test.fake.boxes.shown.clear();
        w.form->TxtCherche->clear();
        w.form->TxtCherche->insert(QString(QStringLiteral("l'Œ-")).repeated(50));
        QCOMPARE(w.BoxTexts(), (QStringList{"Le caractere '' ' '' n'est pas valide.",
                                            "Le caractere '' Œ '' n'est pas valide.",
                                            "Le caractere '' - '' n'est pas valide."}));
        QCOMPARE(w.form->TxtCherche->text(), QString(50, 'L'));
        QCOMPARE(w.form->LblInfo->text(), QStringLiteral("Aucun nom de commune n'a été trouvé."));
    }

    void copiesTheDataAndTheKey() {
        CommunesWindow w;
        w.Load();
        w.form->TxtCP->setText(QStringLiteral("01000"));
        w.form->CmdCopier->click();
        const QString copied = w.test.fake.clipboard.text;
        QVERIFY(
            copied.startsWith("Commune: 01000 BOURG EN BRESSE\r\nNom minuscule: Bourg-en-Bresse\r\n"
                              "Département: 01 Ain\r\n"));
        QVERIFY(copied.contains("\r\nCode région:  84\r\n"));
        QVERIFY(copied.endsWith("\r\nLongitude: 5.24602125501"));
        QCOMPARE(w.BoxTexts(),
                 QStringList{"Les données on été copiées dans le presse-papier.\r\n\r\n" + copied});
        w.form->ImgCopyTrue->click();
        QCOMPARE(w.test.fake.clipboard.text, QStringLiteral("01000 BOURG EN BRESSE"));
        QCOMPARE(w.BoxTexts().last(),
                 QStringLiteral("Le nom de commune a été copiée dans le "
                                "presse-papier.\r\n\r\n01000 BOURG EN BRESSE"));
        QCOMPARE(w.test.fake.clipboard.clears, 2);
    }

    void opensTheMapInTheBrowserAndTheTownHallPage() {
        CommunesWindow w;
        w.Load();
        w.form->TxtCP->setFocus();
        w.form->TxtCP->setText(QStringLiteral("01000"));
        w.Click(1);
        QCOMPARE(w.form->LblCommuneMin->text(), QStringLiteral("Saint-Denis-lès-Bourg"));
        w.form->CmdGoogleMap->click();
        QCOMPARE(w.browser.asked.size(), std::size_t{1});
        QVERIFY(w.browser.asked[0].endsWith(".HTM"));
        QVERIFY(w.browser.probeText.startsWith("<HTML> <\\HTML>"));
        QVERIFY(!QFile::exists(w.browser.asked[0]));
        QCOMPARE(w.browser.started.size(), std::size_t{1});
        QCOMPARE(w.browser.started[0].first, QStringLiteral("/usr/bin/navigateur"));
        QCOMPARE(w.browser.started[0].second,
                 QStringLiteral("https://www.google.com/maps/dir//%20%20+%20%2046.20217"
                                "%20%20+%20%20,%20%205.18924"));
        w.form->CmdExterne->click();
        QCOMPARE(w.test.fake.links.opened,
                 std::vector<QString>{"http://mairies.zorvane.example/01/saint-denis-les-bourg"});
        QVERIFY(w.test.fake.boxes.shown.empty());

        w.browser.starts = false;
        w.form->CmdGoogleMap->click();
        w.browser.program.reset();
        w.form->CmdGoogleMap->click();
        QCOMPARE(w.BoxTexts(), (QStringList{"Web Page not Opened", "Could not your Browser"}));
        QCOMPARE(w.test.fake.boxes.shown[0].title, QStringLiteral("URL Failed"));
        QCOMPARE(w.test.fake.boxes.shown[1].title, QStringLiteral("Browser Not Found"));
        QCOMPARE(w.test.fake.boxes.shown[1].icon, ui::Icon::Exclamation);
        QVERIFY(!QFile::exists(w.browser.asked.back()));

        // A name past 42 characters still gets its whole directory path, and the longest key
        // and names of the shipped data show whole.
        w.form->TxtCherche->setText(
            QStringLiteral("SAINT REMY EN BOUZEMONT SAINT GENEST ET ISSON"));
        for (QLabel* label : {w.form->LblCommune, w.form->LblCommuneMin, w.form->LblDepartement,
                              w.form->LblRegion, w.form->LblAcademie}) {
            QVERIFY2(testing::ShowsWholeText(label), qPrintable(label->text()));
        }
        // The list leaves room for the key and for a scroll bar.
        QListWidget* list = w.form->LstLaListe;
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        QVERIFY(list->viewport()->width() - list->verticalScrollBar()->sizeHint().width() >=
                QFontMetricsF(list->font()).horizontalAdvance(list->item(0)->text()) + 2 * margin);
        w.form->CmdExterne->click();
        QCOMPARE(w.test.fake.links.opened.back(),
                 QStringLiteral("http://mairies.zorvane.example/51/"
                                "saint-remy-en-bouzemont-saint-genest-et-isson"));
    }

    void aboutWindowDisablesTheCommunesWindowWhileOpen() {
        CommunesWindow w;
        w.form->CmdAbout->click();
        QPointer<communes::Frm21About> about = w.form->About();
        QVERIFY(about && about->isVisible());
        QVERIFY(!w.form->isEnabled());
        about->CmdQ->click();
        QTRY_VERIFY(!about);
        QVERIFY(w.form->isEnabled());
        // The communes window closed by its frame takes its about window along.
        w.form->CmdAbout->click();
        about = w.form->About();
        w.form.reset();
        QTRY_VERIFY(!about);
    }

    void missingAndOversizedResourcesAreReported() {
        CommunesWindow missing(false);
        missing.Load();
        QCOMPARE(missing.test.fake.boxes.shown.size(), std::size_t{2});
        QVERIFY(
            missing.BoxTexts()[0].startsWith("La ressource LISTEPARCP (n° 200) est introuvable"));
        QVERIFY(
            missing.BoxTexts()[1].startsWith("La ressource LISTEPARNOM (n° 201) est introuvable"));
        QCOMPARE(missing.test.fake.boxes.shown[0].icon, ui::Icon::Critical);
        missing.form->TxtCP->setText(QStringLiteral("750"));
        QCOMPARE(missing.form->LblInfo->text(), QStringLiteral("Ce code postal est inexistant."));

        testing::TestContext test;
        std::string lines;
        for (std::size_t i = 0; i <= communes::kCommuneCapacity; ++i) {
            lines += "10000 X\xA7x\r\n";
        }
        test.fake.resources.Add("LISTEPARCP", 200, lines);
        test.fake.resources.Add("LISTEPARNOM", 201, testing::SampleNameResource());
        Frm14CD form(test.context);
        test.fake.timers.Advance(300);
        QCOMPARE(test.fake.boxes.shown.size(), std::size_t{1});
        QVERIFY(test.fake.boxes.shown[0].text.contains("LISTEPARCP (n° 200) compte 36380 lignes"));
    }

private:
    static void saveScreenshot(QWidget& form, const char* name) {
        const QByteArray folder = qgetenv("ZORVANE_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QVERIFY(form.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png"));
        }
    }
};

QTEST_MAIN(Frm14CDTest)
#include "Frm14CDTest.moc"
