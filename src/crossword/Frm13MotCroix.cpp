#include "crossword/Frm13MotCroix.h"

#include "crossword/BoxText.h"
#include "crossword/PatternMessages.h"
#include "crossword/PatternSearch.h"
#include "ui/Text.h"
#include "ui/ToolIcons.h"
#include "ui/ToolLook.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QPalette>
#include <QStringList>

namespace zorvane::crossword {
namespace {

const QColor kGrey(224, 224, 224);
const QColor kGreyText(128, 128, 128);
const QColor kKnownLetter(128, 0, 0);
constexpr int kStartDelayMs = 20;
constexpr int kSearchDelayMs = 100;

// The row of letter boxes, in twips.
constexpr int kBoxesLeft = 1140;
constexpr int kBoxPitch = 480;
constexpr int kBoxSide = 420;

// The help texts beside the result list, in twips.
constexpr int kHelpLeft = 3240;
constexpr int kHelpWidth = 6240;

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* label = ui::Place(new QLabel(text, parent), left, top, width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void SetColour(QWidget* control, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

void Embolden(QWidget* control) {
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
}

} // namespace

Frm13MotCroix::Frm13MotCroix(ui::ToolContext& context)
    : TimDeb(context.platform.timers.Create(QStringLiteral("TimDeb"))),
      TimRech1(context.platform.timers.Create(QStringLiteral("TimRech1"))), context_(context) {
    setWindowTitle(QStringLiteral("Assistant Mots Croisés"));
    setFixedSize(ui::TwipsSize(9600, 5760, this));
    BuildLetterBoxes();
    BuildResultAndHelp();
    ConnectControls();
    TimDeb->Start(kStartDelayMs);
}

// Closed while a search waits for its tick: the search never runs, so the hourglass goes.
Frm13MotCroix::~Frm13MotCroix() {
    if (TimRech1->IsActive()) {
        context_.platform.pointer.SetBusy(false);
    }
}

void Frm13MotCroix::BuildLetterBoxes() {
    CboLMot = ui::Place(new QComboBox(this), 120, 360, 840, 360);
    for (int length = 3; length <= kLetterBoxes; ++length) {
        CboLMot->addItem(QStringLiteral("%1").arg(length, 2, 10, QLatin1Char('0')));
    }
    CboLMot->setCurrentIndex(-1);

    QFont letterFont = font();
    letterFont.setBold(true);
    letterFont.setPointSize(letterFont.pointSize() + 3);
    for (int box = 1; box <= kLetterBoxes; ++box) {
        const int left = kBoxesLeft + (box - 1) * kBoxPitch;
        LblN[box] = ui::Place(new QLabel(QString::number(box), this), left, 90, kBoxSide, 240);
        LblN[box]->setAlignment(Qt::AlignCenter);
        SetColour(LblN[box], QPalette::WindowText, kGreyText);
        TxtS[box] = ui::Place(new QLineEdit(kUnknownBox, this), left, 330, kBoxSide, kBoxSide);
        TxtS[box]->setObjectName(QStringLiteral("TxtS(%1)").arg(box));
        TxtS[box]->setAlignment(Qt::AlignCenter);
        TxtS[box]->setFont(letterFont);
        TxtS[box]->setEnabled(false);
        TxtS[box]->installEventFilter(this);
        SetColour(TxtS[box], QPalette::Base, kGrey);
        SetColour(TxtS[box], QPalette::Text, kGreyText);
    }
    CmdRech1 =
        ui::Place(new QPushButton(QStringLiteral("Rechercher "), this), 7620, 300, 1860, 480);
    CmdRech1->setEnabled(false);
    ui::SetToolLook(this);
    CmdRech1->setIcon(ui::DrawToolIcon(ui::ToolIcon::Crossword));
    LblK = new QLabel(this);
    LblK->hide();
}

void Frm13MotCroix::BuildResultAndHelp() {
    QFont fixedPitch(QStringLiteral("Courier New"));
    fixedPitch.setStyleHint(QFont::Monospace);
    LstCache1 = ui::Place(new QListWidget(this), 120, 960, 2940, 4320);
    SetColour(LstCache1, QPalette::Base, kGrey);
    LstRech1 = ui::Place(new QListWidget(this), 120, 960, 2940, 4320); // over LstCache1
    LstRech1->setFont(fixedPitch);
    LstRech1->setUniformItemSizes(true);
    SetColour(LstRech1, QPalette::Base, Qt::white);
    LblRech1 = MakeLabel(this, QString(), 120, 5370, 2940, 300);

    Lbl[0] = MakeLabel(this, QStringLiteral("Option:"), kHelpLeft, 960, kHelpWidth, 270);
    ImgCochA[0] = new ui::CheckImage(ui::CheckPicture::EmptyBox, kKnownLetter, this);
    ImgCochA[1] = new ui::CheckImage(ui::CheckPicture::CheckMark, kKnownLetter, this);
    for (ui::CheckImage* image : ImgCochA) {
        image->move(ui::TwipsToPixels(kHelpLeft + 60, this), ui::TwipsToPixels(1275, this));
    }
    LblCochA = MakeLabel(this, QStringLiteral("Passer automatiquement à la case suivante."),
                         kHelpLeft + 420, 1275, kHelpWidth - 420, 270);
    Lbl[5] = MakeLabel(this,
                       QStringLiteral("(Si coché, après la saisie d'une lettre dans une des "
                                      "cases, le"),
                       kHelpLeft + 420, 1560, kHelpWidth - 420, 270);
    Lbl[6] =
        MakeLabel(this, QStringLiteral("passage dans les cases suivantes se fera automatiquement)"),
                  kHelpLeft + 420, 1800, kHelpWidth - 420, 270);
    Lbl[1] =
        MakeLabel(this, QStringLiteral("Comment ça marche:"), kHelpLeft, 2400, kHelpWidth, 270);
    Lbl[2] = MakeLabel(this,
                       QStringLiteral("1) Sélectionnez une longueur de mot en cliquant sur la "
                                      "zone de liste (en haut à gauche)."),
                       kHelpLeft, 2760, kHelpWidth, 540);
    Lbl[3] = MakeLabel(this,
                       QStringLiteral("2) Dans les cases saisir les lettres connues du mot à "
                                      "rechercher, à leur position respective."),
                       kHelpLeft, 3360, kHelpWidth, 540);
    Lbl[4] = MakeLabel(this,
                       QStringLiteral("3) Cliquez sur \"Rechercher\" pour afficher tous les mots "
                                      "contenant les lettres connues."),
                       kHelpLeft, 3960, kHelpWidth, 540);
    Embolden(Lbl[0]);
    Embolden(Lbl[1]);
}

void Frm13MotCroix::ConnectControls() {
    TimDeb->OnTick = [this] { TimDebTick(); };
    TimRech1->OnTick = [this] { TimRech1Tick(); };
    connect(CboLMot, &QComboBox::activated, this, &Frm13MotCroix::CboLMotClick);
    for (int box = 1; box <= kLetterBoxes; ++box) {
        connect(TxtS[box], &QLineEdit::textEdited, this, [this, box] { TxtSChange(box); });
    }
    connect(ImgCochA[0], &ui::CheckImage::clicked, this, [this] { ImgCochA[1]->show(); });
    connect(ImgCochA[1], &ui::CheckImage::clicked, this, [this] {
        ImgCochA[1]->hide();
        FocusBox(LblK->text().toInt());
    });
    connect(CmdRech1, &QPushButton::clicked, this, &Frm13MotCroix::CmdRech1Click);
    connect(LstRech1, &QListWidget::itemClicked, this, &Frm13MotCroix::LstRech1Click);
}

bool Frm13MotCroix::eventFilter(QObject* watched, QEvent* event) {
    const int box = BoxOf(watched);
    if (box != 0) {
        switch (event->type()) {
        case QEvent::FocusIn:
            TxtSGotFocus(box);
            break;
        case QEvent::MouseButtonRelease:
            TxtS[box]->selectAll(); // a click leaves the letter ready to be typed over
            break;
        case QEvent::KeyPress:
            return TxtSKeyDown(box, event);
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int Frm13MotCroix::BoxOf(const QObject* watched) const {
    for (int box = 1; box <= kLetterBoxes; ++box) {
        if (watched == TxtS[box]) {
            return box;
        }
    }
    return 0;
}

void Frm13MotCroix::TimDebTick() {
    TimDeb->Stop();
    lengths_ = FillLengthTable(context_.store.ListeAna);
    show();
}

void Frm13MotCroix::CboLMotClick(int item) {
    length_ = CboLMot->itemText(item).toInt();
    for (int box = 1; box <= kLetterBoxes; ++box) {
        const bool used = box <= length_;
        TxtS[box]->setEnabled(used);
        TxtS[box]->setText(used ? kUnknownBox : QString());
        SetColour(TxtS[box], QPalette::Base, used ? QColor(Qt::white) : kGrey);
        SetColour(TxtS[box], QPalette::Text, kGreyText);
        SetColour(LblN[box], QPalette::WindowText, used ? QColor(Qt::black) : kGreyText);
    }
    EnableSearchWhenKnown();
    FocusBox(1);
}

void Frm13MotCroix::TxtSGotFocus(int box) {
    LblK->setText(QString::number(box));
    previousText_ = TxtS[box]->text();
    TxtS[box]->selectAll();
}

// True when the key is used up here; a letter is typed into its box before the caret moves.
bool Frm13MotCroix::TxtSKeyDown(int box, QEvent* event) {
    invalidShown_ = false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) { // Enter searches, as a default button
        if (CmdRech1->isEnabled()) {
            CmdRech1->click();
        }
        return true;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        FocusBox(key == Qt::Key_Left ? box - 1 : box + 1);
        return true;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z && !ImgCochA[1]->isHidden()) {
        static_cast<QObject*>(TxtS[box])->event(event);
        FocusBox(box + 1);
        return true;
    }
    return false;
}

void Frm13MotCroix::TxtSChange(int box) {
    QLineEdit* letter = TxtS[box];
    const QString typed = letter->text().isEmpty() ? kUnknownBox : letter->text();
    const QString kept = FirstUpper(StringChange(typed));
    letter->setText(kept.isEmpty() ? kUnknownBox : kept);
    letter->selectAll(); // the next key typed replaces the letter
    previousText_ = letter->text();
    ShowTextColour(box);
    EnableSearchWhenKnown();
}

// The allowed characters of the text, or, when none is left, what the box held before.
QString Frm13MotCroix::StringChange(const QString& text) {
    QString kept = AllowedCharacters(text);
    if (!kept.isEmpty()) {
        return kept;
    }
    if (!invalidShown_ && !text.isEmpty()) {
        Tell(QStringLiteral("Seuls les caractères ''ABCDEF.....Z'' sont autorisés.      "),
             ui::Icon::None);
        invalidShown_ = true;
    }
    return previousText_;
}

void Frm13MotCroix::ShowTextColour(int box) {
    const bool unknown = TxtS[box]->text() == kUnknownBox;
    SetColour(TxtS[box], QPalette::Text, unknown ? kGreyText : kKnownLetter);
}

void Frm13MotCroix::EnableSearchWhenKnown() {
    bool known = false;
    for (int box = 1; box <= length_; ++box) {
        known = known || TxtS[box]->text() != kUnknownBox;
    }
    CmdRech1->setEnabled(known);
}

void Frm13MotCroix::CmdRech1Click() {
    CmdRech1->setEnabled(false);
    refused_ = false;
    try {
        length_ = CboLMot->currentText().toInt();
        int unknowns = 0;
        for (int box = 1; box <= length_; ++box) {
            unknowns += TxtS[box]->text() == kUnknownBox ? 1 : 0;
        }
        if (TooManyUnknowns(length_, unknowns)) {
            SubTropEtoile();
        }
    } catch (...) {
        ShowFailure(kPlaceRequest);
    }
    if (refused_) {
        FocusBox(1);
        return;
    }
    LstRech1->hide();
    setEnabled(false);
    context_.platform.pointer.SetBusy(true);
    TimRech1->Start(kSearchDelayMs);
}

void Frm13MotCroix::SubTropEtoile() {
    Tell(ui::ToQt(TooManyUnknownsMessage()), ui::Icon::Critical);
    refused_ = true;
}

void Frm13MotCroix::TimRech1Tick() {
    TimRech1->Stop();
    LstRech1->clear();
    try {
        std::string pattern;
        for (int box = 1; box <= length_; ++box) {
            const QString text = TxtS[box]->text();
            pattern += text == kUnknownBox ? std::string(1, kUnknownPlace) : ui::FromQt(text);
        }
        const auto words = ChercheMotsCroises(context_.store.ListeAna, lengths_, length_, pattern);
        QStringList rows;
        rows.reserve(static_cast<qsizetype>(words.size()));
        for (const std::string_view word : words) {
            rows << ui::ToQt(word);
        }
        LstRech1->addItems(rows);
        LblRech1->setText(ui::ToQt(ResultText(words.size())));
        LstRech1->show();
    } catch (...) {
        ShowFailure(kPlaceSearch);
    }
    context_.platform.pointer.SetBusy(false);
    setEnabled(true);
    FocusBox(LblK->text().toInt());
}

void Frm13MotCroix::LstRech1Click(const QListWidgetItem* item) {
    context_.platform.clipboard.Clear();
    context_.platform.clipboard.SetText(item->text());
    if (copyNoticeDue_) {
        Tell(QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      "),
             ui::Icon::Information);
        copyNoticeDue_ = false;
    }
}

// Moving before box 1, past box 12 or onto a box of no place of the word does nothing.
void Frm13MotCroix::FocusBox(int box) {
    if (box >= 1 && box <= kLetterBoxes && TxtS[box]->isEnabled()) {
        TxtS[box]->setFocus();
    }
}

void Frm13MotCroix::ShowFailure(std::string_view placeCode) {
    Tell(ui::ToQt(FailureText(placeCode)), ui::Icon::Critical);
}

void Frm13MotCroix::Tell(const QString& text, ui::Icon icon) {
    context_.platform.boxes.Show(text, ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok, icon);
}

} // namespace zorvane::crossword
