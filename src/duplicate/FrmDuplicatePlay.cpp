// The play of the game window: a new game, each draw with its countdown, the move typed and
// proposed, the move closed (by "Valider" or the time) with the top played and the best
// moves listed, the score sheet.

#include "duplicate/FrmAnalyse.h"
#include "duplicate/FrmDuplicate.h"
#include "duplicate/ScoreSheet.h"
#include "ui/Text.h"

namespace zorvane::duplicate {
namespace {

constexpr int kTickMs = 1000;
constexpr int kHurrySeconds = 30; // the countdown turns red

QString MoveText(const board::Move& move) {
    return ui::ToQt(board::WritePlacement(move.placement) + ' ' + move.word);
}

QString Points(int score) {
    return score == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(score);
}

// "1er", "2e", "37e".
QString Ordinal(int rank) {
    return rank == 1 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(rank);
}

void SetColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

void FrmDuplicate::NewGameClick() {
    if (!MayLeaveGame()) {
        return;
    }
    bool typed = false;
    const std::uint32_t seed = TxtGraine->text().trimmed().toUInt(&typed);
    if (!TxtGraine->text().trimmed().isEmpty() && !typed) {
        Ask(QStringLiteral("La graine est un nombre entier, de 0 à 4294967295 : « %1 » n'en est "
                           "pas un.")
                .arg(TxtGraine->text()),
            ui::Buttons::Ok, ui::Icon::Exclamation);
        TxtGraine->setFocus();
        return;
    }
    path_.clear();
    StartGame(std::make_unique<DuplicateGame>(*words_, typed ? seed : NewSeed()));
    saved_ = false;
}

void FrmDuplicate::StartGame(std::unique_ptr<DuplicateGame> game) {
    game_ = std::move(game);
    TxtGraine->clear();
    LstTops->clear();
    PicPlateau->MarkLastMove(std::nullopt);
    ShowSheet();
    ShowDraw();
}

// The draw waiting for a move goes on the screen and its countdown starts; or the game's end.
void FrmDuplicate::ShowDraw() {
    PicPlateau->SetPosition(game_->Board());
    PicPlateau->ShowMove(std::nullopt, TileLook::Typed);
    proposed_.reset();
    TxtCoup->clear();
    ShowHint();
    if (game_->Over()) {
        SetPlaying(false);
        PicTirage->SetDraw({});
        ShowGameLine();
        LblTemps->clear();
        const auto rows = ScoreSheet(game_->Turns());
        const int player = rows.empty() ? 0 : rows.back().playerTotal;
        const int top = rows.empty() ? 0 : rows.back().topTotal;
        Ask(ui::ToQt(game_->EndReason()) +
                QStringLiteral("\r\nVous avez marqué %1 sur %2 (%3 du top).")
                    .arg(Points(player), Points(top), ui::ToQt(PercentText(player, top))),
            ui::Buttons::Ok, ui::Icon::Information);
        return;
    }
    const Draw& draw = *game_->CurrentDraw();
    if (analyse_) {
        analyse_->hide(); // no help while a move is played
    }
    PicTirage->SetDraw(draw);
    LblTirage->setText(QStringLiteral("Tirage : ") + ui::ToQt(DrawText(draw)));
    PicPlateau->SetTyping(true, draw.Tiles());
    LblPropose->setText(QStringLiteral("Aucun coup proposé."));
    secondsLeft_ = MoveSeconds();
    SetPlaying(true);
    ShowGameLine();
    ShowTime();
    TimCompte->Start(kTickMs);
    PicPlateau->setFocus();
}

void FrmDuplicate::ShowGameLine() {
    if (!game_) {
        LblPartie->setText(QStringLiteral("Pas de partie en cours : tapez une graine ou laissez-la "
                                          "vide, puis Entrée (Ctrl+N)."));
        return;
    }
    QString line = QStringLiteral("Partie %1, coup %2").arg(game_->Seed()).arg(game_->MoveNumber());
    if (game_->Over()) {
        line =
            QStringLiteral("Partie %1 : %2").arg(game_->Seed()).arg(ui::ToQt(game_->EndReason()));
    } else if (!moveOpen_) {
        line = QStringLiteral("Partie %1, coup %2 terminé")
                   .arg(game_->Seed())
                   .arg(game_->MoveNumber() - 1);
    }
    LblPartie->setText(line);
}

void FrmDuplicate::SetPlaying(bool playing) {
    moveOpen_ = playing;
    const bool waiting = game_ && !playing && !game_->Over();
    TxtCoup->setEnabled(playing);
    CmdProposer->setEnabled(playing);
    CmdValider->setEnabled(playing);
    CmdSuivant->setEnabled(waiting);
    CmdSuivant->setDefault(waiting);
    CmdEnregistrer->setEnabled(game_ != nullptr);
    CmdAnalyse->setEnabled(!playing);
    CmdExporter->setEnabled(game_ != nullptr && !game_->Turns().empty());
    if (!playing) {
        PicPlateau->SetTyping(false, {});
    }
}

void FrmDuplicate::ShowTime() {
    LblTemps->setText(QStringLiteral("%1:%2")
                          .arg(secondsLeft_ / 60)
                          .arg(secondsLeft_ % 60, 2, 10, QLatin1Char('0')));
    SetColour(LblTemps, secondsLeft_ <= kHurrySeconds ? QColor(198, 40, 40) : QColor(0, 0, 0));
}

void FrmDuplicate::TimCompteTick() {
    secondsLeft_ = std::max(0, secondsLeft_ - 1);
    ShowTime();
    if (secondsLeft_ == 0) {
        ValiderClick();
        return;
    }
    TimCompte->Start(kTickMs);
}

// What the typed move is worth, or what is wrong with it, before it is proposed.
void FrmDuplicate::EntryChanged() {
    const QString entry = TxtCoup->text().trimmed();
    if (entry.isEmpty()) {
        ShowHint();
        PicPlateau->ShowMove(std::nullopt, TileLook::Typed);
        return;
    }
    const CheckedMove checked = game_->Check(ui::FromQt(entry));
    PicPlateau->ShowMove(checked.move.word.empty() ? std::nullopt : std::optional(checked.move),
                         TileLook::Typed);
    if (checked.Legal()) {
        LblPoints->setText(MoveText(checked.move) + QStringLiteral(" : ") +
                           Points(checked.move.score));
        SetColour(LblPoints, QColor(0, 100, 0));
    } else {
        LblPoints->setText(ui::ToQt(checked.error));
        SetColour(LblPoints, QColor(150, 30, 30));
    }
}

// Where the points of a move show, how to write one while none is typed.
void FrmDuplicate::ShowHint() {
    LblPoints->setText(game_->Over()
                           ? QString()
                           : QStringLiteral("Tapez le coup sur le plateau (flèches, lettres, "
                                            "Espace pour le sens) ou ci-dessus, puis "
                                            "Entrée pour le proposer."));
    SetColour(LblPoints, QColor(90, 90, 90));
}

void FrmDuplicate::BoardEntryChanged(const QString& entry) {
    TxtCoup->setText(entry);
    EntryChanged();
}

void FrmDuplicate::ProposeClick() {
    if (!moveOpen_) {
        return;
    }
    const CheckedMove checked = game_->Check(ui::FromQt(TxtCoup->text().trimmed()));
    if (!checked.Legal()) {
        Ask(ui::ToQt(checked.error), ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    proposed_ = checked.move;
    LblPropose->setText(QStringLiteral("Coup proposé : ") + MoveText(checked.move) +
                        QStringLiteral(", ") + Points(checked.move.score) + '.');
}

void FrmDuplicate::ValiderClick() {
    if (!moveOpen_) {
        return;
    }
    TimCompte->Stop();
    const std::vector<board::Move> ranked = game_->Moves();
    const board::Move& top = ranked.front();
    const std::optional<board::Move> player = proposed_;
    studied_ = game_->Board();
    studiedDraw_ = game_->CurrentDraw()->Tiles();
    game_->Close(player);
    saved_ = false;
    SetPlaying(false);
    PicPlateau->SetPosition(game_->Board());
    PicPlateau->ShowMove(std::nullopt, TileLook::Typed);
    PicPlateau->MarkLastMove(top);
    ShowTops(ranked, player);
    ShowSheet();
    LblTemps->clear();
    LblPropose->setText(player ? QStringLiteral("Votre coup : %1 sur %2.")
                                     .arg(Ordinal(RankOf(ranked, player->score)))
                                     .arg(ranked.size())
                               : QStringLiteral("Aucun coup proposé : 0 point."));
    if (game_->Over()) {
        ShowDraw();
        return;
    }
    ShowGameLine();
    CmdSuivant->setFocus();
}

void FrmDuplicate::SuivantClick() {
    if (game_ && !moveOpen_ && !game_->Over()) {
        PicPlateau->MarkLastMove(std::nullopt);
        ShowDraw();
    }
}

// The best moves of the move just closed, the player's marked; his rank when it is lower.
void FrmDuplicate::ShowTops(const std::vector<board::Move>& ranked,
                            const std::optional<board::Move>& player) {
    LstTops->clear();
    const QString mark = QStringLiteral("   ◄ votre coup");
    bool marked = false;
    for (std::size_t i = 0; i < ranked.size() && i < static_cast<std::size_t>(kTopsShown); ++i) {
        const bool mine =
            player && ranked[i].placement == player->placement && ranked[i].word == player->word;
        marked = marked || mine;
        LstTops->addItem(QStringLiteral("%1. %2 : %3")
                             .arg(i + 1)
                             .arg(MoveText(ranked[i]), Points(ranked[i].score)) +
                         (mine ? mark : QString()));
        if (mine || i == 0) {
            QListWidgetItem* item = LstTops->item(LstTops->count() - 1);
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
        }
    }
    if (player && !marked) {
        LstTops->addItem(QStringLiteral("%1. %2 : %3")
                             .arg(RankOf(ranked, player->score))
                             .arg(MoveText(*player), Points(player->score)) +
                         mark);
    }
    // The list stays up while the next draw is played: its title says which move it was.
    LblTops->setText(QStringLiteral("Meilleurs coups du coup %1 (%2 possibles) :")
                         .arg(game_->Turns().size())
                         .arg(ranked.size()));
}

void FrmDuplicate::ShowSheet() {
    const std::vector<SheetRow> rows = ScoreSheet(game_->Turns());
    GrdFeuille->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SheetRow& row = rows[static_cast<std::size_t>(r)];
        const QStringList cells = {QString::number(row.number),
                                   ui::ToQt(row.draw),
                                   ui::ToQt(row.player),
                                   QString::number(row.playerScore),
                                   ui::ToQt(row.top),
                                   QString::number(row.topScore),
                                   QString::number(row.playerTotal),
                                   QString::number(row.topTotal),
                                   ui::ToQt(PercentText(row.playerTotal, row.topTotal))};
        for (int c = 0; c < cells.size(); ++c) {
            GrdFeuille->setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    }
    if (!rows.empty()) {
        GrdFeuille->scrollToBottom();
    }
    LblTotal->setText(
        rows.empty()
            ? QString()
            : QStringLiteral("Total : %1 sur %2, %3 du top")
                  .arg(Points(rows.back().playerTotal), Points(rows.back().topTotal),
                       ui::ToQt(PercentText(rows.back().playerTotal, rows.back().topTotal))));
}

} // namespace zorvane::duplicate
