#include "app/Frm02Charge.h"

#include "ui/CheckImage.h"
#include "ui/Logo.h"
#include "ui/Text.h"
#include "ui/Twips.h"
#include "ui/WindowDrag.h"

#include <QGuiApplication>
#include <QScreen>
#include <chrono>
#include <cmath>

namespace zorvane::app {
namespace {

constexpr int kWidth = 7200;
constexpr int kHeight = 4300;
const QColor kDarkGrey(0x40, 0x40, 0x40);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kDoneGreen(0x1E, 0x8E, 0x3E);

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect twips) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(ui::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height(), parent));
    return label;
}

} // namespace

Frm02Charge::Frm02Charge(ui::Platform& platform, const data::StartupValues& values,
                         data::WordStore& store, anagram::AnagramIndex& index,
                         std::function<void()> handOver)
    : QWidget(nullptr, Qt::FramelessWindowHint), platform_(platform), values_(values),
      store_(store), index_(index), loading_(platform, values.TitreAppli, store),
      handOver_(std::move(handOver)) {
    setObjectName(QStringLiteral("Frm02Charge"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("#Frm02Charge { background: #FFFDF5; border: 1px solid #8A6A2E; }"));
    setFixedSize(ui::TwipsSize(kWidth, kHeight, this));

    auto* logo = MakeLabel(this, QString(), QRect(300, 300, 1500, 1500));
    logo->setPixmap(ui::ZorvaneLogo(logo->width()));
    auto* title = MakeLabel(this, QStringLiteral("Zorvane"), QRect(2000, 450, 4800, 600));
    title->setStyleSheet(QStringLiteral("font: bold 20pt 'DejaVu Serif'; color: #2B1D0E;"));
    LblInf1 = MakeLabel(this, QStringLiteral("Chargement des données, patientez..."),
                        QRect(2000, 1150, 3600, 300));
    LblInf = MakeLabel(this, QString(), QRect(5400, 1150, 1600, 300));
    const QString stages[3] = {QStringLiteral("Dictionnaire et définitions."),
                               QStringLiteral("Les anagrammes."), QStringLiteral("Les synonymes.")};
    for (int i = 0; i < 3; ++i) {
        ImgCoche2[i] = MakeLabel(this, QString(), QRect(2000, 1950 + i * 420, 300, 300));
        ImgCoche2[i]->setPixmap(ui::CheckMarkPicture(ImgCoche2[i]->width(), kDoneGreen));
        ImgCoche2[i]->hide();
        LblChargement[i] = MakeLabel(this, stages[i], QRect(2400, 1950 + i * 420, 4600, 300));
        SetTextColour(LblChargement[i], kDarkGrey);
    }
    LblMotDef = MakeLabel(this, QString(), QRect(300, 3500, 5200, 300));
    LblVer = MakeLabel(this, QString(), QRect(5600, 3500, 1400, 300));
    LblVer->setAlignment(Qt::AlignRight);
    for (QLabel* small : {LblMotDef, LblVer}) {
        small->setStyleSheet(QStringLiteral("color: #5A4520; font-size: 8pt;"));
    }

    // Foc takes the focus and, as the default button, Enter too: both end the program.
    Foc = new QPushButton(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-20, -20, 1, 1);
    Foc->setDefault(true);
    connect(Foc, &QPushButton::clicked, this, [this] { platform_.end.EndProgram(0); });
    ui::MoveWindowByDragging(this, this);

    auto makeTimer = [&](const QString& name, std::function<void()> tick) {
        auto timer = platform_.timers.Create(name);
        timer->OnTick = std::move(tick);
        return timer;
    };
    Tim1a9 = makeTimer(QStringLiteral("Tim1a9"), [this] { Tim1a9Tick(); });
    TimAna = makeTimer(QStringLiteral("TimAna"), [this] { TimAnaTick(); });
    TimAnaBis = makeTimer(QStringLiteral("TimAnaBis"), [this] { TimAnaBisTick(); });
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        TimLetter[letter - 'A'] = makeTimer(QStringLiteral("Tim") + QChar(letter),
                                            [this, letter] { TimLetterTick(letter); });
    }
    TimTempo = makeTimer(QStringLiteral("TimTempo"), [this] { TimTempoTick(); });
    TimFin = makeTimer(QStringLiteral("TimFin"), [this] { TimFinTick(); });
}

void Frm02Charge::Load() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 3);
    }
    LblInf->clear();
    CompteurTempo = 0;
    LblMotDef->setText(QString::number(values_.NbMotsDico) +
                       QStringLiteral(" mots de 2 à 15 lettres - ") +
                       QString::number(values_.NbDefinitions) + QStringLiteral(" définitions"));
    LblVer->setText(QStringLiteral("Version ") + ui::ToQt(values_.VersionAppli));
    platform_.pointer.SetBusy(true);
    show();
    Foc->setFocus();
    Tim1a9->Start(10);
}

int Frm02Charge::RandomPercentage(int low, int high) {
    std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    const double r = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
    return static_cast<int>(std::floor(r * (high - low + 1) + low));
}

void Frm02Charge::SetStageDone(int stage) {
    ImgCoche2[stage]->show();
    SetTextColour(LblChargement[stage], Qt::black);
}

void Frm02Charge::Tim1a9Tick() {
    Tim1a9->Stop();
    if (!loading_.Dictionary()) {
        return;
    }
    LblInf1->setText(QStringLiteral("Chargement des données %1%.").arg(RandomPercentage(5, 10)));
    LblChargement[0]->setText(QStringLiteral("Liste %1 mots, %2 définitions.")
                                  .arg(values_.NbMotsDico)
                                  .arg(values_.NbDefinitions));
    SetStageDone(0);
    TimAna->Start(10);
}

void Frm02Charge::TimAnaTick() {
    TimAna->Stop();
    if (!loading_.AnagramList()) {
        return;
    }
    LblInf1->setText(QStringLiteral("Chargement des données %1%.").arg(RandomPercentage(11, 50)));
    // The upper index of the list: one less than its number of words.
    LblChargement[1]->setText(QStringLiteral("Base de données %1 anagrammes.")
                                  .arg(static_cast<qlonglong>(store_.ListeAna.size()) - 1));
    SetStageDone(1);
    TimAnaBis->Start(250);
}

void Frm02Charge::TimAnaBisTick() {
    TimAnaBis->Stop();
    anagram::BuildIndex(index_, store_.ListeAna);
    LblInf1->setText(QStringLiteral("Chargement des données %1%.").arg(RandomPercentage(60, 80)));
    TimLetter[0]->Start(10);
}

void Frm02Charge::TimLetterTick(char letter) {
    TimLetter[letter - 'A']->Stop();
    LblChargement[2]->setText(QStringLiteral("Liste des synonymes %1.").arg(QChar(letter)));
    if (!loading_.SynonymLetter(letter)) {
        return;
    }
    if (letter < 'Z') {
        TimLetter[letter - 'A' + 1]->Start(10);
        return;
    }
    LblChargement[2]->setText(QStringLiteral("Base de données %1 synonymes.")
                                  .arg(static_cast<qlonglong>(values_.NbSynonymes)));
    SetStageDone(2);
    TimTempo->Start(200);
}

void Frm02Charge::TimTempoTick() {
    LblInf1->setText(QStringLiteral("Chargement des données 100%"));
    if (CompteurTempo >= 7) {
        platform_.pointer.SetBusy(false);
        TimTempo->Stop();
        TimFin->Start(100);
        return;
    }
    ++CompteurTempo;
    if (CompteurTempo <= 5) {
        LblInf->setText(QStringLiteral(" .").repeated(CompteurTempo));
    } else if (CompteurTempo == 6) {
        for (QLabel* label :
             {LblInf1, LblInf, LblChargement[0], LblChargement[1], LblChargement[2]}) {
            SetTextColour(label, kGrey);
        }
        for (QLabel* mark : ImgCoche2) {
            mark->hide();
        }
    }
    TimTempo->Start(200); // every 200 ms until it stops itself
}

void Frm02Charge::TimFinTick() {
    TimFin->Stop();
    handOver_();
    close();
    deleteLater();
}

} // namespace zorvane::app
