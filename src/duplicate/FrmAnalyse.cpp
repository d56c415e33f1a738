#include "duplicate/FrmAnalyse.h"

#include "board/Draw.h"
#include "board/MoveGenerator.h"
#include "data/StartupValues.h"
#include "ui/Text.h"

#include <QBoxLayout>
#include <QFile>
#include <QFontDatabase>
#include <QShortcut>

namespace zorvane::duplicate {
namespace {

constexpr qint64 kLargestPositionFile = 4096; // 15 lines of 15 characters and their ends

} // namespace

FrmAnalyse::FrmAnalyse(ui::Platform& platform, ui::FileChooser& files, const data::WordGraph& words)
    : PicPlateau(new BoardView(this)),
      LblPosition(new QLabel(QStringLiteral("Position (15 lignes de 15 caractères, « . » pour "
                                            "une case vide, minuscule pour un joker) :"),
                             this)),
      TxtPosition(new QPlainTextEdit(this)),
      CmdOuvrirPosition(new QPushButton(QStringLiteral("Ouvrir une position..."), this)),
      LblTirage(new QLabel(QStringLiteral("Tirage :"), this)), TxtTirage(new QLineEdit(this)),
      CmdChercher(new QPushButton(QStringLiteral("Chercher le top"), this)),
      LblInfo(new QLabel(this)), LstCoups(new QListWidget(this)), platform_(platform),
      files_(files), words_(words) {
    setObjectName(QStringLiteral("FrmAnalyse"));
    setWindowTitle(QStringLiteral("Analyse d'une position"));
    PicPlateau->setObjectName(QStringLiteral("PicPlateau"));
    LblPosition->setObjectName(QStringLiteral("LblPosition"));
    LblPosition->setWordWrap(true);
    LblPosition->setBuddy(TxtPosition);
    TxtPosition->setObjectName(QStringLiteral("TxtPosition"));
    TxtPosition->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    TxtPosition->setTabChangesFocus(true);
    TxtPosition->setPlainText(ui::ToQt(board::WritePosition({})));
    CmdOuvrirPosition->setObjectName(QStringLiteral("CmdOuvrirPosition"));
    CmdOuvrirPosition->setToolTip(
        QStringLiteral("Lire une position dans un fichier texte (Ctrl+O)"));
    LblTirage->setObjectName(QStringLiteral("LblTirage"));
    LblTirage->setBuddy(TxtTirage);
    TxtTirage->setObjectName(QStringLiteral("TxtTirage"));
    TxtTirage->setMaxLength(7);
    TxtTirage->setPlaceholderText(QStringLiteral("7 lettres au plus, ? pour un joker"));
    CmdChercher->setObjectName(QStringLiteral("CmdChercher"));
    CmdChercher->setToolTip(QStringLiteral("Tous les coups du tirage, du meilleur au moins bon "
                                           "(Entrée)"));
    LblInfo->setObjectName(QStringLiteral("LblInfo"));
    LblInfo->setWordWrap(true);
    LstCoups->setObjectName(QStringLiteral("LstCoups"));

    LblInfo->setMinimumHeight(LblInfo->fontMetrics().height() * 2);
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("FraAnalyse"));
    panel->setFixedWidth(440);
    auto* side = new QVBoxLayout(panel);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(LblPosition);
    side->addWidget(TxtPosition, 2);
    side->addWidget(CmdOuvrirPosition);
    auto* draw = new QHBoxLayout;
    draw->addWidget(LblTirage);
    draw->addWidget(TxtTirage);
    draw->addWidget(CmdChercher);
    side->addLayout(draw);
    side->addWidget(LblInfo);
    side->addWidget(LstCoups, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(PicPlateau, 1);
    layout->addWidget(panel);
    resize(1150, 650);

    connect(CmdOuvrirPosition, &QPushButton::clicked, this, &FrmAnalyse::OuvrirPositionClick);
    connect(CmdChercher, &QPushButton::clicked, this, &FrmAnalyse::ChercherClick);
    connect(TxtTirage, &QLineEdit::returnPressed, this, &FrmAnalyse::ChercherClick);
    connect(LstCoups, &QListWidget::currentRowChanged, this, &FrmAnalyse::CoupChoisi);
    auto* open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
    connect(open, &QShortcut::activated, CmdOuvrirPosition, &QPushButton::click);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    TxtTirage->setFocus();
}

void FrmAnalyse::SetPosition(const board::Position& position, const std::string& draw) {
    TxtPosition->setPlainText(ui::ToQt(board::WritePosition(position)));
    PicPlateau->SetPosition(position);
    PicPlateau->ShowMove(std::nullopt, TileLook::Looked);
    TxtTirage->setText(ui::ToQt(draw));
    LstCoups->clear();
    LblInfo->clear();
    TxtTirage->setFocus();
}

void FrmAnalyse::OuvrirPositionClick() {
    const auto chosen = files_.ToOpen(QStringLiteral("Ouvrir une position"),
                                      QStringLiteral("Positions (*.txt);;Tous les fichiers (*)"));
    if (!chosen) {
        return;
    }
    QFile file(*chosen);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPositionFile) {
        platform_.boxes.Show(QStringLiteral("Impossible de lire la position %1 : %2")
                                 .arg(*chosen, file.isOpen()
                                                   ? QStringLiteral("ce n'est pas une position.")
                                                   : file.errorString()),
                             ui::ToQt(data::kTitreAppli), ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    TxtPosition->setPlainText(QString::fromLatin1(file.readAll()));
    TxtTirage->setFocus();
}

void FrmAnalyse::Refuse(const std::string& why) {
    moves_.clear();
    LstCoups->clear();
    LblInfo->setText(ui::ToQt(why));
    platform_.boxes.Show(ui::ToQt(why), ui::ToQt(data::kTitreAppli), ui::Buttons::Ok,
                         ui::Icon::Exclamation);
}

void FrmAnalyse::ChercherClick() {
    const board::PositionRead position =
        board::ReadPosition(ui::FromQt(TxtPosition->toPlainText()));
    if (!position.position) {
        return Refuse(position.error);
    }
    PicPlateau->SetPosition(*position.position);
    PicPlateau->ShowMove(std::nullopt, TileLook::Looked);
    const board::DrawRead draw = board::ReadDraw(ui::FromQt(TxtTirage->text()));
    if (!draw.tiles) {
        return Refuse(draw.error);
    }
    if (const std::string beyond = board::TilesBeyondSet(*position.position, *draw.tiles);
        !beyond.empty()) {
        return Refuse(beyond);
    }
    TxtTirage->setText(ui::ToQt(*draw.tiles));
    moves_ = board::GenerateMoves(*position.position, *draw.tiles, words_);
    LstCoups->clear();
    for (std::size_t i = 0; i < moves_.size(); ++i) {
        const board::Move& move = moves_[i];
        LstCoups->addItem(
            QStringLiteral("%1. %2 %3 : %4 points")
                .arg(i + 1)
                .arg(ui::ToQt(board::WritePlacement(move.placement)), ui::ToQt(move.word))
                .arg(move.score));
    }
    LblInfo->setText(moves_.empty()
                         ? QStringLiteral("Aucun coup possible avec ce tirage.")
                         : QStringLiteral("%1 coup%2, du meilleur au moins bon : choisissez-en "
                                          "un pour le voir sur le plateau.")
                               .arg(moves_.size())
                               .arg(moves_.size() > 1 ? QStringLiteral("s") : QString()));
    if (!moves_.empty()) {
        LstCoups->setCurrentRow(0);
        LstCoups->setFocus();
    }
}

void FrmAnalyse::CoupChoisi(int row) {
    PicPlateau->ShowMove(row >= 0 && row < static_cast<int>(moves_.size())
                             ? std::optional(moves_[static_cast<std::size_t>(row)])
                             : std::nullopt,
                         TileLook::Looked);
}

} // namespace zorvane::duplicate
