#include "anagram/Frm11Ana.h"

#include "anagram/AnagramSearch.h"
#include "anagram/Frm11AnaLook.h"
#include "anagram/InputFilter.h"
#include "anagram/PackedIndex.h"
#include "anagram/SearchReport.h"
#include "data/Cp1252.h"
#include "ui/Text.h"

#include <QKeyEvent>
#include <QStringList>
#include <algorithm>
#include <initializer_list>

namespace zorvane::anagram {
namespace {

using look::kEmptyGrey;
using look::kMaxDrawOnScreen;
using look::kSearchingGrey;
using look::kWhite;

constexpr int kTimChercheMs = 500;
constexpr int kLongDraw = 11; // beyond it, a draw with a joker needs a confirmation

// Typed or pasted text as the filters see it. A character that cp1252 cannot hold is
// refused like any other, rather than turned into "?" (which would be the joker).
std::string TypedBytes(const QString& text) {
    std::string bytes;
    for (const char32_t code : text.toUcs4()) {
        const int byte = cp1252::FromUnicode(code);
        bytes.push_back(byte < 0 ? '\x7F' : static_cast<char>(byte));
    }
    return bytes;
}

QString HourText(const QTime& time) {
    return time.toString(QStringLiteral("hh:mm:ss"));
}

QString Lines(std::initializer_list<const char*> lines) {
    QStringList texts;
    for (const char* line : lines) {
        texts << QString::fromUtf8(line);
    }
    return texts.join(QStringLiteral("\r\n"));
}

} // namespace

void Frm11Ana::TimLoadTick() {
    TimLoad->Stop();
    SetBackdrop(kWhite);
    TxtCh->setFocus();
}

void Frm11Ana::TxtChChange() {
    const QString kept = ui::ToQt(FiltreSaisie(TypedBytes(TxtCh->text()), kLettresTirage));
    if (kept != TxtCh->text()) {
        TxtCh->setText(kept); // filtered again, and the window follows, in the nested change
        return;
    }
    TxtCh->setCursorPosition(static_cast<int>(kept.size()));
    TxtCh->setFocus();
    const bool searchable = kept.size() > 1;
    CmdCh->setEnabled(searchable);
    CmdCh->setDefault(searchable);
    const bool joker = kept.contains(QLatin1Char(kJoker));
    ImgCochA[1]->setVisible(joker);
    Lbl[0]->setText(joker ? QStringLiteral("Supprimer le joker")
                          : QStringLiteral("Ajouter un joker"));
    LblN->setText(QString::number(kept.size()));
    // Every change of the draw sets the minimum length back to 2.
    Cbo1->clear();
    Cbo1->setEnabled(searchable);
    if (searchable) {
        for (int length = kFirstLength; length <= kept.size(); ++length) {
            Cbo1->addItem(QString::number(length));
        }
        Cbo1->setEditText(QStringLiteral("2"));
    }
}

void Frm11Ana::ImgCochAClick(int index) {
    const QString draw = TxtCh->text();
    if (index == 1) {
        ImgCochA[1]->hide();
        if (const qsizetype joker = draw.indexOf(QLatin1Char(kJoker)); joker >= 0) {
            TxtCh->setText(QString(draw).remove(joker, 1));
        }
        Lbl[0]->setText(QStringLiteral("Ajouter un joker"));
        return;
    }
    if (draw.size() == kMaxDrawOnScreen) {
        Ask(Lines({"Le mot recherché compte 12 caractères,", "impossible de rajouter un joker.",
                   "Modifier votre recherche."}),
            ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    ImgCochA[1]->show();
    if (!draw.contains(QLatin1Char(kJoker))) {
        TxtCh->setText(draw + QLatin1Char(kJoker));
    }
    Lbl[0]->setText(QStringLiteral("Supprimer le joker"));
}

void Frm11Ana::Text5Change() {
    const QString kept = ui::ToQt(FiltreSaisie(TypedBytes(Text5->text()), kLettresObligatoires));
    if (kept != Text5->text()) {
        Text5->setText(kept);
    }
    Text5->setCursorPosition(static_cast<int>(Text5->text().size()));
}

void Frm11Ana::CmdChClick() {
    const QString draw = TxtCh->text();
    if (draw.contains(QLatin1Char(kJoker)) && draw.size() > kLongDraw) {
        const int answer = Ask(
            Lines({"Attention, la recherche contient un mot de plus de 11",
                   "lettres avec un joker, la recherche risque d'être",
                   "fortement  ralentie, elle  peut  éventuellement",
                   "entraîner un blocage du programme.", "", "Voulez-vous quand même continuer ?"}),
            ui::Buttons::YesNoDefaultNo, ui::Icon::Exclamation);
        if (answer == ui::kAnswerNo) {
            LblInfo->clear();
            TxtCh->setFocus();
            return;
        }
    }
    context_.platform.pointer.SetBusy(true);
    LblInfo->setText(QStringLiteral("Recherche en cours..."));
    SetBackdrop(kSearchingGrey);
    setEnabled(false);
    LblT1->setText(HourText(Clock()));
    for (int length = kFirstLength; length <= kLastLength; ++length) {
        LstWords[length]->SetWords({});
        SetListBackground(length, kWhite);
    }
    LstAnaWords->SetWords({});
    TimCherche->Start(kTimChercheMs);
}

void Frm11Ana::TimChercheTick() {
    TimCherche->Stop();
    const std::string draw = TypedBytes(TxtCh->text());
    const std::string minimum = TypedBytes(Cbo1->currentText());
    const std::string mandatory = TypedBytes(Text5->text());
    const AnagramResult result =
        ChercheAnagrammes(packedIndex_.Of(index_), draw, minimum, mandatory);
    QString withoutBlanks = TxtCh->text();
    withoutBlanks.remove(QLatin1Char(' '));
    if (withoutBlanks != TxtCh->text()) {
        TxtCh->setText(withoutBlanks);
    }
    if (result.refused) {
        Ask(ui::ToQt(UnSeulJokerMessage()), ui::Buttons::Ok, ui::Icon::Exclamation);
        for (int length = kFirstLength; length <= kLastLength; ++length) {
            SetListBackground(length, kEmptyGrey);
        }
        LblInfo->clear();
        LeaveSearching();
        return;
    }
    ShowResults(result);
    LblT2->setText(HourText(Clock()));
    LblRes->setText(ui::ToQt(DureeRecherche(ui::FromQt(LblT1->text()), ui::FromQt(LblT2->text()))));
    LblInfo->setText(
        ui::ToQt(TexteRapport(LstAnaWords->Words().size(), ui::FromQt(LblRes->text()))));
    for (int length = kFirstLength; length <= kLastLength; ++length) {
        const std::size_t count = LstWords[length]->Words().size();
        if (count == 0) {
            SetListBackground(length, kEmptyGrey);
        }
        NR[length]->setText(QString::number(count));
    }
    LeaveSearching();
}

void Frm11Ana::ShowResults(const AnagramResult& result) {
    LstAnaWords->SetWords({result.combined.begin(), result.combined.end()});
    for (int length = kFirstLength; length <= kLastLength; ++length) {
        // Each length list keeps its words in alphabetical order.
        std::vector<std::string> words(result.byLength[length].begin(),
                                       result.byLength[length].end());
        std::sort(words.begin(), words.end());
        LstWords[length]->SetWords(std::move(words));
    }
}

void Frm11Ana::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && CmdCh->isEnabled() && CmdCh->isDefault()) {
        CmdCh->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Frm11Ana::LeaveSearching() {
    setEnabled(true);
    SetBackdrop(kWhite);
    context_.platform.pointer.SetBusy(false);
    // Disabling the window took the focus away: the draw box gets it back, selected, so that
    // the next draw is typed over the last one.
    TxtCh->setFocus();
    TxtCh->selectAll();
}

int Frm11Ana::Ask(const QString& text, ui::Buttons buttons, ui::Icon icon) {
    const int answer =
        context_.platform.boxes.Show(text, ui::ToQt(context_.values.TitreAppli), buttons, icon);
    if (buttons != ui::Buttons::Ok) {
        context_.values.Reponse = static_cast<std::int16_t>(answer);
    }
    return answer;
}

} // namespace zorvane::anagram
