// The options window inside the main window: colours shown at once, saved on request.

#include "app/Frm04Options.h"
#include "app/MDI.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zorvane;
using app::Tool;

namespace {

constexpr std::uint32_t kRed = 0x0000FF; // red sits in the low byte

struct OptionsInMainWindow {
    testing::TestContext test;
    app::MDI mdi{test.fake.platform, test.values, [this](Tool) {
                     return new app::Frm04Options(test.context, [this] { mdi.ApplyColours(); });
                 }};
    app::Frm04Options* options = nullptr;

    OptionsInMainWindow() {
        test.values.TitreAppli = "Zorvane";
        mdi.Load();
        mdi.show();
        mdi.OpenTool(Tool::Options);
        options = static_cast<app::Frm04Options*>(mdi.ToolForm(Tool::Options));
    }
    QColor ClientArea() const { return mdi.Area->background().color(); }
    bool OptionsOpen() const { return mdi.ToolForm(Tool::Options) != nullptr; }
    std::vector<QString> Questions() const {
        std::vector<QString> texts;
        for (const auto& box : test.fake.boxes.shown) {
            texts.push_back(box.text.trimmed());
        }
        return texts;
    }
};

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void pickedColourShowsAtOnceAndNoRestoresIt() {
        OptionsInMainWindow w;
        QVERIFY(!w.options->CmdEnregistre->isEnabled());
        w.test.fake.colours.picks = {kRed};
        w.options->CmdCoulFenetre->click();
        QCOMPARE(w.test.fake.colours.openedWith, std::vector<std::uint32_t>{0xFFFFFF});
        QCOMPARE(w.ClientArea(), QColor(Qt::red));
        QCOMPARE(w.test.values.CouleurFenetre, std::string("255"));
        QVERIFY(w.options->CmdEnregistre->isEnabled());
        w.test.fake.boxes.answers = {ui::kAnswerNo};
        w.options->parentWidget()->close();
        QCOMPARE(w.Questions(), std::vector<QString>{"Enregistrer les modification ?"});
        QCOMPARE(w.test.fake.boxes.shown[0].text.left(15), QString(15, ' '));
        QCOMPARE(w.test.values.CouleurFenetre, std::string("&HFFFFFF"));
        QCOMPARE(w.ClientArea(), QColor(Qt::white));
        QVERIFY(w.test.fake.settings.saved.empty());
        QTRY_VERIFY(!w.OptionsOpen());
    }

    void yesSavesTheDecimalForms() {
        OptionsInMainWindow w;
        w.test.fake.colours.picks = {0x123456};
        w.options->chameleonButton1->click();
        w.test.fake.boxes.answers = {ui::kAnswerYes};
        w.options->parentWidget()->close();
        QCOMPARE(w.test.fake.settings.values["ZRVN/Options/CouleurBar"], std::to_string(0x123456));
        QCOMPARE(w.test.fake.settings.values["ZRVN/Options/CouleurMDI"], std::string("&HFFFFFF"));
        QCOMPARE(w.test.fake.settings.saved,
                 (std::vector<std::string>{"ZRVN/Options/CouleurMDI", "ZRVN/Options/CouleurBar"}));
    }

    void cancelledColourDialogStillCountsAsChanged() {
        OptionsInMainWindow w;
        w.options->CmdCoulFenetre->click(); // no pick: the dialog was cancelled
        QCOMPARE(w.test.values.CouleurFenetre, std::string("16777215"));
        w.options->CmdAnnule->click();
        QCOMPARE(w.test.values.CouleurFenetre, std::string("&HFFFFFF"));
        QVERIFY(w.test.fake.boxes.shown.empty());
        QTRY_VERIFY(!w.OptionsOpen());
    }

    void defaultsAloneCloseWithoutQuestionOrSave() {
        OptionsInMainWindow w;
        w.test.values.CouleurFenetre = "255";
        w.mdi.ApplyColours();
        w.options->CmdDefaut->click();
        QCOMPARE(w.test.values.CouleurFenetre, std::string("16777215"));
        QCOMPARE(w.test.values.CouleurBarre, std::string("14737632"));
        QCOMPARE(w.ClientArea(), QColor(Qt::white));
        QVERIFY(w.options->CmdEnregistre->isEnabled());
        w.options->parentWidget()->close();
        QVERIFY(w.test.fake.boxes.shown.empty());
        QVERIFY(w.test.fake.settings.saved.empty());
        QCOMPARE(w.ClientArea(), QColor(Qt::white)); // kept for this run
    }

    void saveButtonWritesAndReportsARefusedStore() {
        OptionsInMainWindow w;
        w.test.fake.settings.writable = false;
        w.test.fake.colours.picks = {kRed};
        w.options->CmdCoulFenetre->click();
        w.options->CmdEnregistre->click();
        QCOMPARE(w.test.fake.boxes.shown.size(), std::size_t{1});
        QVERIFY(w.test.fake.boxes.shown[0].text.startsWith("Les options n'ont pas pu"));
        QCOMPARE(w.ClientArea(), QColor(Qt::red)); // the program keeps working with them
        QTRY_VERIFY(!w.OptionsOpen());
    }

    void mainWindowCloseBoxAsksAboutChangesFirst() {
        OptionsInMainWindow w;
        w.test.fake.colours.picks = {kRed};
        w.options->CmdCoulFenetre->click();
        w.test.fake.boxes.answers = {ui::kAnswerYes, ui::kAnswerYes};
        QVERIFY(w.mdi.close());
        QCOMPARE(w.Questions(), (std::vector<QString>{"Enregistrer les modification ?",
                                                      "Quitter le programme ?"}));
        QCOMPARE(w.test.fake.settings.values["ZRVN/Options/CouleurMDI"], std::string("255"));
        QVERIFY(w.test.fake.end.ended);
    }

    void quitButtonEndsWithoutAskingAboutChanges() {
        OptionsInMainWindow w;
        w.test.fake.colours.picks = {kRed};
        w.options->CmdCoulFenetre->click();
        w.test.fake.boxes.answers = {ui::kAnswerYes};
        w.mdi.CmdQ->click();
        QCOMPARE(w.Questions(), std::vector<QString>{"Quitter le programme ?"});
        QVERIFY(w.test.fake.end.ended);
        QVERIFY(w.test.fake.settings.saved.empty());
    }
};

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
