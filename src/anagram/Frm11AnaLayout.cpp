// The anagram window built: its draw row, its options and one list per word length.

#include "anagram/Frm11Ana.h"
#include "anagram/Frm11AnaLook.h"
#include "ui/Text.h"
#include "ui/ToolIcons.h"
#include "ui/Twips.h"

#include <QFontMetricsF>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace zorvane::anagram {
namespace {

using look::kEmptyGrey;
using look::kMaxDrawOnScreen;

constexpr int kWidth = 13800; // at least; the lists may need more
constexpr int kHeight = 8160;
constexpr int kListsTop = 1740;
constexpr int kListsHeight = 5700;
constexpr int kListGap = 60;
constexpr int kTimLoadMs = 100;

// The width a list needs for its longest words (in the fixed-pitch font every word of a
// length is equally wide), the item margins, its frame and its scroll bar.
int ListWidth(const QListView* list, int length) {
    const QStyle* style = list->style();
    const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    // The view lays text out in fractions of a pixel: round the word's width up.
    const qreal word =
        QFontMetricsF(list->font()).horizontalAdvance(QString(length, QLatin1Char('W')));
    return static_cast<int>(std::ceil(word)) + 2 * textMargin + scrollBar + 2 * list->frameWidth();
}

void SetBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

Frm11Ana::Frm11Ana(ui::ToolContext& context, const AnagramIndex& index,
                   SharedPackedIndex& packedIndex)
    : TxtCh(new QLineEdit(this)),
      LblN(MakeLabel(this, QStringLiteral("0"), QStringLiteral("LblN"))),
      CmdCh(new QPushButton(QStringLiteral(" Rechercher"), this)),
      FraOptions(new QGroupBox(QStringLiteral("Options de recherche"), this)),
      Cbo1(new QComboBox(FraOptions)), Text5(new QLineEdit(FraOptions)),
      LstAnaWords(new ui::WordListModel(this)),
      LblInfo(MakeLabel(this, QString(), QStringLiteral("LblInfo"))),
      LblT1(MakeLabel(this, QString(), QStringLiteral("LblT1"))),
      LblT2(MakeLabel(this, QString(), QStringLiteral("LblT2"))),
      LblRes(MakeLabel(this, QString(), QStringLiteral("LblRes"))),
      LblWait(MakeLabel(this, QStringLiteral("Lecture de la base de données, patientez..."),
                        QStringLiteral("LblWait"))),
      LblA11(MakeLabel(this, QString(), QStringLiteral("LblA11"))),
      TimLoad(context.platform.timers.Create(QStringLiteral("TimLoad"))),
      TimCherche(context.platform.timers.Create(QStringLiteral("TimCherche"))), context_(context),
      index_(index), packedIndex_(packedIndex) {
    setObjectName(QStringLiteral("Frm11Ana"));
    setWindowTitle(QStringLiteral("Anagrammes-Tous les mots possibles"));
    setAutoFillBackground(true);
    FraOptions->setObjectName(QStringLiteral("FraOptions"));
    FraOptions->setAutoFillBackground(true);
    for (QLabel* hidden : {LblT1, LblT2, LblRes, LblWait}) {
        hidden->hide();
    }
    BuildDrawRow();
    BuildOptions();
    BuildLists();
    // The design state: no draw yet, so no search and no minimum length.
    CmdCh->setEnabled(false);
    Cbo1->setEnabled(false);
    ImgCochA[1]->hide();

    TimLoad->OnTick = [this] { TimLoadTick(); };
    TimCherche->OnTick = [this] { TimChercheTick(); };
    TimLoad->Start(kTimLoadMs);
}

Frm11Ana::~Frm11Ana() = default;

void Frm11Ana::BuildDrawRow() {
    TxtCh->setObjectName(QStringLiteral("TxtCh"));
    TxtCh->setMaxLength(kMaxDrawOnScreen);
    QFont big = TxtCh->font();
    big.setPointSize(14);
    big.setBold(true);
    TxtCh->setFont(big);
    SetBackground(TxtCh, QPalette::Base, kEmptyGrey);
    ui::Place(TxtCh, 240, 240, 3120, 480);
    connect(TxtCh, &QLineEdit::textChanged, this, &Frm11Ana::TxtChChange);

    QFont bold = LblN->font();
    bold.setBold(true);
    LblN->setFont(bold);
    LblN->setAlignment(Qt::AlignCenter);
    ui::Place(LblN, 3420, 300, 540, 360);

    CmdCh->setObjectName(QStringLiteral("CmdCh"));
    CmdCh->setToolTip(QStringLiteral("Rechercher les anagrammes"));
    CmdCh->setIcon(ui::DrawToolIcon(ui::ToolIcon::Anagrams));
    ui::Place(CmdCh, 4080, 210, 1800, 540);
    connect(CmdCh, &QPushButton::clicked, this, &Frm11Ana::CmdChClick);

    ui::Place(LblInfo, 240, 900, 5700, 360);
    // The window is disabled while it searches; its status line must still read clearly.
    QPalette status = LblInfo->palette();
    status.setColor(QPalette::Disabled, QPalette::WindowText,
                    status.color(QPalette::Active, QPalette::WindowText));
    LblInfo->setPalette(status);
}

void Frm11Ana::BuildOptions() {
    ui::Place(FraOptions, 6120, 60, 7560, 1140);
    Lbl[2] = MakeLabel(FraOptions, QStringLiteral("Mini lettres"), QStringLiteral("Lbl(2)"));
    ui::Place(Lbl[2], 240, 480, 1080, 300);
    Cbo1->setObjectName(QStringLiteral("Cbo1"));
    Cbo1->setEditable(true);
    Cbo1->setInsertPolicy(QComboBox::NoInsert);
    ui::Place(Cbo1, 1320, 420, 840, 380);

    Lbl[1] = MakeLabel(FraOptions, QStringLiteral("Lettre obligatoire"), QStringLiteral("Lbl(1)"));
    ui::Place(Lbl[1], 2520, 480, 1560, 300);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setMaxLength(1);
    Text5->setAlignment(Qt::AlignCenter);
    ui::Place(Text5, 4080, 420, 480, 380);
    connect(Text5, &QLineEdit::textChanged, this, &Frm11Ana::Text5Change);

    for (const int index : {0, 1}) {
        ImgCochA[index] = new ui::CheckImage(index == 0 ? ui::CheckPicture::EmptyBox
                                                        : ui::CheckPicture::CheckMark,
                                             QColor(0, 128, 0), FraOptions);
        ImgCochA[index]->setObjectName(QStringLiteral("ImgCochA(%1)").arg(index));
        ImgCochA[index]->move(ui::TwipsToPixels(4980, this), ui::TwipsToPixels(495, this));
        connect(ImgCochA[index], &ui::CheckImage::clicked, this,
                [this, index] { ImgCochAClick(index); });
    }
    // The joker box is reached with Tab and the space bar ticks or unticks it, as the click on
    // whichever picture is on top.
    ImgCochA[0]->setFocusPolicy(Qt::StrongFocus);
    connect(ImgCochA[0], &ui::CheckImage::spacePressed, this,
            [this] { ImgCochAClick(ImgCochA[1]->isVisible() ? 1 : 0); });
    Lbl[0] = MakeLabel(FraOptions, QStringLiteral("Ajouter un joker"), QStringLiteral("Lbl(0)"));
    ui::Place(Lbl[0], 5280, 480, 2100, 300);
}

QListView* Frm11Ana::MakeList(const QString& name, ui::WordListModel* words) {
    auto* list = new QListView(this);
    list->setObjectName(name);
    list->setModel(words);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Always there, so the width kept for it never goes to the words.
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont fixedPitch(QStringLiteral("DejaVu Sans Mono"));
    fixedPitch.setStyleHint(QFont::Monospace);
    fixedPitch.setPointSize(9);
    list->setFont(fixedPitch);
    return list;
}

void Frm11Ana::BuildLists() {
    SetBackground(LblA11, QPalette::Window, kEmptyGrey);
    LblA11->setAutoFillBackground(true);
    const int top = ui::TwipsToPixels(kListsTop, this);
    const int height = ui::TwipsToPixels(kListsHeight, this);
    const int gap = ui::TwipsToPixels(kListGap, this);
    int left = ui::TwipsToPixels(120, this);
    for (int length = kFirstLength; length <= kLastLength; ++length) {
        LstWords[length] = new ui::WordListModel(this);
        Lst[length] = MakeList(QStringLiteral("Lst(%1)").arg(length), LstWords[length]);
        const int width = ListWidth(Lst[length], length);
        Lst[length]->setGeometry(left, top, width, height);
        SetListBackground(length, kEmptyGrey);
        Nl[length] = MakeLabel(this, QString::number(length), QStringLiteral("Nl(%1)").arg(length));
        Nl[length]->setAlignment(Qt::AlignCenter);
        Nl[length]->setGeometry(left, top - ui::TwipsToPixels(330, this), width,
                                ui::TwipsToPixels(270, this));
        NR[length] = MakeLabel(this, QString(), QStringLiteral("NR(%1)").arg(length));
        NR[length]->setAlignment(Qt::AlignCenter);
        NR[length]->setGeometry(left, top + height + ui::TwipsToPixels(60, this), width,
                                ui::TwipsToPixels(300, this));
        left += width + gap;
    }
    LstAna = MakeList(QStringLiteral("LstAna"), LstAnaWords);
    const int combinedWidth = ListWidth(LstAna, kLastLength);
    LstAna->setGeometry(left + gap, top, combinedWidth, height);
    const int width = std::max(ui::TwipsToPixels(kWidth, this),
                               left + 2 * gap + combinedWidth + ui::TwipsToPixels(120, this));
    setFixedSize(width, ui::TwipsToPixels(kHeight, this));
    LblA11->setGeometry(ui::TwipsToPixels(120, this), top - ui::TwipsToPixels(360, this),
                        width - ui::TwipsToPixels(240, this), ui::TwipsToPixels(330, this));
}

void Frm11Ana::SetBackdrop(const QColor& colour) {
    SetBackground(this, QPalette::Window, colour);
    SetBackground(FraOptions, QPalette::Window, colour);
}

void Frm11Ana::SetListBackground(int length, const QColor& colour) {
    SetBackground(Lst[length], QPalette::Base, colour);
}

} // namespace zorvane::anagram
