// The communes window built: its boxes, its detail labels and its buttons, placed in twips.

#include "communes/CommuneDetails.h"
#include "communes/CommuneLinks.h"
#include "communes/Frm14CD.h"
#include "ui/Text.h"
#include "ui/ToolForm.h"
#include "ui/ToolLook.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QPainter>

namespace zorvane::communes {
namespace {

// The list holds the longest key of the shipped data, 51 characters ("51290 SAINT REMY EN
// BOUZEMONT SAINT GENEST ET ISSON"), with its scroll bar; the key and the name lines of the
// details wrap on two lines.
constexpr int kListWidth = 6000;
constexpr int kWidth = 12360;
constexpr int kHeight = 7260;
constexpr int kDetailsLeft = 6360;
constexpr int kValuesLeft = 7980;
constexpr int kValuesWidth = 4200;
constexpr int kDetailsTop = 420;
constexpr int kDetailStep = 330;
constexpr int kTwoLineRows = 2; // the key and the name
constexpr int kButtonsTop = 4980;

// The detail labels, top to bottom, in the order of the record they show.
constexpr std::array<QLabel * Frm14CD::*, 11> kDetailLabels{
    &Frm14CD::LblCommune,  &Frm14CD::LblCommuneMin, &Frm14CD::LblDepartement,
    &Frm14CD::LblRegion,   &Frm14CD::LblCodeRegion, &Frm14CD::LblInsee,
    &Frm14CD::LblAcademie, &Frm14CD::LblCodeAca,    &Frm14CD::LblZoneVac,
    &Frm14CD::LblLatitude, &Frm14CD::LblLongitude};

// The copy image: two overlapping sheets.
QIcon CopyIcon(int side) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0x30, 0x50, 0x80), 1.2));
    painter.setBrush(QColor(0xE8, 0xF0, 0xFF));
    const int sheet = side * 6 / 10;
    painter.drawRect(side / 10, side / 10, sheet, sheet);
    painter.drawRect(side * 3 / 10, side * 3 / 10, sheet, sheet);
    return QIcon(picture);
}
} // namespace

Frm14CD::Frm14CD(ui::ToolContext& context) : context_(context) {
    setWindowTitle(QStringLiteral("RECHERCHER - Codes postaux et communes de France"));
    setFixedSize(ui::TwipsSize(kWidth, kHeight, this));
    ui::SetToolLook(this);

    // Out of sight: takes the focus when a link button is clicked.
    Foc = new QPushButton(this);
    Foc->setGeometry(-100, -100, 10, 10);
    BuildEntries();
    BuildDetails();
    BuildButtons();
    ClearDetails();

    TimCP = context_.platform.timers.Create(QStringLiteral("TimCP"));
    TimNom = context_.platform.timers.Create(QStringLiteral("TimNom"));
    TimCP->OnTick = [this] { TimCPTick(); };
    TimNom->OnTick = [this] { TimNomTick(); };
    TimCP->Start(100);
    // The first keys typed go to the postal-code box (searched once the lists are loaded).
    TxtCP->setFocus();
}

void Frm14CD::BuildEntries() {
    auto* byCode = ui::Place(new QLabel(QStringLiteral("PAR CODE P."), this), 120, 120, 1440, 270);
    auto* byName =
        ui::Place(new QLabel(QStringLiteral("PAR NOM DE COMMUNE"), this), 1680, 120, 2700, 270);
    for (QLabel* heading : {byCode, byName}) {
        heading->setStyleSheet(QStringLiteral("font-weight: bold; color: #1F3F7F;"));
    }
    TxtCP = ui::Place(new QLineEdit(this), 120, 420, 1440, 375);
    TxtCP->setMaxLength(static_cast<int>(kMaxPostcodeLength));
    TxtCherche = ui::Place(new QLineEdit(this), 1680, 420, kListWidth - 1560, 375);
    TxtMiroir = new QLineEdit(this);
    TxtMiroir->hide();
    Txt1Foc = ui::Place(new QLineEdit(QStringLiteral("Ex: 75001"), this), 120, 420, 1440, 375);
    Txt2Foc = ui::Place(new QLineEdit(QStringLiteral("Ex: ST JEAN LE BLANC"), this), 1680, 420,
                        kListWidth - 1560, 375);
    for (QLineEdit* placeholder : {Txt1Foc, Txt2Foc}) {
        placeholder->setReadOnly(true);
        placeholder->setFocusPolicy(Qt::ClickFocus);
        placeholder->setStyleSheet(QStringLiteral("color: #808080;"));
    }
    LblInfo = ui::Place(new QLabel(this), 120, 900, kListWidth, 285);
    LstLaListe = ui::Place(new QListWidget(this), 120, 1260, kListWidth, kHeight - 1440);
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setStyleHint(QFont::TypeWriter);
    LstLaListe->setFont(fixedPitch);

    for (QLineEdit* box : {TxtCP, TxtCherche, Txt1Foc, Txt2Foc}) {
        box->installEventFilter(this);
    }
    connect(TxtCP, &QLineEdit::textChanged, this, &Frm14CD::TxtCPChange);
    connect(TxtCherche, &QLineEdit::textChanged, this, &Frm14CD::TxtChercheChange);
    connect(TxtMiroir, &QLineEdit::textChanged, this, &Frm14CD::TxtMiroirChange);
    connect(LstLaListe, &QListWidget::itemClicked, this, &Frm14CD::LstLaListeClick);
    connect(LstLaListe, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr) {
            LstLaListeClick(item);
        }
    });
}

void Frm14CD::BuildDetails() {
    auto* frame = ui::Place(new QFrame(this), kDetailsLeft - 120, kDetailsTop - 120,
                            kWidth - kDetailsLeft, kDetailStep * (11 + kTwoLineRows) + 180);
    frame->setFrameShape(QFrame::StyledPanel);
    for (QLabel* Frm14CD::*member : kDetailLabels) {
        this->*member = new QLabel(this);
    }
    const auto labels = DetailLabels();
    for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
        const bool twoLines = i < kTwoLineRows;
        const int top = kDetailsTop + kDetailStep * (i + std::min(i, kTwoLineRows));
        ui::Place(new QLabel(ui::ToQt(DetailCaptions()[i]), this), kDetailsLeft, top, 1560, 285);
        QLabel* value = labels[i];
        ui::Place(value, kValuesLeft, top, i == 0 ? kValuesWidth - 360 : kValuesWidth,
                  twoLines ? 285 + kDetailStep : 285);
        value->setStyleSheet(QStringLiteral("font-weight: bold;"));
        value->setWordWrap(twoLines);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    ImgCopyTrue = ui::Place(new QToolButton(this), kValuesLeft + kValuesWidth - 330,
                            kDetailsTop - 30, 330, 330);
    ImgCopyTrue->setAutoRaise(true);
    ImgCopyTrue->setIcon(CopyIcon(ImgCopyTrue->width()));
    ImgCopyTrue->setToolTip(QStringLiteral("Copier le nom de la commune dans le presse-papier"));
    connect(ImgCopyTrue, &QToolButton::clicked, this, &Frm14CD::ImgCopyTrueClick);
}

std::array<QLabel*, 11> Frm14CD::DetailLabels() const {
    std::array<QLabel*, 11> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = this->*kDetailLabels[i];
    }
    return labels;
}

void Frm14CD::BuildButtons() {
    const int left = kDetailsLeft - 120;
    const int right = kWidth - 120;
    CmdCopier = ui::Place(new QPushButton(QStringLiteral("Copier les\ndonnées"), this), left,
                          kButtonsTop, 1500, 600);
    CmdCopier->setToolTip(QStringLiteral("Copier les données dans le presse-papier"));
    CmdGoogleMap =
        ui::Place(new QPushButton(QStringLiteral("Géolocaliser la commune\nsur Google Maps"), this),
                  left + 1620, kButtonsTop, right - left - 1620, 600);
    CmdGoogleMap->setToolTip(QStringLiteral("Geolocalisation"));
    CmdExterne = ui::Place(new QPushButton(QStringLiteral("Plus d' infos  sur  le  site\n") +
                                               ui::ToQt(kTownHallSiteName),
                                           this),
                           left, kButtonsTop + 720, right - left - 1620, 600);
    CmdExterne->setToolTip(QStringLiteral("Plus d'infos"));
    CmdAbout = ui::Place(new QPushButton(QStringLiteral("A propos"), this), right - 1500,
                         kButtonsTop + 720, 1500, 600);
    CmdAbout->setToolTip(QStringLiteral("A propos du programme"));
    CmdQ = ui::Place(new QPushButton(QStringLiteral("Quitter"), this), right - 1500,
                     kButtonsTop + 1500, 1500, 600);
    CmdQ->setToolTip(QStringLiteral("Quitter le programme"));

    connect(CmdCopier, &QPushButton::clicked, this, &Frm14CD::CmdCopierClick);
    connect(CmdGoogleMap, &QPushButton::clicked, this, &Frm14CD::CmdGoogleMapClick);
    connect(CmdExterne, &QPushButton::clicked, this, &Frm14CD::CmdExterneClick);
    connect(CmdAbout, &QPushButton::clicked, this, &Frm14CD::CmdAboutClick);
    connect(CmdQ, &QPushButton::clicked, this, [this] { ui::CloseForm(this); });
}

// Loading: the postal-code list 100 ms after opening, the name list 200 ms later.
} // namespace zorvane::communes
