#include "check/Frm10Dico.h"

#include "check/CheckTexts.h"
#include "data/WordLetters.h"
#include "ui/Text.h"
#include "ui/WindowDrag.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace zorvane::check {
namespace {

constexpr int kShaWLeft = 9210;
constexpr int kShaHTop = 4980;
constexpr int kResultWidth = 8820;
const QColor kCopyPossible(0, 0, 0);
const QColor kCopyImpossible(0xC0, 0xC0, 0xC0);

const FormLook kLook{"Frm10Dico",
                     QStringLiteral("Le dictionnaire"),
                     kShaWLeft,
                     kShaHTop,
                     QStringLiteral(" Rechercher"),
                     ui::ToQt(ExistsNotAdmittedText()),
                     ui::ToolIcon::Dictionary};

bool IsWordLetter(QChar c) {
    return data::IsWordLetter(c.unicode());
}

// What the box keeps of a text that did not come through the keyboard.
QString LettersOnly(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (IsWordLetter(c)) {
            kept.append(c);
        }
    }
    return kept;
}

// Two sheets, one over the other.
QIcon CopyIcon() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x2C, 0x3E, 0x50), 1.5));
    painter.setBrush(QColor(0xEC, 0xF0, 0xF1));
    painter.drawRoundedRect(QRectF(3.5, 2.5, 12, 15), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(8.5, 6.5, 12, 15), 2, 2);
    return QIcon(pixmap);
}

} // namespace

Frm10Dico::Frm10Dico(ui::ToolContext& context)
    : WordCheckForm(context, kLook), LblA(MakeLabel(QString(), QStringLiteral("LblA"))),
      LblDef1(MakeLabel(QString(), QStringLiteral("LblDef1"))),
      LblDef2(MakeLabel(QString(), QStringLiteral("LblDef2"))), CmdCop(new QPushButton(this)),
      LblCop1(
          MakeLabel(QStringLiteral("Copier le mot et sa définition"), QStringLiteral("LblCop1"))),
      LblCop2(MakeLabel(QStringLiteral("dans le presse-papier."), QStringLiteral("LblCop2"))) {
    BuildControls();
    LblA->setText(QStringLiteral("Dictionnaire %1 mots de 2 à 15 lettres, avec définitions.")
                      .arg(context.values.NbMotsDico));
    AllowCopy(false);
    TimCherche->OnTick = [this] { TimChercheTick(); };
}

void Frm10Dico::BuildControls() {
    QFont heading = LblA->font();
    heading.setBold(true);
    LblA->setFont(heading);
    Place(LblA, 240, 150, kResultWidth, 300);
    PlaceWordRow(570);
    CmdCop->setObjectName(QStringLiteral("CmdCop"));
    CmdCop->setToolTip(QStringLiteral("Copier dans le presse-papier"));
    CmdCop->setIcon(CopyIcon());
    Place(CmdCop, 5700, 540, 510, 510);
    Place(LblCop1, 6300, 555, 2760, 255);
    Place(LblCop2, 6300, 810, 2760, 255);

    Place(LblD, 240, 1170, kResultWidth, 285);
    QFont word = LblDef1->font();
    word.setBold(true);
    word.setPointSize(11);
    LblDef1->setFont(word);
    Place(LblDef1, 240, 1530, kResultWidth, 360);
    Place(LblDef4, 240, 1530, kResultWidth, 360); // in the place of LblDef1
    QFont category = LblDef2->font();
    category.setItalic(true);
    LblDef2->setFont(category);
    Place(LblDef2, 240, 1920, kResultWidth, 285);
    Place(LblDef3, 240, 2250, kResultWidth, 1800);
    PlaceResultRows(4140, 4530, kResultWidth);

    TxtCtrl->installEventFilter(this);
    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm10Dico::TxtCtrlChange);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm10Dico::CmdCtrlClick);
    connect(CmdCop, &QPushButton::clicked, this, &Frm10Dico::CmdCopClick);
    for (QWidget* handle : {static_cast<QWidget*>(this), static_cast<QWidget*>(LblA),
                            static_cast<QWidget*>(LblDef1), static_cast<QWidget*>(LblDef2),
                            static_cast<QWidget*>(LblDef3), static_cast<QWidget*>(LblDef4)}) {
        ui::MoveWindowByDragging(handle, this);
    }
}

bool Frm10Dico::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TxtCtrl && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        const bool control = typed.isEmpty() || typed.front().unicode() < 32;
        if (!control && !std::all_of(typed.begin(), typed.end(), IsWordLetter)) {
            RefuseCharacter();
            return true;
        }
    } else if (watched == TxtCtrl && event->type() == QEvent::FocusOut) {
        CmdCtrl->setDefault(false);
    }
    return WordCheckForm::eventFilter(watched, event);
}

void Frm10Dico::RefuseCharacter() {
    Tell(QStringLiteral("Caractère non valide.\r\n"
                        "Seules les lettres de A à Z, sans accent, sont acceptées."));
}

void Frm10Dico::TxtCtrlChange() {
    const QString kept = LettersOnly(TxtCtrl->text());
    if (kept != TxtCtrl->text()) {
        TxtCtrl->setText(kept); // the nested change follows the kept text
        RefuseCharacter();
        return;
    }
    FollowTextChange();
    ClearDefinition();
    AllowCopy(false);
}

void Frm10Dico::CmdCtrlClick() {
    AllowCopy(false);
    ClearDefinition();
    BeginCheck();
}

void Frm10Dico::TimChercheTick() {
    const WordCheckResult result = RunCheck();
    SetTextColour(TxtCtrl, Qt::black);
    ShowResult(result);
    EndCheck();
}

void Frm10Dico::ShowResult(const WordCheckResult& result) {
    switch (result.outcome) {
    case CheckOutcome::Found:
        LblDef1->setText(ui::ToQt(result.word));
        LblDef2->setText(ui::ToQt(result.categoryLabel));
        LblDef3->setText(ui::ToQt(result.definition));
        if (result.admitted) {
            Lbl[2]->setText(ui::ToQt(ValidSentence(result.word)));
            Lbl[2]->show();
        } else {
            ShowNotAdmitted();
        }
        AllowCopy(result.copyAllowed);
        ShowPoints(result.points);
        break;
    case CheckOutcome::ExistsWithoutDefinition:
        LblDef1->setText(ui::ToQt(ExistsText()));
        LblDef3->setText(ui::ToQt(NoDefinitionText()));
        ShowPoints(result.points);
        break;
    case CheckOutcome::NotFound:
        LblDef1->hide();
        LblDef4->show();
        break;
    }
    shown_ = result;
}

void Frm10Dico::CmdCopClick() {
    TxtCtrl->setFocus();
    context_.platform.clipboard.Clear();
    if (shown_) {
        context_.platform.clipboard.SetText(
            ui::ToQt(CopiedText(*shown_, context_.values.VersionAppli)));
    }
    ++copyCount_;
    if (copyCount_ == 1) {
        Tell(QStringLiteral("Le mot et sa définition ont été copiés dans le presse-papier."));
    }
}

void Frm10Dico::ClearDefinition() {
    LblDef1->clear();
    LblDef2->clear();
    LblDef3->clear();
    LblDef1->show();
    LblDef4->hide();
    shown_.reset();
}

void Frm10Dico::AllowCopy(bool allowed) {
    CmdCop->setEnabled(allowed);
    const QColor colour = allowed ? kCopyPossible : kCopyImpossible;
    SetTextColour(LblCop1, colour);
    SetTextColour(LblCop2, colour);
}

} // namespace zorvane::check
