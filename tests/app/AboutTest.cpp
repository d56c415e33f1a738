// The program's about window: its texts, the conditions of use file and its three links.

#include "app/Frm20About.h"
#include "data/MakerAddresses.h"
#include "support/TestContext.h"
#include "ui/Text.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zorvane;

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void showsVersionAndConditionsFromTheProgramFolder() {
        QTemporaryDir folder;
        QFile rtf(folder.filePath(QStringLiteral("Licenceds.rtf")));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1 {\\b Conditions}\\par Texte \\'e0 lire.}");
        rtf.close();
        testing::TestContext test;
        test.values.CheminAppli = folder.path().toStdString() + "/";
        app::Frm20About about(test.context, nullptr, [] {});
        QCOMPARE(about.windowTitle(), QStringLiteral("A propos du programme"));
        QCOMPARE(about.LblUtilitaire->text(), QStringLiteral("Zorvane"));
        QCOMPARE(about.LblVerB->text(), QStringLiteral("1.20"));
        QCOMPARE(about.Rtb1->toPlainText(), QStringLiteral("Conditions\nTexte à lire."));
        QCOMPARE(about.LblCertificat->text(),
                 QStringLiteral("Voir le certificat et conditions d'utilisation du programme"));
        QCOMPARE(about.CmdSite->toolTip(), QStringLiteral("Site internet du programme"));

        // Without the file the box stays empty and nothing is said.
        test.values.CheminAppli = folder.path().toStdString() + "/absent/";
        app::Frm20About bare(test.context, nullptr, [] {});
        QVERIFY(bare.Rtb1->toPlainText().isEmpty());
        QVERIFY(test.fake.boxes.shown.empty());
    }

    void linksContactAndEnter() {
        testing::TestContext test;
        QWidget main;
        main.setGeometry(100, 100, 1200, 900);
        int contacts = 0;
        auto* about = new app::Frm20About(test.context, &main, [&] { ++contacts; });
        QCOMPARE(about->pos().x(), 100 + (1200 - about->width()) / 2);
        QCOMPARE(about->pos().y(), 100 + (900 - about->height()) / 4);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));

        about->CmdSite->click();
        QTest::mouseClick(about->LblCertificat, Qt::LeftButton);
        QCOMPARE(test.fake.links.opened, (std::vector<QString>{ui::ToQt(data::kMakerSiteUrl),
                                                               ui::ToQt(data::kCertificatePage)}));
        test.fake.links.succeeds = false; // a page that cannot open is not reported
        about->CmdSite->click();
        QVERIFY(test.fake.boxes.shown.empty());

        about->CmdContact->click();
        QCOMPARE(contacts, 1);
        QVERIFY(about->isVisible()); // the contact form opens in front of it

        // Enter closes it from anywhere, here the conditions' text box.
        QPointer<app::Frm20About> watched(about);
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        about->Rtb1->setFocus();
        QTest::keyClick(about->Rtb1, Qt::Key_Return);
        QTRY_VERIFY(watched == nullptr);
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
