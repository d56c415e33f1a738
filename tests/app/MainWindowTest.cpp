// The main window: tool bar, one instance per tool window, cascade places, quitting.

#include "app/MDI.h"
#include "ui/Twips.h"
#include "ui/fake/FakePlatform.h"

#include <QtTest>

using namespace zorvane;
using app::Tool;

class MainWindowTest : public QObject {
    Q_OBJECT

    ui::fake::FakePlatform fake;
    data::StartupValues values;
    int loads = 0;
    QSize toolSize{300, 200};

    std::unique_ptr<app::MDI> MakeMainWindow() {
        values.CouleurFenetre = "&HFFFFFF";
        values.CouleurBarre = "&HE0E0E0";
        auto mdi = std::make_unique<app::MDI>(fake.platform, values, [this](Tool) {
            ++loads;
            auto* form = new QWidget;
            form->setWindowTitle(QStringLiteral("Outil"));
            form->setFixedSize(toolSize);
            return form;
        });
        mdi->Load();
        mdi->show();
        return mdi;
    }

    static int TwipsOf(QWidget* form) {
        return ui::PixelsToTwips(form->parentWidget()->pos().x(), form);
    }

private slots:
    void init() {
        fake.boxes.shown.clear();
        fake.end.ended = false;
        loads = 0;
    }

    void toolBarHasTenButtonsAndDefaultColours() {
        auto mdi = MakeMainWindow();
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Zorvane"));
        const QStringList tips = {"Quitter le programme",
                                  "A propos du programme",
                                  "Options du programme",
                                  "Codes postaux et villes",
                                  "Mots admis au jeu de scrabble",
                                  "Les synonymes",
                                  "Le dictionnaire 510 000 mots",
                                  "Anagrammes-Tous les mots possibles",
                                  "Mots approchants",
                                  "Mots croisés"};
        const auto buttons = mdi->PicCmd->findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), qsizetype{10});
        for (const QString& tip : tips) {
            QVERIFY2(std::any_of(buttons.begin(), buttons.end(),
                                 [&](QToolButton* b) { return b->toolTip() == tip; }),
                     qPrintable(tip));
        }
        QCOMPARE(mdi->Area->background().color(), QColor(Qt::white));
        QCOMPARE(mdi->PicCmd->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
        // The test screen is smaller than the window's 15660 x 11595 twips: it fills the screen.
        const QSize screen = mdi->screen()->availableSize();
        QVERIFY(mdi->isMaximized() && mdi->width() <= screen.width() &&
                mdi->height() <= screen.height());
        QVERIFY(mdi->width() < ui::TwipsToPixels(15660, mdi.get()));
        QVERIFY(fake.timers.IsArmed(QStringLiteral("TimDem")));
        fake.timers.Advance(100);
        QVERIFY(!fake.timers.IsArmed(QStringLiteral("TimDem")));
    }

    void eightWindowsCycleThroughSixPlaces() {
        auto mdi = MakeMainWindow();
        const Tool order[] = {Tool::Dico,     Tool::Scrabble,   Tool::Ana,    Tool::Syno,
                              Tool::MotCroix, Tool::Approchant, Tool::CodPos, Tool::Options};
        QList<int> places;
        for (const Tool tool : order) {
            mdi->OpenTool(tool);
            places << TwipsOf(mdi->ToolForm(tool));
        }
        QCOMPARE(places, QList<int>({600, 1200, 1800, 2400, 3000, 3600, 600, 1200}));
        QCOMPARE(loads, 8);
    }

    // Windows too big for their cascade place move back up and left into the client area.
    void bigWindowsStayInTheClientArea() {
        toolSize = QSize(700, 560);
        auto mdi = MakeMainWindow();
        for (const Tool tool : {Tool::Dico, Tool::Scrabble, Tool::Ana}) {
            mdi->OpenTool(tool);
            const QRect placed = mdi->ToolForm(tool)->parentWidget()->geometry();
            QVERIFY(mdi->Area->viewport()->rect().contains(placed));
        }
        toolSize = QSize(300, 200);
    }

    void secondClickBringsToFrontWithoutMovingOrLoading() {
        auto mdi = MakeMainWindow();
        mdi->OpenTool(Tool::Dico);
        mdi->OpenTool(Tool::Ana);
        QWidget* dico = mdi->ToolForm(Tool::Dico);
        const QPoint before = dico->parentWidget()->pos();
        mdi->ToolButtonOf[Tool::Dico]->click();
        QCOMPARE(loads, 2);
        QCOMPARE(dico->parentWidget()->pos(), before);
        QCOMPARE(mdi->Area->activeSubWindow(), dico->parentWidget());
        QCOMPARE(mdi->PosCascade(), std::int16_t{1200});
        // Minimised, it comes back to its place and to the front.
        auto* child = qobject_cast<QMdiSubWindow*>(dico->parentWidget());
        mdi->Area->setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(mdi->ToolForm(Tool::Ana)->parentWidget()));
        child->showMinimized();
        mdi->ToolButtonOf[Tool::Dico]->click();
        QVERIFY(!child->isMinimized() && dico->isVisible());
        QCOMPARE(child->pos(), before);
        QCOMPARE(mdi->Area->activeSubWindow(), child);
        // Closed and opened again: a new load, at the next place.
        dico->parentWidget()->close();
        QTRY_VERIFY(mdi->ToolForm(Tool::Dico) == nullptr);
        mdi->OpenTool(Tool::Dico);
        QCOMPARE(loads, 3);
        QCOMPARE(TwipsOf(mdi->ToolForm(Tool::Dico)), 1800);
    }

    void quitButtonAsksAndEndsOnlyOnYes() {
        auto mdi = MakeMainWindow();
        mdi->OpenTool(Tool::Dico);
        fake.boxes.answers = {ui::kAnswerNo};
        mdi->CmdQ->click();
        QCOMPARE(fake.boxes.shown.back().text,
                 QStringLiteral("               Quitter le programme ?"));
        QCOMPARE(fake.boxes.shown.back().title, QStringLiteral("Zorvane"));
        QVERIFY(fake.boxes.shown.back().buttons == ui::Buttons::YesNo);
        QVERIFY(fake.boxes.shown.back().icon == ui::Icon::None);
        QCOMPARE(values.Reponse, std::int16_t{ui::kAnswerNo});
        QVERIFY(!fake.end.ended);
        fake.boxes.answers = {ui::kAnswerYes};
        mdi->CmdQ->click();
        QVERIFY(fake.end.ended);
        // Ended at once: the tool window was not closed first.
        QVERIFY(mdi->ToolForm(Tool::Dico) != nullptr);
    }

    void closeBoxClosesToolWindowsThenAsks() {
        auto mdi = MakeMainWindow();
        mdi->OpenTool(Tool::Syno);
        fake.boxes.answers = {ui::kAnswerNo};
        QVERIFY(!mdi->close());
        QVERIFY(mdi->isVisible());
        QVERIFY(!fake.end.ended);
        QTRY_VERIFY(mdi->ToolForm(Tool::Syno) == nullptr);
        fake.boxes.answers = {ui::kAnswerYes};
        QVERIFY(mdi->close());
        QVERIFY(fake.end.ended);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
