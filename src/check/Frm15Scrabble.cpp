#include "check/Frm15Scrabble.h"

#include "check/CheckTexts.h"
#include "ui/Text.h"

namespace zorvane::check {
namespace {

constexpr int kShaWLeft = 7110;
constexpr int kShaHTop = 3600;
constexpr int kResultWidth = 6720;

const FormLook kLook{"Frm15Scrabble",
                     QStringLiteral("Vérifier si un mot est admis au jeu de scrabble"),
                     kShaWLeft,
                     kShaHTop,
                     QStringLiteral("  Vérifier "),
                     ui::ToQt(NotAdmittedText()),
                     ui::ToolIcon::Scrabble};

} // namespace

Frm15Scrabble::Frm15Scrabble(ui::ToolContext& context) : WordCheckForm(context, kLook) {
    PlaceWordRow(240);
    Place(LblD, 240, 840, kResultWidth, 285);
    Place(LblDef4, 240, 1200, kResultWidth, 285);
    PlaceResultRows(1560, 1200, kResultWidth);
    Place(LblDef3, 240, 1920, kResultWidth, 1560);
    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm15Scrabble::TxtCtrlChange);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm15Scrabble::CmdCtrlClick);
    TimCherche->OnTick = [this] { TimChercheTick(); };
}

// The definition of the last word stays until the next check.
void Frm15Scrabble::TxtCtrlChange() {
    FollowTextChange();
}

void Frm15Scrabble::CmdCtrlClick() {
    notAdmitted_ = false;
    BeginCheck();
}

void Frm15Scrabble::TimChercheTick() {
    const WordCheckResult result = RunCheck();
    ShowResult(result);
    EndCheck();
}

void Frm15Scrabble::ShowResult(const WordCheckResult& result) {
    switch (result.outcome) {
    case CheckOutcome::Found:
        LblDef3->setText(ui::ToQt(result.definition));
        if (result.admitted) {
            Lbl[2]->setText(ui::ToQt(ValidSentence(result.word)));
        } else {
            notAdmitted_ = true;
            ShowNotAdmitted();
        }
        break;
    case CheckOutcome::ExistsWithoutDefinition:
        LblDef3->setText(ui::ToQt(NoDefinitionText()));
        break;
    case CheckOutcome::NotFound:
        LblDef4->show();
        return;
    }
    if (!notAdmitted_) {
        ShowPoints(result.points);
        Lbl[2]->show();
    }
}

} // namespace zorvane::check
