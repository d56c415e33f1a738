#include "nearwords/Frm16Approchant.h"

#include "data/InternalError.h"
#include "nearwords/NearWordFailure.h"
#include "nearwords/NearWordSearch.h"
#include "nearwords/TypedLetters.h"
#include "ui/Text.h"
#include "ui/ToolIcons.h"
#include "ui/ToolLook.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QPalette>

namespace zorvane::nearwords {
namespace {

constexpr QRgb kWaitingGrey = 0xC0C0C0;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kWaitingBlue = 0x0000FF;
constexpr QRgb kFoundBrown = 0x804000;
constexpr QRgb kFailureGrey = 0x404040;
constexpr int kSearchDelayMs = 500;

QLabel* MakeLabel(QWidget* parent, const QString& text, QRect twips) {
    return ui::Place(new QLabel(text, parent), twips.x(), twips.y(), twips.width(), twips.height());
}

// The result text with its CR LF line breaks as the text box holds lines.
QString ResultLines(const std::string& text) {
    return ui::ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

Frm16Approchant::Frm16Approchant(ui::ToolContext& context) : context_(context) {
    TimFind = context_.platform.timers.Create(QStringLiteral("TimFind"));
    setWindowTitle(QStringLiteral("Mots approchants"));
    setFixedSize(ui::TwipsSize(8760, 6360, this));
    BuildControls();
    ConnectControls();
    LblInfo2->setText(QStringLiteral("Cet  utilitaire  permet\r\nde trouver, à partir d'\r\n"
                                     "un mot, tous les mots\r\ndont l'orthographe s'en\r\n"
                                     "rapprochent  le  plus."));
    LblInfo3->setText(QStringLiteral("Note: une recherche\r\nprécise entraînera un\r\n"
                                     "résultat de recherche\r\nfaible , inversement,\r\n"
                                     "plus la précision est\r\nfaible plus le nombre de\r\n"
                                     "solutions sera important."));
    TxtCtrl->setFocus();
}

void Frm16Approchant::BuildControls() {
    TxtCtrl = ui::Place(new QLineEdit(this), 120, 120, 3000, 405);
    TxtCtrl->setMaxLength(kMaxTypedLetters);
    TxtCtrl->installEventFilter(this);
    LblN = MakeLabel(this, QStringLiteral("0"), QRect(3240, 165, 480, 300));
    CmdCtrl = ui::Place(new QPushButton(QStringLiteral(" Rechercher"), this), 3780, 105, 1800, 435);
    CmdCtrl->setToolTip(QStringLiteral("Rechercher si un mot existe"));
    CmdCtrl->setEnabled(false);
    ui::SetToolLook(this);
    CmdCtrl->setIcon(ui::DrawToolIcon(ui::ToolIcon::NearWords));

    Fra1 = ui::Place(new QGroupBox(QStringLiteral("Options pour la recherche"), this), 120, 720,
                     8520, 1980);
    Lbl[1] = MakeLabel(Fra1, QStringLiteral("Précision de la recherche de mots"),
                       QRect(180, 330, 3300, 285));
    LblTaux = MakeLabel(Fra1, QStringLiteral("90"), QRect(3540, 300, 600, 330));
    QFont bold = LblTaux->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    LblTaux->setFont(bold);
    const std::array<QString, 3> options = {QStringLiteral("Recherche précise."),
                                            QStringLiteral("Précision moyenne."),
                                            QStringLiteral("Précision faible.")};
    for (std::size_t i = 0; i < Opt.size(); ++i) {
        Opt[i] = ui::Place(new QRadioButton(options[i], Fra1), 300, 690 + 300 * static_cast<int>(i),
                           3600, 285);
    }
    Opt[0]->setChecked(true); // the label's design value, 90
    Chk2 = ui::Place(
        new QCheckBox(QStringLiteral("Prendre en compte les mots ayant une lettre de plus "
                                     "ou une lettres de moins."),
                      Fra1),
        180, 1620, 8220, 300);

    TxtRes = ui::Place(new QPlainTextEdit(this), 120, 2820, 4560, 3000);
    TxtRes->setReadOnly(true);
    TxtRes->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setStyleHint(QFont::Monospace);
    TxtRes->setFont(fixedPitch);
    SetResultBackground(kWhite);

    LblInfo2 = MakeLabel(this, QString(), QRect(4920, 2820, 3720, 1260));
    LblInfo3 = MakeLabel(this, QString(), QRect(4920, 4200, 3720, 1620));
    for (QLabel* info : {LblInfo2, LblInfo3}) {
        info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    LblD = MakeLabel(this, QStringLiteral("Entrez un mot dans la zone de texte"),
                     QRect(120, 5940, 8520, 300));

    Foc = ui::Place(new QPushButton(this), -300, -300, 15, 15);
    Foc->setAutoDefault(true); // Enter on the focus holder runs the search, as on the box
}

void Frm16Approchant::ConnectControls() {
    TimFind->OnTick = [this] { TimFindTick(); };
    connect(TxtCtrl, &QLineEdit::textEdited, this, &Frm16Approchant::TxtCtrlEdited);
    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm16Approchant::TxtCtrlChanged);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm16Approchant::CmdCtrlClick);
    const auto enterRunsSearch = [this] {
        if (CmdCtrl->isEnabled()) {
            CmdCtrl->click();
        }
    };
    connect(TxtCtrl, &QLineEdit::returnPressed, this, enterRunsSearch);
    connect(Foc, &QPushButton::clicked, this, enterRunsSearch);
    static const std::array<const char*, 3> thresholds = {"90", "80", "70"};
    for (std::size_t i = 0; i < Opt.size(); ++i) {
        connect(Opt[i], &QRadioButton::clicked, this, [this, i] {
            LblTaux->setText(QString::fromLatin1(thresholds[i]));
            Foc->setFocus();
        });
    }
    connect(Chk2, &QCheckBox::clicked, this, [this] { Foc->setFocus(); });
}

bool Frm16Approchant::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TxtCtrl && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && IsRefusedCharacter(typed.front())) {
            ShowRefusedCharacter();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Frm16Approchant::ShowRefusedCharacter() {
    context_.platform.boxes.Show(RefusedCharacterMessage(), ui::ToQt(context_.values.TitreAppli),
                                 ui::Buttons::Ok, ui::Icon::Information);
}

// Typed keys are filtered before they reach the box; pasted or dropped text only here.
void Frm16Approchant::TxtCtrlEdited(const QString& text) {
    const QString kept = OnlyLetters(text);
    if (kept != text) {
        TxtCtrl->setText(kept);
        ShowRefusedCharacter();
    }
}

// Reads the box itself: a filtered paste reports its unfiltered text after the filtered one.
void Frm16Approchant::TxtCtrlChanged() {
    const QString text = TxtCtrl->text();
    LblN->setText(QString::number(text.size()));
    const bool searchable = text.size() >= 2;
    CmdCtrl->setEnabled(searchable);
    CmdCtrl->setDefault(searchable);
}

void Frm16Approchant::CmdCtrlClick() {
    TxtRes->clear();
    SetResultBackground(kWaitingGrey);
    context_.platform.pointer.SetBusy(true);
    ShowStatus(QStringLiteral("Recherche en cours, patientez..."), kWaitingBlue);
    TimFind->Start(kSearchDelayMs);
}

void Frm16Approchant::TimFindTick() {
    TimFind->Stop();
    try {
        const NearWordResult result =
            NearWordSearch(context_.store.ListeDico, ui::FromQt(TxtCtrl->text()),
                           LblTaux->text().toInt(), Chk2->isChecked());
        TxtRes->setPlainText(ResultLines(ResultText(result)));
        ShowStatus(QString::number(result.count) + QStringLiteral(" solutions trouvées."),
                   kFoundBrown);
    } catch (...) {
        context_.platform.boxes.Show(ui::ToQt(data::CurrentFailureText(kPlaceNearWords)),
                                     ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                     ui::Icon::Critical);
        ShowStatus(QStringLiteral("Erreur programme."), kFailureGrey);
    }
    SetResultBackground(kWhite);
    context_.platform.pointer.SetBusy(false);
}

void Frm16Approchant::ShowStatus(const QString& text, QRgb colour) {
    LblD->setText(text);
    QPalette palette = LblD->palette();
    palette.setColor(QPalette::WindowText, QColor(colour));
    LblD->setPalette(palette);
}

void Frm16Approchant::SetResultBackground(QRgb colour) {
    QPalette palette = TxtRes->palette();
    palette.setColor(QPalette::Base, QColor(colour));
    TxtRes->setPalette(palette);
}

} // namespace zorvane::nearwords
