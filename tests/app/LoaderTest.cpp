// The loading screen's 31 steps on the recording platform.

#include "app/Shell.h"
#include "support/FakeWordResources.h"

#include <QRegularExpression>
#include <QtTest>

using namespace zorvane;

class LoaderTest : public QObject {
    Q_OBJECT

    // Fires timers one by one until the loading screen has come, returning it.
    static app::Frm02Charge* UntilLoadingScreen(ui::fake::FakePlatform& fake, app::Shell& shell) {
        while (shell.LoadingScreen() == nullptr && fake.timers.FireNext()) {
        }
        return shell.LoadingScreen();
    }

private slots:
    void stepTextsComeInOrderWithPercentagesInRange() {
        for (int run = 0; run < 20; ++run) {
            ui::fake::FakePlatform fake;
            testing::AddWordResources(fake.resources);
            app::Shell shell(fake.platform);
            QVERIFY(shell.Start());
            app::Frm02Charge* charge = UntilLoadingScreen(fake, shell);
            QVERIFY(charge != nullptr);
            QCOMPARE(charge->LblMotDef->text(),
                     QStringLiteral("510000 mots de 2 à 15 lettres - 85100 définitions"));
            QCOMPARE(charge->LblVer->text(), QStringLiteral("Version 1.20"));
            QVERIFY(fake.pointer.busy);

            // Every text a stage label shows between two ticks, in order of appearance.
            QStringList stageTexts;
            std::array<QString, 3> shown;
            QList<int> percentages;
            const QRegularExpression percent(QStringLiteral("^Chargement des données (\\d+)%\\.$"));
            QString lastInf1;
            while (shell.MainWindow() == nullptr && fake.timers.FireNext()) {
                for (int i = 0; i < 3; ++i) {
                    if (charge->LblChargement[i]->text() != shown[i]) {
                        shown[i] = charge->LblChargement[i]->text();
                        stageTexts << shown[i];
                    }
                }
                if (charge->LblInf1->text() != lastInf1) {
                    lastInf1 = charge->LblInf1->text();
                    if (const auto match = percent.match(lastInf1); match.hasMatch()) {
                        percentages << match.captured(1).toInt();
                    }
                }
            }
            // The first snapshot holds stage 0's text and the design texts of stages 1 and 2.
            // Two words give the upper index 1.
            QStringList expected = {QStringLiteral("Liste 510000 mots, 85100 définitions."),
                                    QStringLiteral("Les anagrammes."),
                                    QStringLiteral("Les synonymes."),
                                    QStringLiteral("Base de données 1 anagrammes.")};
            // "Liste des synonymes Z." gives way in the same tick to the closing figure.
            for (char letter = 'A'; letter < 'Z'; ++letter) {
                expected << QStringLiteral("Liste des synonymes %1.").arg(QChar(letter));
            }
            expected << QStringLiteral("Base de données 40096 synonymes.");
            QCOMPARE(stageTexts, expected);
            QCOMPARE(percentages.size(), qsizetype{3});
            QVERIFY(percentages[0] >= 5 && percentages[0] <= 10);
            QVERIFY(percentages[1] >= 11 && percentages[1] <= 50);
            QVERIFY(percentages[2] >= 60 && percentages[2] <= 80);
            QCOMPARE(lastInf1, QStringLiteral("Chargement des données 100%"));
            QVERIFY(!fake.pointer.busy);
        }
    }

    void mainWindowComesAfterEightTempoTicksAndDataAreLoaded() {
        ui::fake::FakePlatform fake;
        testing::AddWordResources(fake.resources);
        app::Shell shell(fake.platform);
        QVERIFY(shell.Start());
        app::Frm02Charge* charge = UntilLoadingScreen(fake, shell);
        while (!fake.timers.IsArmed(QStringLiteral("TimTempo"))) {
            QVERIFY(fake.timers.FireNext());
        }
        QVERIFY(charge->ImgCoche2[2]->isVisibleTo(charge));
        QStringList dots;
        for (int tick = 1; tick <= 8; ++tick) {
            QVERIFY(shell.MainWindow() == nullptr);
            fake.timers.Advance(200);
            dots << charge->LblInf->text();
            if (tick == 6) {
                QVERIFY(!charge->ImgCoche2[0]->isVisibleTo(charge));
                QCOMPARE(charge->LblInf1->palette().color(QPalette::WindowText),
                         QColor(0x80, 0x80, 0x80));
            }
        }
        QCOMPARE(dots.mid(0, 5), QStringList({" .", " . .", " . . .", " . . . .", " . . . . ."}));
        fake.timers.Advance(99);
        QVERIFY(shell.MainWindow() == nullptr);
        fake.timers.Advance(1);
        QVERIFY(shell.MainWindow() != nullptr);

        std::vector<std::string_view> paquet;
        QVERIFY(shell.Index().CherchePaquet("AA", paquet));
        QCOMPARE(paquet.front(), std::string_view("AA"));
        // The padding stays on the last word of the list, as the resource holds it.
        QVERIFY(shell.Index().CherchePaquet("TACH", paquet));
        QCOMPARE(paquet.front(), std::string_view("CHAT\0\0\0", 7));
        QCOMPARE(shell.Store().Syno('C').NbSyno, 2);
        QCOMPARE(shell.Store().Syno('B').CleSyno[0], std::string("b"));
    }

    void focEndsTheProgramWithoutQuestion() {
        ui::fake::FakePlatform fake;
        testing::AddWordResources(fake.resources);
        app::Shell shell(fake.platform);
        QVERIFY(shell.Start());
        app::Frm02Charge* charge = UntilLoadingScreen(fake, shell);
        fake.timers.FireNext();
        charge->Foc->click();
        QVERIFY(fake.end.ended);
        QCOMPARE(fake.end.status, 0);
        QVERIFY(fake.boxes.shown.empty());
    }
};

QTEST_MAIN(LoaderTest)
#include "LoaderTest.moc"
