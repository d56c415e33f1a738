#include "duplicate/FrmOptions.h"

#include "data/StartupValues.h"
#include "ui/Text.h"

#include <QBoxLayout>
#include <QShortcut>
#include <charconv>
#include <string>

namespace zorvane::duplicate {
namespace {

constexpr std::string_view kApp = "ZRVNDUP";
constexpr std::string_view kSection = "Options";
constexpr std::string_view kKey = "DureeCoup";

QSpinBox* MakeSpin(QWidget* parent, const QString& name, int most, const QString& suffix) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(0, most);
    spin->setSuffix(suffix);
    return spin;
}

} // namespace

FrmOptions::FrmOptions(ui::Platform& platform)
    : LblDuree(new QLabel(QStringLiteral("Durée d'un coup :"), this)),
      SpnMinutes(
          MakeSpin(this, QStringLiteral("SpnMinutes"), kMostSeconds / 60, QStringLiteral(" min"))),
      SpnSecondes(MakeSpin(this, QStringLiteral("SpnSecondes"), 59, QStringLiteral(" s"))),
      CmdEnregistrer(new QPushButton(QStringLiteral("Enregistrer"), this)),
      CmdAnnuler(new QPushButton(QStringLiteral("Annuler"), this)), platform_(platform) {
    setObjectName(QStringLiteral("FrmOptions"));
    setWindowTitle(QStringLiteral("Options du duplicate"));
    LblDuree->setObjectName(QStringLiteral("LblDuree"));
    LblDuree->setBuddy(SpnMinutes);
    CmdEnregistrer->setObjectName(QStringLiteral("CmdEnregistrer"));
    CmdEnregistrer->setDefault(true);
    CmdAnnuler->setObjectName(QStringLiteral("CmdAnnuler"));
    auto* layout = new QVBoxLayout(this);
    auto* duration = new QHBoxLayout;
    duration->addWidget(LblDuree);
    duration->addWidget(SpnMinutes);
    duration->addWidget(SpnSecondes);
    layout->addLayout(duration);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdEnregistrer);
    buttons->addWidget(CmdAnnuler);
    layout->addLayout(buttons);
    connect(CmdEnregistrer, &QPushButton::clicked, this, &FrmOptions::EnregistrerClick);
    connect(CmdAnnuler, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    // Enter saves from either box, as the default button of a dialog does.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, &FrmOptions::EnregistrerClick);
    }
}

int FrmOptions::SavedSeconds(const ui::SettingsStore& settings) {
    const auto text = settings.Get(kApp, kSection, kKey);
    int seconds = 0;
    if (!text ||
        std::from_chars(text->data(), text->data() + text->size(), seconds).ec != std::errc() ||
        seconds < kLeastSeconds || seconds > kMostSeconds) {
        return kDefaultSeconds;
    }
    return seconds;
}

void FrmOptions::Load() {
    const int seconds = SavedSeconds(platform_.settings);
    SpnMinutes->setValue(seconds / 60);
    SpnSecondes->setValue(seconds % 60);
    SpnMinutes->setFocus();
}

void FrmOptions::EnregistrerClick() {
    const int seconds = SpnMinutes->value() * 60 + SpnSecondes->value();
    const QString title = ui::ToQt(data::kTitreAppli);
    if (seconds < kLeastSeconds || seconds > kMostSeconds) {
        platform_.boxes.Show(QStringLiteral("Un coup dure de 10 secondes à 30 minutes."), title,
                             ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    const std::string value = std::to_string(seconds);
    if (!platform_.settings.Save(kApp, kSection, {{kKey, value}})) {
        platform_.boxes.Show(QStringLiteral("La durée d'un coup n'a pas pu être enregistrée."),
                             title, ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    close();
}

} // namespace zorvane::duplicate
