#include "duplicate/FrmDuplicate.h"

#include "data/StartupValues.h"
#include "duplicate/FrmAnalyse.h"
#include "duplicate/FrmOptions.h"
#include "duplicate/ScoreSheet.h"
#include "ui/Text.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QShortcut>

namespace zorvane::duplicate {
namespace {

constexpr int kTimChargeMs = 100; // lets the window paint before the words load

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text,
                        const QString& tip) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    return button;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    return row;
}

} // namespace

FrmDuplicate::FrmDuplicate(ui::Platform& platform, ui::FileChooser& files, WordsLoader loadWords)
    : PicPlateau(new BoardView(this)),
      TimCharge(platform.timers.Create(QStringLiteral("TimCharge"))),
      TimCompte(platform.timers.Create(QStringLiteral("TimCompte"))),
      NewSeed([] { return QRandomGenerator::global()->bounded(1U, 1000000U); }),
      platform_(platform), files_(files), loadWords_(std::move(loadWords)) {
    setObjectName(QStringLiteral("FrmDuplicate"));
    setWindowTitle(QStringLiteral("Zorvane Duplicate"));
    PicPlateau->setObjectName(QStringLiteral("PicPlateau"));
    FraPartie = new QWidget(this);
    QWidget* panel = FraPartie;
    panel->setObjectName(QStringLiteral("FraPartie"));
    panel->setFixedWidth(560);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    BuildCommands(panel);
    BuildMoveRow(panel);
    BuildResults(panel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(PicPlateau, 1);
    layout->addWidget(panel);

    TimCompte->OnTick = [this] { TimCompteTick(); };
    TimCharge->OnTick = [this] { TimChargeTick(); };
    connect(PicPlateau, &BoardView::EntryChanged, this, &FrmDuplicate::BoardEntryChanged);
    connect(PicPlateau, &BoardView::Proposed, this, &FrmDuplicate::ProposeClick);
    SetPlaying(false);
    // Waiting for the words: no game can start yet.
    panel->setEnabled(false);
    LblPartie->setText(QStringLiteral("Chargement des mots admis au jeu, patientez..."));
    TimCharge->Start(kTimChargeMs);
}

void FrmDuplicate::TimChargeTick() {
    platform_.pointer.SetBusy(true);
    words_ = loadWords_();
    platform_.pointer.SetBusy(false);
    if (words_ == nullptr) {
        return;
    }
    FraPartie->setEnabled(true);
    SetPlaying(false);
    ShowGameLine();
    TxtGraine->setFocus();
    if (!openWhenLoaded_.isEmpty()) {
        OpenFile(openWhenLoaded_);
    }
}

FrmDuplicate::~FrmDuplicate() = default;

void FrmDuplicate::AddShortcut(const QKeySequence& keys, QPushButton* button) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) {
            button->click();
        }
    });
}

void FrmDuplicate::BuildCommands(QWidget* panel) {
    auto* column = qobject_cast<QVBoxLayout*>(panel->layout());
    LblGraine = MakeLabel(panel, QStringLiteral("LblGraine"), QStringLiteral("Graine :"));
    TxtGraine = new QLineEdit(panel);
    TxtGraine->setObjectName(QStringLiteral("TxtGraine"));
    TxtGraine->setMaxLength(10);
    TxtGraine->setPlaceholderText(QStringLiteral("au hasard"));
    TxtGraine->setToolTip(QStringLiteral("La même graine rejoue la même partie"));
    LblGraine->setBuddy(TxtGraine);
    CmdNouvelle =
        MakeButton(panel, QStringLiteral("CmdNouvelle"), QStringLiteral("Nouvelle partie"),
                   QStringLiteral("Nouvelle partie (Ctrl+N)"));
    CmdOuvrir = MakeButton(panel, QStringLiteral("CmdOuvrir"), QStringLiteral("Ouvrir..."),
                           QStringLiteral("Ouvrir une partie enregistrée (Ctrl+O)"));
    CmdEnregistrer =
        MakeButton(panel, QStringLiteral("CmdEnregistrer"), QStringLiteral("Enregistrer"),
                   QStringLiteral("Enregistrer la partie (Ctrl+S)"));
    CmdExporter = MakeButton(panel, QStringLiteral("CmdExporter"), QStringLiteral("Exporter CSV"),
                             QStringLiteral("Exporter la feuille de marque en CSV (Ctrl+E)"));
    CmdAnalyse = MakeButton(panel, QStringLiteral("CmdAnalyse"), QStringLiteral("Analyse"),
                            QStringLiteral("Chercher le top d'une position, ou celui du coup "
                                           "qui vient d'être joué (F2)"));
    CmdOptions = MakeButton(panel, QStringLiteral("CmdOptions"), QStringLiteral("Options"),
                            QStringLiteral("Durée d'un coup (F9)"));
    column->addLayout(Row({LblGraine, TxtGraine, CmdNouvelle}));
    column->addLayout(Row({CmdOuvrir, CmdEnregistrer, CmdExporter, CmdAnalyse, CmdOptions}));

    connect(TxtGraine, &QLineEdit::returnPressed, this, &FrmDuplicate::NewGameClick);
    connect(CmdNouvelle, &QPushButton::clicked, this, &FrmDuplicate::NewGameClick);
    connect(CmdOuvrir, &QPushButton::clicked, this, &FrmDuplicate::OpenClick);
    connect(CmdEnregistrer, &QPushButton::clicked, this, &FrmDuplicate::SaveClick);
    connect(CmdExporter, &QPushButton::clicked, this, &FrmDuplicate::ExportClick);
    connect(CmdAnalyse, &QPushButton::clicked, this, &FrmDuplicate::AnalyseClick);
    connect(CmdOptions, &QPushButton::clicked, this, &FrmDuplicate::OptionsClick);
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), CmdNouvelle);
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), CmdOuvrir);
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), CmdEnregistrer);
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), CmdExporter);
    AddShortcut(QKeySequence(Qt::Key_F2), CmdAnalyse);
    AddShortcut(QKeySequence(Qt::Key_F9), CmdOptions);
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void FrmDuplicate::BuildMoveRow(QWidget* panel) {
    auto* column = qobject_cast<QVBoxLayout*>(panel->layout());
    LblPartie = MakeLabel(panel, QStringLiteral("LblPartie"));
    LblPartie->setWordWrap(true);
    LblTemps = MakeLabel(panel, QStringLiteral("LblTemps"));
    QFont big = LblTemps->font();
    big.setPointSize(20);
    big.setBold(true);
    LblTemps->setFont(big);
    LblTemps->setMinimumHeight(LblTemps->fontMetrics().height() + 4);
    LblTemps->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    column->addLayout(Row({LblPartie, LblTemps}));

    LblTirage = MakeLabel(panel, QStringLiteral("LblTirage"), QStringLiteral("Tirage :"));
    PicTirage = new DrawView(panel);
    PicTirage->setObjectName(QStringLiteral("PicTirage"));
    PicTirage->setFixedHeight(46);
    column->addLayout(Row({LblTirage, PicTirage}));

    LblCoup = MakeLabel(panel, QStringLiteral("LblCoup"), QStringLiteral("Votre coup :"));
    TxtCoup = new QLineEdit(panel);
    TxtCoup->setObjectName(QStringLiteral("TxtCoup"));
    TxtCoup->setPlaceholderText(QStringLiteral("H4 MOTS (case puis mot, joker en minuscule)"));
    LblCoup->setBuddy(TxtCoup);
    CmdProposer = MakeButton(panel, QStringLiteral("CmdProposer"), QStringLiteral("Proposer"),
                             QStringLiteral("Proposer ce coup (Entrée)"));
    column->addLayout(Row({LblCoup, TxtCoup, CmdProposer}));
    LblPoints = MakeLabel(panel, QStringLiteral("LblPoints"));
    LblPoints->setWordWrap(true);
    LblPoints->setMinimumHeight(LblPoints->fontMetrics().height() * 2);
    column->addWidget(LblPoints);
    LblPropose = MakeLabel(panel, QStringLiteral("LblPropose"));
    CmdValider = MakeButton(panel, QStringLiteral("CmdValider"), QStringLiteral("Valider"),
                            QStringLiteral("Terminer le coup sans attendre la fin du temps "
                                           "(Ctrl+Entrée)"));
    CmdSuivant = MakeButton(panel, QStringLiteral("CmdSuivant"), QStringLiteral("Coup suivant"),
                            QStringLiteral("Tirer les lettres du coup suivant (Entrée)"));
    LblPropose->setWordWrap(true);
    column->addWidget(LblPropose);
    auto* buttons = Row({CmdValider, CmdSuivant});
    buttons->insertStretch(0);
    column->addLayout(buttons);

    connect(TxtCoup, &QLineEdit::textEdited, this, &FrmDuplicate::EntryChanged);
    connect(TxtCoup, &QLineEdit::returnPressed, this, &FrmDuplicate::ProposeClick);
    connect(CmdProposer, &QPushButton::clicked, this, &FrmDuplicate::ProposeClick);
    connect(CmdValider, &QPushButton::clicked, this, &FrmDuplicate::ValiderClick);
    connect(CmdSuivant, &QPushButton::clicked, this, &FrmDuplicate::SuivantClick);
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), CmdValider);
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), CmdValider);
}

void FrmDuplicate::BuildResults(QWidget* panel) {
    auto* column = qobject_cast<QVBoxLayout*>(panel->layout());
    LblTops = MakeLabel(panel, QStringLiteral("LblTops"), QStringLiteral("Meilleurs coups :"));
    LstTops = new QListWidget(panel);
    LstTops->setObjectName(QStringLiteral("LstTops"));
    LblTops->setBuddy(LstTops);
    column->addWidget(LblTops);
    column->addWidget(LstTops, 2);

    LblFeuille =
        MakeLabel(panel, QStringLiteral("LblFeuille"), QStringLiteral("Feuille de marque :"));
    // Short titles so that the nine columns fit; the full ones (those of the CSV file) show
    // over them.
    const std::vector<std::string>& titles = SheetColumns();
    const QStringList shortTitles = {
        QStringLiteral("N°"),    QStringLiteral("Tirage"),    QStringLiteral("Votre coup"),
        QStringLiteral("Pts"),   QStringLiteral("Top"),       QStringLiteral("Pts top"),
        QStringLiteral("Total"), QStringLiteral("Total top"), QStringLiteral("%")};
    GrdFeuille = new QTableWidget(0, static_cast<int>(titles.size()), panel);
    GrdFeuille->setObjectName(QStringLiteral("GrdFeuille"));
    for (int c = 0; c < shortTitles.size(); ++c) {
        auto* header = new QTableWidgetItem(shortTitles[c]);
        header->setToolTip(ui::ToQt(titles[static_cast<std::size_t>(c)]));
        GrdFeuille->setHorizontalHeaderItem(c, header);
    }
    GrdFeuille->verticalHeader()->hide();
    GrdFeuille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrdFeuille->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LblFeuille->setBuddy(GrdFeuille);
    column->addWidget(LblFeuille);
    column->addWidget(GrdFeuille, 3);
    LblTotal = MakeLabel(panel, QStringLiteral("LblTotal"));
    QFont bold = LblTotal->font();
    bold.setBold(true);
    LblTotal->setFont(bold);
    column->addWidget(LblTotal);
}

int FrmDuplicate::Ask(const QString& text, ui::Buttons buttons, ui::Icon icon) {
    return platform_.boxes.Show(text, ui::ToQt(data::kTitreAppli), buttons, icon);
}

void FrmDuplicate::AnalyseClick() {
    if (!analyse_) {
        analyse_ = std::make_unique<FrmAnalyse>(platform_, files_, *words_);
    }
    // The move just played, never the one being played: the analysis would give its top.
    if (game_ && !game_->Turns().empty()) {
        analyse_->SetPosition(studied_, studiedDraw_);
    }
    analyse_->show();
    analyse_->raise();
    analyse_->activateWindow();
}

void FrmDuplicate::OptionsClick() {
    if (!options_) {
        options_ = std::make_unique<FrmOptions>(platform_);
    }
    options_->Load();
    options_->show();
    options_->raise();
    options_->activateWindow();
}

int FrmDuplicate::MoveSeconds() const {
    return FrmOptions::SavedSeconds(platform_.settings);
}

void FrmDuplicate::closeEvent(QCloseEvent* event) {
    if (!MayLeaveGame()) {
        event->ignore();
        return;
    }
    TimCompte->Stop();
    if (analyse_) {
        analyse_->close();
    }
    if (options_) {
        options_->close();
    }
    event->accept();
}

} // namespace zorvane::duplicate
