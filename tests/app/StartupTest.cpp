// The run from the splash window to the main window, on the recording platform.

#include "app/Frm20About.h"
#include "app/Shell.h"
#include "support/FakeWordResources.h"
#include "ui/fake/FakePlatform.h"

#include <QtTest>

using namespace zorvane;
using ui::fake::FakePlatform;

using testing::AddWordResources;
using testing::kStartToMainWindowMs;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartWritesDefaultsAndShowsMainWindow() {
        FakePlatform fake;
        AddWordResources(fake.resources);
        app::Shell shell(fake.platform);
        QVERIFY(shell.Start());
        QCOMPARE(shell.Values().FichierDefinitions,
                 std::string("/opt/zorvane/bin/definitions1.20.ret"));
        QVERIFY(fake.settings.saved.empty()); // colours wait for TimReg
        QCOMPARE(fake.timers.starts.front(), std::make_pair(QStringLiteral("TimReg"), 500));

        fake.timers.Advance(499);
        QVERIFY(fake.settings.saved.empty());
        fake.timers.Advance(1);
        QCOMPARE(fake.settings.values["ZRVN/Options/CouleurMDI"], std::string("&HFFFFFF"));
        QCOMPARE(fake.settings.values["ZRVN/Options/CouleurBar"], std::string("&HE0E0E0"));
        QCOMPARE(shell.Values().VersionAppli, std::string("1.20"));
        QVERIFY(shell.MainWindow() == nullptr);

        fake.timers.Advance(100);
        QVERIFY(shell.LoadingScreen() != nullptr);
        fake.timers.Advance(kStartToMainWindowMs - 600);
        QVERIFY(shell.MainWindow() != nullptr);
        QCOMPARE(shell.MainWindow()->windowTitle(), QStringLiteral("Zorvane"));
        QCOMPARE(shell.Store().ListeDico.size(), std::size_t{3});
        QCOMPARE(shell.Store().ListeAna.back(), std::string("CHAT\0\0\0", 7));
        QCOMPARE(shell.Store().Syno('C').NbSyno, 2);
        QCOMPARE(shell.Store().Syno('Z').CleSyno[0], std::string("z"));
        QVERIFY(!fake.end.ended);
        QVERIFY(fake.boxes.shown.empty());

        // The contact form is a window of its own: closing the about window keeps it, typed
        // text included.
        shell.MainWindow()->OpenTool(app::Tool::About);
        auto* about = static_cast<app::Frm20About*>(shell.MainWindow()->ToolForm(app::Tool::About));
        about->CmdContact->click();
        fake.timers.Advance(500);
        QPointer<app::FrmMail> mail = shell.MainWindow()->findChild<app::FrmMail*>();
        QVERIFY(mail && mail->isVisible());
        mail->TxtRem->setPlainText(QStringLiteral("Bonjour"));
        about->close();
        QTRY_VERIFY(shell.MainWindow()->ToolForm(app::Tool::About) == nullptr);
        QVERIFY(mail && mail->isVisible());
        QCOMPARE(mail->TxtRem->toPlainText(), QStringLiteral("Bonjour"));
    }

    void savedAndBrokenColoursAreReadOrRepaired() {
        FakePlatform fake;
        AddWordResources(fake.resources);
        fake.settings.values["ZRVN/Options/CouleurMDI"] = "255";
        fake.settings.values["ZRVN/Options/CouleurBar"] = "&Hgris";
        app::Shell shell(fake.platform);
        QVERIFY(shell.Start());
        fake.timers.Advance(600);
        QCOMPARE(shell.Values().CouleurFenetre, std::string("255"));
        QCOMPARE(shell.Values().CouleurBarre, std::string("&HE0E0E0"));
        QCOMPARE(fake.settings.saved, std::vector<std::string>{"ZRVN/Options/CouleurBar"});
        QCOMPARE(fake.settings.values["ZRVN/Options/CouleurBar"], std::string("&HE0E0E0"));
    }

    void unwritableSettingsAreSaidAndTheProgramGoesOn() {
        FakePlatform fake;
        AddWordResources(fake.resources);
        fake.settings.writable = false;
        fake.settings.fault = ui::SettingsFault::FileUnreadable; // named as it is
        app::Shell shell(fake.platform);
        QVERIFY(shell.Start());
        fake.timers.Advance(kStartToMainWindowMs);
        QCOMPARE(fake.boxes.shown.size(), std::size_t{1});
        QVERIFY(fake.boxes.shown[0].text.startsWith(
            QStringLiteral("Les réglages ne peuvent pas être enregistrés : le fichier des "
                           "réglages ne peut pas être lu.\r\n")));
        QCOMPARE(shell.Values().CouleurFenetre, std::string("&HFFFFFF"));
        QVERIFY(shell.MainWindow() != nullptr);
        QVERIFY(!fake.end.ended);
    }

    void secondCopyShowsTheMessageAndEnds() {
        FakePlatform fake;
        fake.instance.otherCopyRunning = true;
        app::Shell shell(fake.platform);
        QVERIFY(!shell.Start());
        QCOMPARE(fake.boxes.shown.size(), std::size_t{1});
        QCOMPARE(fake.boxes.shown[0].text, QStringLiteral("Le programme est déja lancé."));
        QCOMPARE(fake.boxes.shown[0].title, QStringLiteral("Zorvane"));
        QVERIFY(fake.boxes.shown[0].icon == ui::Icon::Exclamation);
        QCOMPARE(shell.Values().Reponse, std::int16_t{1});
        QVERIFY(fake.end.ended);
        QVERIFY(!fake.timers.FireNext()); // no timer left, so no window will come
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(),
                             [](QWidget* w) { return w->isVisible(); }));
    }

    void missingOrEmptyResourceIsNamedAndEndsWithFailure() {
        for (const char* broken : {"missing", "empty", "corrupt"}) {
            FakePlatform fake;
            AddWordResources(fake.resources);
            const std::string which(broken);
            if (which == "missing") {
                fake.resources.Add("ANA", 99, ""); // present but empty
                fake.resources.Add("DICO", 100, std::string(2, '\0'));
            } else if (which == "empty") {
                fake.resources.Add("SYNONYK", 111, "");
            } else {
                fake.resources.Add("SYNONYK", 111, "ligne sans section");
            }
            app::Shell shell(fake.platform);
            QVERIFY(shell.Start());
            fake.timers.Advance(kStartToMainWindowMs);
            QVERIFY2(fake.end.ended, broken);
            QCOMPARE(fake.end.status, 1);
            QVERIFY(shell.MainWindow() == nullptr);
            QCOMPARE(fake.boxes.shown.size(), std::size_t{1});
            QVERIFY(fake.boxes.shown[0].icon == ui::Icon::Critical);
            const QString name =
                which == "missing" ? QStringLiteral("DICO") : QStringLiteral("SYNONYK");
            QVERIFY2(fake.boxes.shown[0].text.contains(QStringLiteral("La ressource ") + name),
                     qPrintable(fake.boxes.shown[0].text));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
