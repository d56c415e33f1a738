#include "app/Frm01Boot.h"

#include "app/ColourSettings.h"
#include "app/SavedColours.h"
#include "app/SettingsMessages.h"
#include "ui/Logo.h"
#include "ui/Text.h"
#include "ui/Twips.h"
#include "ui/WindowDrag.h"

#include <QGuiApplication>
#include <QScreen>

namespace zorvane::app {
namespace {

constexpr int kWidthTwips = 6000;
constexpr int kHeightTwips = 3300;

} // namespace

Frm01Boot::Frm01Boot(ui::Platform& platform, data::StartupValues& values,
                     std::function<void()> handOver)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      LblVersion(new QLabel(this)), ImgLogo(new QLabel(this)), platform_(platform), values_(values),
      handOver_(std::move(handOver)), TimReg(platform.timers.Create(QStringLiteral("TimReg"))),
      TimFin(platform.timers.Create(QStringLiteral("TimFin"))) {
    setObjectName(QStringLiteral("Frm01Boot"));
    setFixedSize(ui::TwipsSize(kWidthTwips, kHeightTwips, this));
    setStyleSheet(QStringLiteral("#Frm01Boot { background: #FFFDF5; border: 1px solid #8A6A2E; }"));
    setAttribute(Qt::WA_StyledBackground);

    ImgLogo->setGeometry(ui::TwipsRect(450, 450, 2400, 2400, this));
    auto* name = new QLabel(QStringLiteral("Zorvane"), this);
    name->setGeometry(ui::TwipsRect(3000, 800, 2800, 700, this));
    name->setStyleSheet(QStringLiteral("font: bold 22pt 'DejaVu Serif'; color: #2B1D0E;"));
    auto* tagline = new QLabel(QStringLiteral("Jeux de lettres et communes"), this);
    tagline->setGeometry(ui::TwipsRect(3000, 1500, 2900, 400, this));
    LblVersion->setText(QStringLiteral("1.20"));
    LblVersion->setGeometry(ui::TwipsRect(3000, 2100, 2800, 400, this));
    LblVersion->setStyleSheet(QStringLiteral("color: #5A4520;"));

    ui::MoveWindowByDragging(ImgLogo, this);
    TimReg->OnTick = [this] { TimRegTick(); };
    TimFin->OnTick = [this] { TimFinTick(); };
}

QString Frm01Boot::LockUnavailableMessage(const QString& folder) {
    return QStringLiteral("Le verrou qui empêche de lancer deux fois le programme ne peut pas "
                          "être créé dans le dossier « %1 ».\r\nLe programme démarre quand "
                          "même, sans cette protection.")
        .arg(folder);
}

bool Frm01Boot::Load() {
    values_.CheminAppli = data::WithTrailingSeparator(platform_.programFolder, platform_.separator);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2,
             (area.height() - height()) / 3 - ui::TwipsToPixels(500, this));
    }
    values_.SautLigne = data::kSautLigne;
    values_.TitreAppli = data::kTitreAppli;
    values_.FichierDefinitions =
        data::DefinitionsPath(values_.CheminAppli, ui::FromQt(LblVersion->text()));

    const ui::InstanceClaim claim = platform_.instance.Claim();
    if (claim == ui::InstanceClaim::OtherCopyRunning) {
        values_.Reponse = static_cast<std::int16_t>(platform_.boxes.Show(
            QStringLiteral("Le programme est déja lancé."), ui::ToQt(values_.TitreAppli),
            ui::Buttons::Ok, ui::Icon::Exclamation));
        platform_.end.EndProgram(0);
        return false;
    }
    if (claim == ui::InstanceClaim::LockUnavailable) {
        platform_.boxes.Show(LockUnavailableMessage(platform_.instance.LockFolder()),
                             ui::ToQt(values_.TitreAppli), ui::Buttons::Ok, ui::Icon::Exclamation);
    }
    ImgLogo->setPixmap(ui::ZorvaneLogo(ImgLogo->width()));
    TimReg->Start(500);
    show();
    return true;
}

void Frm01Boot::TimRegTick() {
    values_.VersionAppli = ui::FromQt(LblVersion->text());
    TimReg->Stop();
    if (const ColoursRead read = ReadSavedColours(platform_.settings, values_); !read.writtenBack) {
        platform_.boxes.Show(SettingsNotSavedMessage(platform_.settings.FaultOf(kSettingsApp),
                                                     SettingsMoment::Startup, read.defaults),
                             ui::ToQt(values_.TitreAppli), ui::Buttons::Ok, ui::Icon::Exclamation);
    }
    TimFin->Start(100);
}

void Frm01Boot::TimFinTick() {
    TimFin->Stop();
    handOver_();
    close();
    deleteLater();
}

} // namespace zorvane::app
