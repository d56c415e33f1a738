#include "communes/Frm21About.h"

#include "data/MakerAddresses.h"
#include "ui/Logo.h"
#include "ui/Text.h"
#include "ui/Twips.h"

namespace zorvane::communes {
namespace {

constexpr int kWidth = 5640;
constexpr int kHeight = 2900;
constexpr int kLineLeft = 1260;
constexpr int kLineTop = 180;
constexpr int kLineStep = 300;

// The six lines as they stand, double blanks included.
const std::array<QString, 6>& AboutLines() {
    static const std::array<QString, 6> lines{
        QStringLiteral("36373 codes postaux et noms de communes."),
        QStringLiteral("N° INSEE - N° de département - Département"),
        QStringLiteral("Nom en minuscule - Code de région - Nom de"),
        QStringLiteral("région - latitude - longitude - Académie - Code"),
        QStringLiteral("de  l ' Académie - Zone des vacances scolaires"),
        QStringLiteral("Géolocalisation automatique  sur Google Maps")};
    return lines;
}

// The window stays over the main window; never a child of the owner it disables, as a
// disabled widget disables its child windows too.
QWidget* ParentFor(QWidget* owner) {
    return owner != nullptr && owner->window() != owner ? owner->window() : nullptr;
}

} // namespace

Frm21About::Frm21About(ui::ToolContext& context, QWidget* owner)
    : QDialog(ParentFor(owner)), context_(context), owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(ui::TwipsSize(kWidth, kHeight, this));

    // Enter closes the window through CmdFoc, which sits out of sight.
    CmdFoc = new QPushButton(this);
    CmdFoc->setGeometry(-100, -100, 10, 10);
    CmdFoc->setDefault(true);

    Image2 = new QLabel(this);
    Image2->setGeometry(ui::TwipsRect(180, 180, 900, 900, this));
    Image2->setPixmap(ui::ZorvaneLogo(Image2->width()));
    for (std::size_t i = 0; i < Lbl.size(); ++i) {
        Lbl[i] = new QLabel(AboutLines()[i], this);
        Lbl[i]->setGeometry(ui::TwipsRect(kLineLeft, kLineTop + kLineStep * static_cast<int>(i),
                                          kWidth - kLineLeft - 120, 285, this));
    }
    CmdSite = new QPushButton(ui::ToQt(data::kMakerSiteCaption), this);
    CmdSite->setToolTip(QStringLiteral("Site internet du programme"));
    CmdSite->setGeometry(ui::TwipsRect(kLineLeft, 2220, 2820, 480, this));
    CmdQ = new QPushButton(QStringLiteral("Fermer"), this);
    CmdQ->setToolTip(QStringLiteral("Fermer la fenêtre"));
    CmdQ->setGeometry(ui::TwipsRect(4200, 2220, 1260, 480, this));

    connect(CmdSite, &QPushButton::clicked, this, [this] {
        CmdFoc->setFocus();
        context_.platform.links.Open(ui::ToQt(data::kMakerSiteUrl)); // a failure is not reported
    });
    connect(CmdQ, &QPushButton::clicked, this, &QWidget::close);
    connect(CmdFoc, &QPushButton::clicked, this, &QWidget::close);

    PlaceOverMainWindow();
    if (owner_) {
        owner_->setEnabled(false);
        // The communes window closed by its frame takes its about window along: a new
        // communes window would otherwise open a second one.
        connect(owner, &QObject::destroyed, this, &QWidget::close);
    }
}

// Centred across the main window, a quarter of the free height from its top.
void Frm21About::PlaceOverMainWindow() {
    const QWidget* main = owner_ ? owner_->window() : nullptr;
    if (main == nullptr) {
        return;
    }
    const QPoint offset((main->width() - width()) / 2, (main->height() - height()) / 4);
    move(main->mapToGlobal(offset));
}

Frm21About::~Frm21About() {
    if (owner_) {
        owner_->setEnabled(true);
    }
}

} // namespace zorvane::communes
