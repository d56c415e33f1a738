#include "app/Frm20About.h"

#include "data/MakerAddresses.h"
#include "ui/Logo.h"
#include "ui/RtfView.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QMouseEvent>
#include <QShortcut>

namespace zorvane::app {
namespace {

constexpr int kFrameWidth = 8400;
constexpr int kFrameHeight = 6900;

} // namespace

Frm20About::Frm20About(ui::ToolContext& context, QWidget* mainWindow,
                       std::function<void()> showContact)
    : QWidget(mainWindow, Qt::Window), context_(context) {
    setObjectName(QStringLiteral("Frm20About"));
    setWindowTitle(QStringLiteral("A propos du programme"));
    setAttribute(Qt::WA_DeleteOnClose);

    FraLoad = ui::Place(new QFrame(this), 45, 60, kFrameWidth, kFrameHeight);
    setFixedSize(ui::TwipsSize(kFrameWidth + 90, kFrameHeight + 120, this));
    if (mainWindow != nullptr) {
        const QRect main = mainWindow->geometry();
        move(main.x() + (main.width() - width()) / 2, main.y() + (main.height() - height()) / 4);
    }

    auto* shape = ui::Place(new QFrame(FraLoad), 120, 60, kFrameWidth - 240, 30);
    shape->setFrameShape(QFrame::HLine);
    shape->setStyleSheet(QStringLiteral("color: #8A6A2E;"));

    ImgIDNN1 = ui::Place(new QLabel(FraLoad), 180, 240, 1500, 1500);
    ImgIDNN1->setPixmap(ui::ZorvaneLogo(ImgIDNN1->width()));
    ImgLogoGauche = ui::Place(new QLabel(FraLoad), 180, 240, 1500, 1500);
    ImgLogoGauche->setPixmap(ImgIDNN1->pixmap());
    ImgIDNN1->hide(); // the picture store; the shown copies take its picture
    ImgIDNN2 = ui::Place(new QLabel(FraLoad), kFrameWidth - 900, 240, 720, 720);
    ImgIDNN2->setPixmap(
        ImgIDNN1->pixmap().scaled(ImgIDNN2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    LblUtilitaire = ui::Place(new QLabel(QStringLiteral("Zorvane"), FraLoad), 1900, 300, 4200, 700);
    LblUtilitaire->setStyleSheet(QStringLiteral("font: bold 22pt 'DejaVu Serif'; color: #2B1D0E;"));
    auto* versionCaption =
        ui::Place(new QLabel(QStringLiteral("Version"), FraLoad), 1900, 1050, 900, 300);
    versionCaption->setStyleSheet(QStringLiteral("color: #5A4520;"));
    LblVerB = ui::Place(new QLabel(ui::ToQt(context.values.VersionAppli), FraLoad), 2800, 1050,
                        1200, 300);
    LblVerB->setStyleSheet(QStringLiteral("font-weight: bold;"));
    LblInf2 =
        ui::Place(new QLabel(QStringLiteral("Copyright © 2026 Zorvane. Tous droits réservés.\n"
                                            "Jeux de lettres et communes de France."),
                             FraLoad),
                  1900, 1400, 6300, 560);

    Rtb1 = ui::Place(new QTextEdit(FraLoad), 180, 2100, kFrameWidth - 360, 3450);
    Rtb1->setReadOnly(true);
    ui::LoadRtfFile(Rtb1, context.values.CheminAppli + "Licenceds.rtf");

    LblCertificat = ui::Place(
        new QLabel(QStringLiteral("Voir le certificat et conditions d'utilisation du programme"),
                   FraLoad),
        180, 5640, kFrameWidth - 360, 300);
    LblCertificat->setStyleSheet(QStringLiteral("color: #1F5FAF; text-decoration: underline;"));
    LblCertificat->setCursor(Qt::PointingHandCursor);
    LblCertificat->installEventFilter(this);

    CmdSite = ui::Place(new QPushButton(ui::ToQt(data::kMakerSiteCaption), FraLoad), 180, 6120,
                        3600, 480);
    CmdSite->setToolTip(QStringLiteral("Site internet du programme"));
    CmdContact =
        ui::Place(new QPushButton(QStringLiteral("Contact"), FraLoad), 4500, 6120, 1700, 480);
    CmdFerme = ui::Place(new QPushButton(QStringLiteral("Fermer"), FraLoad), 6400, 6120, 1820, 480);
    Foc = new QPushButton(this);
    Foc->setGeometry(-40, -40, 1, 1);
    Foc->setDefault(true);
    Foc->setAutoDefault(true);

    connect(CmdSite, &QPushButton::clicked, this, [this] {
        Foc->setFocus();
        OpenPage(data::kMakerSiteUrl);
    });
    connect(CmdContact, &QPushButton::clicked, this, std::move(showContact));
    connect(CmdFerme, &QPushButton::clicked, this, &QWidget::close);
    connect(Foc, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* button : {CmdSite, CmdContact, CmdFerme}) {
        button->setAutoDefault(false); // Enter belongs to Foc: it closes the window
    }
    // Enter closes the window wherever the focus is, the conditions' text box included, and
    // so does Escape, as in any window that only shows something.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, Foc,
                &QPushButton::click);
    }
    Foc->setFocus();
}

void Frm20About::OpenPage(std::string_view address) {
    context_.platform.links.Open(ui::ToQt(address)); // a failure is not reported
}

bool Frm20About::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LblCertificat && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OpenPage(data::kCertificatePage);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zorvane::app
