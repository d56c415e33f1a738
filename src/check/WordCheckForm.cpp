#include "check/WordCheckForm.h"

#include "check/CheckTexts.h"
#include "check/DefinitionsFile.h"
#include "ui/Text.h"
#include "ui/ToolIcons.h"
#include "ui/ToolLook.h"
#include "ui/Twips.h"

#include <QKeyEvent>

namespace zorvane::check {
namespace {

constexpr int kShapeSize = 15;
constexpr int kShaWMargin = 90;

void SetBold(QWidget* widget, int pointSize = 0) {
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
    widget->setFont(font);
}

QFrame* MakeShape(QWidget* parent, const QString& name, int left, int top) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(name);
    shape->setGeometry(ui::TwipsRect(left, top, kShapeSize, kShapeSize, parent));
    shape->hide();
    return shape;
}

} // namespace

WordCheckForm::WordCheckForm(ui::ToolContext& context, const FormLook& look)
    : TxtCtrl(new QLineEdit(this)), CmdCtrl(new QPushButton(look.searchCaption, this)),
      LblN(MakeLabel(QStringLiteral("0"), QStringLiteral("LblN"))),
      LblD(
          MakeLabel(QStringLiteral("Entrez un mot dans la zone de texte"), QStringLiteral("LblD"))),
      LblDef3(MakeLabel(QString(), QStringLiteral("LblDef3"))),
      LblDef4(MakeLabel(ui::ToQt(NotFoundText()), QStringLiteral("LblDef4"))),
      Lbl{MakeLabel(QStringLiteral("Ce mot rapporte"), QStringLiteral("Lbl(0)")),
          MakeLabel(QStringLiteral("points au scrabble."), QStringLiteral("Lbl(1)")),
          MakeLabel(QString(), QStringLiteral("Lbl(2)"))},
      LblPts(MakeLabel(QString(), QStringLiteral("LblPts"))),
      LblValideODS(MakeLabel(look.notAdmittedNotice, QStringLiteral("LblValideODS"))),
      ImfInfo(new InfoImage(this)), ShaW(MakeShape(this, QStringLiteral("ShaW"), look.shaWLeft, 0)),
      ShaH(MakeShape(this, QStringLiteral("ShaH"), 0, look.shaHTop)),
      TimCherche(context.platform.timers.Create(QStringLiteral("TimCherche"))),
      TimCligno(context.platform.timers.Create(QStringLiteral("TimCligno"))), context_(context) {
    setObjectName(QString::fromLatin1(look.name));
    setWindowTitle(look.title);
    setFixedSize(ui::TwipsSize(look.shaWLeft + kShaWMargin, look.shaHTop, this));
    ui::SetToolLook(this);
    CmdCtrl->setIcon(ui::DrawToolIcon(look.searchIcon));

    TxtCtrl->setObjectName(QStringLiteral("TxtCtrl"));
    TxtCtrl->setMaxLength(kMaxWordLength);
    SetBold(TxtCtrl, 12);
    CmdCtrl->setObjectName(QStringLiteral("CmdCtrl"));
    CmdCtrl->setToolTip(QStringLiteral("Rechercher si un mot existe"));
    CmdCtrl->setEnabled(false);
    ImfInfo->setObjectName(QStringLiteral("ImfInfo"));

    LblN->setAlignment(Qt::AlignCenter);
    SetBold(LblN);
    SetTextColour(LblD, QColor(0x1F, 0x4E, 0x79));
    LblDef3->setWordWrap(true);
    LblDef3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBold(LblDef4);
    SetBold(LblPts);
    LblPts->setAlignment(Qt::AlignCenter);
    SetBold(Lbl[2]);
    SetTextColour(Lbl[2], QColor(0x1E, 0x84, 0x49));
    SetBold(LblValideODS);
    SetTextColour(LblValideODS, QColor(0xC0, 0x00, 0x00));
    for (QWidget* hidden : {static_cast<QWidget*>(LblDef4), static_cast<QWidget*>(LblPts),
                            static_cast<QWidget*>(LblValideODS), static_cast<QWidget*>(ImfInfo)}) {
        hidden->hide();
    }
    for (QLabel* label : Lbl) {
        label->hide();
    }

    connect(ImfInfo, &InfoImage::clicked, this, &WordCheckForm::ImfInfoClick);
    TimCligno->OnTick = [this] { TimClignoTick(); };
}

void WordCheckForm::Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(ui::TwipsRect(left, top, width, height, widget));
}

void WordCheckForm::SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel* WordCheckForm::MakeLabel(const QString& text, const QString& name) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    return label;
}

void WordCheckForm::PlaceWordRow(int top) {
    Place(TxtCtrl, 240, top, 2880, 450);
    Place(LblN, 3180, top + 60, 420, 330);
    Place(CmdCtrl, 3660, top - 30, 1740, 510);
}

void WordCheckForm::PlaceResultRows(int pointsTop, int admissionTop, int width) {
    Place(Lbl[0], 240, pointsTop, 1560, 285);
    Place(LblPts, 1800, pointsTop, 390, 285);
    Place(Lbl[1], 2220, pointsTop, width - 1980, 285);
    Place(Lbl[2], 240, admissionTop, width, 285);
    Place(ImfInfo, 240, admissionTop - 45, 375, 375);
    Place(LblValideODS, 690, admissionTop, width - 450, 285);
}

void WordCheckForm::FollowTextChange() {
    const qsizetype length = TxtCtrl->text().size();
    LblN->setText(QString::number(length));
    const bool searchable = length >= 2;
    CmdCtrl->setEnabled(searchable);
    CmdCtrl->setDefault(searchable);
    HideLastResult();
}

void WordCheckForm::BeginCheck() {
    context_.platform.pointer.SetBusy(true);
    LblDef3->clear();
    HideLastResult();
    LblD->setText(QStringLiteral("Recherche en cours, patientez..."));
    LblD->show();
    TimCherche->Start(kTimChercheMs);
}

// An information picture or a notice left from the last word would speak of the new one.
void WordCheckForm::HideLastResult() {
    LblDef4->hide();
    LblPts->clear();
    LblPts->hide();
    for (QLabel* label : Lbl) {
        label->hide();
    }
    Lbl[2]->clear();
    StopBlinking();
    LblValideODS->hide();
    ImfInfo->hide();
}

WordCheckResult WordCheckForm::RunCheck() {
    TimCherche->Stop();
    setEnabled(false);
    const CheckSources sources{context_.store.ListeDico, context_.values.FichierDefinitions,
                               context_.values.LongMaxDefinition};
    WordCheckResult result = CheckWord(ui::FromQt(TxtCtrl->text()), sources);
    // The missing file is told before the result is drawn.
    if (result.errorNumber == kFileNotFound) {
        Tell(ui::ToQt(DefinitionsFileMessage(kFileNotFound)));
    }
    return result;
}

void WordCheckForm::ShowPoints(int points) {
    LblPts->setText(QString::number(points));
    Lbl[0]->show();
    LblPts->show();
    Lbl[1]->show();
}

void WordCheckForm::ShowNotAdmitted() {
    Lbl[2]->clear();
    Lbl[2]->hide();
    ImfInfo->show();
    blinkCount_ = 0;
    TimCligno->Start(kTimClignoMs);
}

void WordCheckForm::EndCheck() {
    setEnabled(true);
    context_.platform.pointer.SetBusy(false);
    LblD->hide();
    // Disabling the window took the focus away: give it back with the word selected, so that
    // the next word is typed over it.
    TxtCtrl->setFocus();
    TxtCtrl->selectAll();
}

void WordCheckForm::StopBlinking() {
    TimCligno->Stop();
    blinkCount_ = 0;
}

// The notice shows, goes, shows, goes, and stays from the fifth tick on.
void WordCheckForm::TimClignoTick() {
    Lbl[2]->hide();
    ++blinkCount_;
    if (blinkCount_ < kBlinkTicks) {
        LblValideODS->setHidden(!LblValideODS->isHidden());
        TimCligno->Start(kTimClignoMs);
        return;
    }
    StopBlinking();
    LblValideODS->show();
}

void WordCheckForm::ImfInfoClick() {
    Tell(ui::ToQt(NotAdmittedInformation(ui::FromQt(TxtCtrl->text()))));
}

int WordCheckForm::Tell(const QString& text) {
    return context_.platform.boxes.Show(text, ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                        ui::Icon::Information);
}

void WordCheckForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && CmdCtrl->isEnabled() && CmdCtrl->isDefault()) {
        CmdCtrl->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zorvane::check
