// The shell's windows on the recording platform, each followed in a transcript: the run from
// the splash window through the loading screen to the main window, the main window's tool
// bar, cascade and quitting, the options window and the about window.

#include "app/Frm04Options.h"
#include "app/Frm20About.h"
#include "app/Shell.h"
#include "support/Drive.h"
#include "support/TestContext.h"
#include "support/Transcript.h"

#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace zorvane;
using namespace zorvane::testing;
using app::Tool;

namespace {

// DICO and ANA of three words (ANA padded as a resource compiler would), one synonym line
// per letter and two for C.
void AddWordResources(ui::fake::FakeResources& resources) {
    resources.Add("DICO", 100, "AA\r\nCHAT\r\nZYTHUMS");
    resources.Add("ANA", 99, std::string("AA\r\nCHAT\0\0\0", 11));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string line = std::string(1, char(letter + 32)) + "\xA7n$x";
        resources.Add(std::string("SYNONY") + letter, 101 + (letter - 'A'),
                      letter == 'C' ? (line + "\r\n").append(line) : line);
    }
}

// What a whole start ends in, on one line: the boxes shown, the settings written, the end.
QString Outcome(ui::fake::FakePlatform& fake, const app::Shell& shell) {
    QStringList told;
    for (const auto& box : fake.boxes.shown) {
        static const char* const kIcons[] = {"", "information", "exclamation", "critical"};
        told << QStringLiteral("%1 box \"%2\"")
                    .arg(kIcons[int(box.icon)])
                    .arg(QString(box.text).replace(QStringLiteral("\r\n"), QStringLiteral(" / ")));
    }
    for (const std::string& path : fake.settings.saved) {
        told << QString::fromStdString("saved " + path + "=" + fake.settings.values[path]);
    }
    told << QString::fromStdString("colours " + shell.Values().CouleurFenetre + " " +
                                   shell.Values().CouleurBarre);
    told << (shell.MainWindow() ? QStringLiteral("main window") : QStringLiteral("no main window"));
    if (fake.end.ended) {
        told << QStringLiteral("ended %1").arg(fake.end.status);
    }
    return told.join(QStringLiteral(", "));
}

} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void startup() {
        ui::fake::FakePlatform fake;
        AddWordResources(fake.resources);
        Transcript t(fake);
        app::Shell shell(fake.platform);
        QVERIFY(shell.Start());
        t.Step("splash window loaded");
        t.Note(QString::fromStdString("definitions file " + shell.Values().FichierDefinitions));
        t.Window(shell.SplashWindow());
        fake.timers.Advance(499);
        t.Step("499 ms: nothing read yet");
        fake.timers.Advance(1);
        t.Step("500 ms: colours read, the defaults written on a first start");
        t.Note(QString::fromStdString("version " + shell.Values().VersionAppli));
        fake.timers.Advance(100);
        t.Step("600 ms: the loading screen");
        app::Frm02Charge* charge = shell.LoadingScreen();
        t.Window(charge);

        // Each stage text as it comes; the percentages are drawn at random within a range.
        const QRegularExpression percent(QStringLiteral("(\\d+)%\\.$"));
        QList<int> drawn;
        std::array<QString, 4> shown;
        while (!fake.timers.IsArmed(QStringLiteral("TimTempo")) && fake.timers.FireNext()) {
            const std::array<QLabel*, 4> labels = {charge->LblChargement[0],
                                                   charge->LblChargement[1],
                                                   charge->LblChargement[2], charge->LblInf1};
            for (std::size_t i = 0; i < labels.size(); ++i) {
                if (labels[i]->text() != std::exchange(shown[i], labels[i]->text())) {
                    drawn << percent.match(shown[i]).captured(1).toInt();
                    t.Note(QStringLiteral("label %1: ").arg(i) +
                           QString(shown[i]).replace(percent, QStringLiteral("N%.")));
                }
            }
        }
        drawn.removeAll(0);
        QVERIFY2(drawn.size() == 3 && drawn[0] >= 5 && drawn[0] <= 10 && drawn[1] >= 11 &&
                     drawn[1] <= 50 && drawn[2] >= 60 && drawn[2] <= 80,
                 qPrintable(QDebug::toString(drawn)));
        t.Step("every step done: the closing animation starts",
               {charge->ImgCoche2[0], charge->ImgCoche2[1], charge->ImgCoche2[2]});
        fake.timers.Advance(6 * 200);
        t.Step("six ticks of 200 ms");
        t.Window(charge);
        fake.timers.Advance(2 * 200 + 99);
        t.Note(shell.MainWindow() ? "main window shown" : "no main window yet");
        fake.timers.Advance(1);
        t.Step("the main window, 100 ms after the eighth tick");
        t.Note(shell.MainWindow() ? "main window shown" : "no main window yet");

        // The words as loaded: the padding stays on the last word of the list.
        std::vector<std::string_view> paquet;
        QVERIFY(shell.Index().CherchePaquet("TACH", paquet));
        QCOMPARE(paquet.front(), std::string_view("CHAT\0\0\0", 7));
        QCOMPARE(shell.Store().Syno('C').NbSyno, 2);

        // The contact form is a window of its own: closing the about window keeps it.
        shell.MainWindow()->OpenTool(Tool::About);
        auto* about = static_cast<app::Frm20About*>(shell.MainWindow()->ToolForm(Tool::About));
        about->CmdContact->click();
        fake.timers.Advance(500);
        QPointer<app::FrmMail> mail = shell.MainWindow()->findChild<app::FrmMail*>();
        QVERIFY(mail);
        mail->TxtRem->setPlainText(QStringLiteral("Bonjour"));
        about->close();
        QTRY_VERIFY(shell.MainWindow()->ToolForm(Tool::About) == nullptr);
        t.Step("about window closed over the contact form", {mail->TxtRem});
        t.Note(QStringLiteral("contact form visible: %1").arg(mail->isVisible()));
        t.Note(Outcome(fake, shell));

        // Other starts: saved colours, a store that refuses, resources missing or broken, the
        // loading screen's hidden button.
        const std::vector<
            std::pair<QString, std::function<void(ui::fake::FakePlatform&, app::Shell&)>>>
            starts = {
                {"saved 255 and garbage",
                 [](auto& f, auto&) {
                     f.settings.values["ZRVN/Options/CouleurMDI"] = "255";
                     f.settings.values["ZRVN/Options/CouleurBar"] = "&Hgris";
                 }},
                {"store refuses",
                 [](auto& f, auto&) {
                     f.settings.writable = false;
                     f.settings.fault = ui::SettingsFault::FileUnreadable;
                 }},
                {"saved 255, store refuses the bar's default",
                 [](auto& f, auto&) {
                     f.settings.values["ZRVN/Options/CouleurMDI"] = "255";
                     f.settings.writable = false;
                 }},
                {"beyond white",
                 [](auto& f, auto&) {
                     f.settings.values["ZRVN/Options/CouleurMDI"] = "16777216";
                     f.settings.values["ZRVN/Options/CouleurBar"] = "&H1000000";
                 }},
                {"DICO empty",
                 [](auto& f, auto&) { f.resources.Add("DICO", 100, std::string(2, '\0')); }},
                {"SYNONYK empty", [](auto& f, auto&) { f.resources.Add("SYNONYK", 111, ""); }},
                {"SYNONYK corrupt",
                 [](auto& f, auto&) { f.resources.Add("SYNONYK", 111, "ligne sans section"); }},
                {"Foc during loading",
                 [](auto& f, app::Shell& started) {
                     f.timers.Advance(610);
                     started.LoadingScreen()->Foc->click();
                 }},
            };
        for (const auto& [name, prepare] : starts) {
            ui::fake::FakePlatform other;
            AddWordResources(other.resources);
            app::Shell run(other.platform);
            QVERIFY(run.Start());
            prepare(other, run); // settings are read at 500 ms, resources from 600 ms
            while (run.MainWindow() == nullptr && !other.end.ended && other.timers.FireNext()) {
            }
            t.Note(name + QStringLiteral(": ") + Outcome(other, run));
        }
        QVERIFY2(t.Matches(QStringLiteral("startup")), t.Mismatch());
    }

    void mainWindow() {
        TestContext test;
        auto [fake, values] = std::tie(test.fake, test.values);
        int loads = 0;
        QSize size(300, 200);
        app::MDI mdi(fake.platform, values, [&](Tool tool) {
            auto* form = new QWidget;
            form->setWindowTitle(
                QStringLiteral("outil %1, chargement %2").arg(int(tool)).arg(++loads));
            form->setFixedSize(size);
            return form;
        });
        Transcript t(fake);
        mdi.Load();
        QVERIFY(ShowActive(&mdi));
        // Too big for this screen: maximised, and restored it leaves room inside the screen for
        // a frame and a title bar.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(mdi.isMaximized());
        QVERIFY2(area.contains(mdi.normalGeometry().marginsAdded(QMargins(4, 30, 4, 4))),
                 qPrintable(QStringLiteral("restored at %1,%2 %3 x %4 on %5 x %6")
                                .arg(mdi.normalGeometry().x())
                                .arg(mdi.normalGeometry().y())
                                .arg(mdi.normalGeometry().width())
                                .arg(mdi.normalGeometry().height())
                                .arg(area.width())
                                .arg(area.height())));
        t.Step("loaded");
        t.Window(&mdi);
        fake.timers.Advance(100);
        t.Step("100 ms later: the focus parked on Foc", {mdi.Foc});

        for (const Tool tool : {Tool::Dico, Tool::Scrabble, Tool::Ana, Tool::Syno, Tool::MotCroix,
                                Tool::Approchant, Tool::CodPos}) {
            mdi.ToolButtonOf.at(tool)->click();
        }
        size = QSize(780, 720); // too big for its place: moved back into the client area
        mdi.OpenTool(Tool::Options);
        t.Step("eight windows opened, the last one big", {mdi.Area});
        t.Note(QStringLiteral("client area %1 x %2 px")
                   .arg(mdi.Area->viewport()->width())
                   .arg(mdi.Area->viewport()->height()));
        size = QSize(300, 200);

        auto* dico = qobject_cast<QMdiSubWindow*>(mdi.ToolForm(Tool::Dico)->parentWidget());
        mdi.ToolButtonOf.at(Tool::Dico)->click();
        t.Step("dictionary clicked again");
        t.Note(QStringLiteral("in front: ") + mdi.Area->activeSubWindow()->windowTitle());
        mdi.OpenTool(Tool::Ana);
        dico->showMinimized();
        mdi.ToolButtonOf.at(Tool::Dico)->click();
        t.Step("dictionary minimised, then clicked", {mdi.Area});
        t.Note(QStringLiteral("in front: ") + mdi.Area->activeSubWindow()->windowTitle());
        dico->close();
        QTRY_VERIFY(mdi.ToolForm(Tool::Dico) == nullptr);
        mdi.OpenTool(Tool::Dico);
        t.Step("dictionary closed, then opened again", {mdi.Area});

        fake.boxes.answers = {ui::kAnswerNo};
        mdi.CmdQ->click();
        t.Step("quit button, No");
        t.Note(QStringLiteral("Reponse %1").arg(values.Reponse));
        fake.boxes.answers = {ui::kAnswerNo};
        QVERIFY(!mdi.close());
        QTRY_VERIFY(mdi.ToolForm(Tool::Syno) == nullptr);
        t.Step("close box, No: the tool windows are closed, the main window stays", {mdi.Area});
        mdi.OpenTool(Tool::Syno);
        fake.boxes.answers = {ui::kAnswerYes};
        mdi.CmdQ->click();
        t.Step("quit button, Yes: ended at once, the tool window not closed first", {mdi.Area});
        fake.end.ended = false;
        fake.boxes.answers = {ui::kAnswerYes};
        QVERIFY(mdi.close());
        t.Step("close box, Yes: ended");
        QVERIFY2(t.Matches(QStringLiteral("mainwindow")), t.Mismatch());
    }

    void options() {
        TestContext test;
        app::MDI mdi(test.fake.platform, test.values, [&](Tool) {
            return new app::Frm04Options(test.context, [&] { mdi.ApplyColours(); });
        });
        mdi.Load();
        mdi.show();
        Transcript t(test.fake);
        app::Frm04Options* options = nullptr;
        const auto open = [&] {
            mdi.OpenTool(Tool::Options);
            options = static_cast<app::Frm04Options*>(mdi.ToolForm(Tool::Options));
        };
        // A step, then the colours in use and whether the window is still open.
        const auto step = [&](const char* title) {
            QTRY_VERIFY(mdi.ToolForm(Tool::Options) == nullptr || options->isVisible());
            t.Step(QString::fromUtf8(title));
            t.Note(QStringLiteral("window %1 (%2), bar %3 (%4), options %5")
                       .arg(QString::fromStdString(test.values.CouleurFenetre),
                            mdi.Area->background().color().name(),
                            QString::fromStdString(test.values.CouleurBarre),
                            mdi.PicCmd->palette().color(QPalette::Window).name(),
                            mdi.ToolForm(Tool::Options) ? "open" : "closed"));
        };
        open();
        t.Step("opened");
        t.Window(options);
        test.fake.colours.picks = {0x0000FF}; // red sits in the low byte
        options->CmdCoulFenetre->click();
        step("red picked for the window");
        t.Control(options->CmdEnregistre);
        test.fake.boxes.answers = {ui::kAnswerNo};
        options->parentWidget()->close();
        step("closed, No");

        open();
        test.fake.colours.picks = {0x123456};
        options->chameleonButton1->click();
        test.fake.boxes.answers = {ui::kAnswerYes};
        options->parentWidget()->close();
        step("bar colour picked, closed, Yes");

        open();
        options->CmdCoulFenetre->click();
        step("colour dialog cancelled");
        options->CmdAnnule->click();
        step("cancel button");

        test.values.CouleurFenetre = "255";
        mdi.ApplyColours();
        open();
        options->CmdDefaut->click();
        step("window red, default colours chosen");
        options->parentWidget()->close();
        step("closed: no question, nothing saved, kept for this run");

        test.fake.settings.writable = false;
        open();
        test.fake.colours.picks = {0x0000FF};
        options->CmdCoulFenetre->click();
        options->CmdEnregistre->click();
        step("save button on a store that refuses");
        test.fake.settings.writable = true;

        open();
        test.fake.colours.picks = {0x00FF00};
        options->CmdCoulFenetre->click();
        test.fake.boxes.answers = {ui::kAnswerNo};
        mdi.CmdQ->click();
        t.Step("green picked, quit button, No: no question about the change");
        test.fake.boxes.answers = {ui::kAnswerYes, ui::kAnswerYes};
        QVERIFY(mdi.close());
        t.Step("main window's close box, Yes and Yes");
        QVERIFY2(t.Matches(QStringLiteral("options")), t.Mismatch());
    }

    void about() {
        QTemporaryDir folder;
        QFile rtf(folder.filePath(QStringLiteral("Licenceds.rtf")));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1 {\\b Conditions}\\par Texte \\'e0 lire.}");
        rtf.close();
        TestContext test;
        test.values.CheminAppli = folder.path().toStdString() + "/";
        QWidget main;
        main.setGeometry(100, 100, 1200, 900);
        int contacts = 0;
        Transcript t(test.fake);
        auto* about = new app::Frm20About(test.context, &main, [&] { ++contacts; });
        QVERIFY(ShowActive(about));
        t.Step("opened over a main window at 1500,1500 twips, 18000 x 13500");
        t.Window(about);
        about->CmdSite->click();
        QTest::mouseClick(about->LblCertificat, Qt::LeftButton);
        test.fake.links.succeeds = false;
        about->CmdSite->click();
        t.Step("site, certificate, then site again that cannot open: nothing said");
        about->CmdContact->click();
        t.Step("contact");
        t.Note(QStringLiteral("contact forms asked: %1, about visible: %2")
                   .arg(contacts)
                   .arg(about->isVisible()));
        QPointer<app::Frm20About> watched(about);
        about->Rtb1->setFocus();
        QTest::keyClick(about->Rtb1, Qt::Key_Return);
        QTRY_VERIFY(watched == nullptr); // Enter closes it from anywhere
        watched = new app::Frm20About(test.context, &main, [] {});
        QVERIFY(ShowActive(watched));
        watched->Rtb1->setFocus();
        QTest::keyClick(watched->Rtb1, Qt::Key_Escape);
        QTRY_VERIFY(watched == nullptr); // and so does Escape

        test.values.CheminAppli = folder.path().toStdString() + "/absent/";
        app::Frm20About bare(test.context, nullptr, [] {});
        t.Step("opened without the conditions file", {bare.Rtb1});
        QVERIFY2(t.Matches(QStringLiteral("about")), t.Mismatch());
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"
