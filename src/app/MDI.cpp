#include "app/MDI.h"

#include "app/ColourSettings.h"
#include "ui/Colours.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace zorvane::app {
namespace {

constexpr int kWidthTwips = 15660;
constexpr int kHeightTwips = 11595;
constexpr int kToolBarHeightTwips = 780;

QColor ColourOf(const std::string& text, std::string_view fallback) {
    return ui::ToQColor(ColourNumber(text).value_or(*ColourNumber(fallback)));
}

} // namespace

MDI::MDI(ui::Platform& platform, StartupValues& values)
    : Area(new QMdiArea), PicCmd(new QWidget), platform_(platform), values_(values) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Zorvane"));
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    PicCmd->setObjectName(QStringLiteral("PicCmd"));
    PicCmd->setAutoFillBackground(true);
    PicCmd->setFixedHeight(ui::TwipsToPixels(kToolBarHeightTwips, this));
    layout->addWidget(PicCmd);
    layout->addWidget(Area, 1);
    setCentralWidget(frame);
}

void MDI::Load() {
    ApplyColours();
    resize(ui::TwipsSize(kWidthTwips, kHeightTwips, this));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void MDI::ApplyColours() {
    Area->setBackground(ColourOf(values_.CouleurFenetre, kDefaultCouleurMDI));
    QPalette bar = PicCmd->palette();
    bar.setColor(QPalette::Window, ColourOf(values_.CouleurBarre, kDefaultCouleurBar));
    PicCmd->setPalette(bar);
}

bool MDI::AskQuit() {
    values_.Reponse = static_cast<std::int16_t>(platform_.boxes.Show(
        QStringLiteral("               Quitter le programme ?"), ui::ToQt(values_.TitreAppli),
        ui::Buttons::YesNo, ui::Icon::None));
    return values_.Reponse != ui::kAnswerNo;
}

void MDI::closeEvent(QCloseEvent* event) {
    if (!AskQuit()) {
        event->ignore();
        return;
    }
    event->accept();
    platform_.end.EndProgram(0);
}

} // namespace zorvane::app
