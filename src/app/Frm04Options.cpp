#include "app/Frm04Options.h"

#include "app/ColourSettings.h"
#include "app/SavedColours.h"
#include "app/SettingsMessages.h"
#include "ui/Colours.h"
#include "ui/Text.h"
#include "ui/ToolForm.h"
#include "ui/Twips.h"

#include <QCloseEvent>

namespace zorvane::app {
namespace {

void Paint(QLabel* sample, const std::string& colourText) {
    const QColor colour = ui::ToQColor(ColourNumber(colourText).value_or(0xFFFFFF));
    sample->setStyleSheet(
        QStringLiteral("background: %1; border: 1px solid #808080;").arg(colour.name()));
    sample->setProperty("colourNumber", ColourNumber(colourText).value_or(0xFFFFFF));
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, QRect twips) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(ui::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), parent));
    return button;
}

} // namespace

Frm04Options::Frm04Options(ui::ToolContext& context, std::function<void()> applyColours)
    : context_(context), applyColours_(std::move(applyColours)) {
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(ui::TwipsSize(5700, 3500, this));

    Fra2 = new QGroupBox(QStringLiteral("Affichage"), this);
    Fra2->setGeometry(ui::TwipsRect(180, 120, 5340, 2400, this));
    LblColor1 = new QLabel(Fra2);
    LblColor1->setGeometry(ui::TwipsRect(240, 420, 900, 420, Fra2));
    CmdCoulFenetre =
        MakeButton(Fra2, QStringLiteral("Couleur de la fenêtre"), QRect(1320, 400, 3780, 460));
    LblColor2 = new QLabel(Fra2);
    LblColor2->setGeometry(ui::TwipsRect(240, 1080, 900, 420, Fra2));
    chameleonButton1 = MakeButton(Fra2, QStringLiteral("Couleur de la barre d'outils"),
                                  QRect(1320, 1060, 3780, 460));
    CmdDefaut =
        MakeButton(Fra2, QStringLiteral("Couleurs par défaut"), QRect(1320, 1720, 3780, 460));
    CmdEnregistre =
        MakeButton(this, QStringLiteral("Enregistrer et fermer"), QRect(180, 2760, 2900, 480));
    CmdAnnule = MakeButton(this, QStringLiteral("Annuler"), QRect(3260, 2760, 2260, 480));
    Foc = new QPushButton(this);
    Foc->setGeometry(-20, -20, 1, 1);

    connect(CmdCoulFenetre, &QPushButton::clicked, this,
            [this] { ChooseColour(LblColor1, context_.values.CouleurFenetre); });
    connect(chameleonButton1, &QPushButton::clicked, this,
            [this] { ChooseColour(LblColor2, context_.values.CouleurBarre); });
    connect(CmdDefaut, &QPushButton::clicked, this, &Frm04Options::CmdDefautClick);
    connect(CmdEnregistre, &QPushButton::clicked, this, [this] {
        Save();
        ui::CloseForm(this);
    });
    connect(CmdAnnule, &QPushButton::clicked, this, [this] {
        Restore();
        ui::CloseForm(this);
    });

    ShowColours();
    openedFenetre_ = context_.values.CouleurFenetre;
    openedBarre_ = context_.values.CouleurBarre;
    CmdEnregistre->setEnabled(false);
}

void Frm04Options::ShowColours() {
    Paint(LblColor1, context_.values.CouleurFenetre);
    Paint(LblColor2, context_.values.CouleurBarre);
}

void Frm04Options::ChooseColour(QLabel* sample, std::string& colourText) {
    Foc->setFocus();
    changed_ = true;
    const auto opened = static_cast<std::uint32_t>(sample->property("colourNumber").toUInt());
    colourText = std::to_string(context_.platform.colours.Choose(opened));
    ShowColours();
    applyColours_();
    CmdEnregistre->setEnabled(true);
}

void Frm04Options::CmdDefautClick() {
    Foc->setFocus();
    context_.values.CouleurFenetre = "16777215";
    context_.values.CouleurBarre = "14737632";
    applyColours_();
    ShowColours();
    CmdEnregistre->setEnabled(true); // the changed flag stays as it was
}

void Frm04Options::Save() {
    changed_ = false;
    if (!SaveColours(context_.platform.settings, context_.values)) {
        context_.platform.boxes.Show(
            SettingsNotSavedMessage(context_.platform.settings.FaultOf(kSettingsApp),
                                    SettingsMoment::Options),
            ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok, ui::Icon::Exclamation);
    }
}

void Frm04Options::Restore() {
    context_.values.CouleurFenetre = openedFenetre_;
    context_.values.CouleurBarre = openedBarre_;
    applyColours_();
    changed_ = false;
}

void Frm04Options::closeEvent(QCloseEvent* event) {
    if (changed_) {
        context_.values.Reponse = static_cast<std::int16_t>(context_.platform.boxes.Show(
            QStringLiteral("               Enregistrer les modification ?"),
            ui::ToQt(context_.values.TitreAppli), ui::Buttons::YesNo, ui::Icon::None));
        if (context_.values.Reponse == ui::kAnswerNo) {
            Restore();
        } else {
            Save();
        }
    }
    event->accept();
}

} // namespace zorvane::app
