// The game window's files: a game saved as text and opened again (replayed from its seed),
// the score sheet exported as CSV, and the question before a game not saved goes.

#include "duplicate/FrmDuplicate.h"
#include "duplicate/ScoreSheet.h"
#include "ui/Text.h"

#include <QFile>
#include <QSaveFile>

namespace zorvane::duplicate {
namespace {

const QString kGameFiles = QStringLiteral("Parties de duplicate (*.txt);;Tous les fichiers (*)");
const QString kSheetFiles = QStringLiteral("Feuilles de marque (*.csv)");
constexpr qint64 kLargestGameFile = 1 << 20; // a game of 30 moves is under 3 KB

} // namespace

bool FrmDuplicate::MayLeaveGame() {
    if (!game_ || saved_) {
        return true;
    }
    const int answer =
        Ask(QString(15, QLatin1Char(' ')) + QStringLiteral("Enregistrer la partie en cours ?"),
            ui::Buttons::YesNo, ui::Icon::None);
    return answer == ui::kAnswerNo || SaveClick();
}

bool FrmDuplicate::WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    Ask(QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()),
        ui::Buttons::Ok, ui::Icon::Exclamation);
    return false;
}

bool FrmDuplicate::SaveClick() {
    if (!game_) {
        return true;
    }
    if (path_.isEmpty()) {
        const auto chosen =
            files_.ToSave(QStringLiteral("Enregistrer la partie"),
                          QStringLiteral("partie-%1.txt").arg(game_->Seed()), kGameFiles);
        if (!chosen) {
            return false;
        }
        path_ = *chosen;
    }
    if (!WriteFile(path_, QByteArray::fromStdString(game_->SavedText()))) {
        path_.clear();
        return false;
    }
    saved_ = true;
    return true;
}

void FrmDuplicate::ExportClick() {
    if (!game_) {
        return;
    }
    const auto chosen =
        files_.ToSave(QStringLiteral("Exporter la feuille de marque"),
                      QStringLiteral("feuille-%1.csv").arg(game_->Seed()), kSheetFiles);
    if (chosen) {
        // Windows-1252 bytes, as a French spreadsheet reads a CSV file by default.
        WriteFile(*chosen, QByteArray::fromStdString(SheetCsv(ScoreSheet(game_->Turns()))));
    }
}

void FrmDuplicate::OpenClick() {
    if (!MayLeaveGame()) {
        return;
    }
    if (const auto chosen = files_.ToOpen(QStringLiteral("Ouvrir une partie"), kGameFiles)) {
        OpenFile(*chosen);
    }
}

bool FrmDuplicate::OpenFile(const QString& path) {
    if (words_ == nullptr) {
        openWhenLoaded_ = path;
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestGameFile) {
        Ask(QStringLiteral("Impossible de lire la partie %1 : %2")
                .arg(path, file.isOpen() ? QStringLiteral("le fichier est trop grand.")
                                         : file.errorString()),
            ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    const QByteArray bytes = file.readAll();
    const GameTextResult read = ReadGameText(bytes.toStdString());
    std::string error = read.error;
    if (read.game) {
        ReplayResult replayed = ReplayGame(*words_, *read.game);
        if (replayed.game) {
            TimCompte->Stop();
            StartGame(std::make_unique<DuplicateGame>(std::move(*replayed.game)));
            path_ = path;
            saved_ = true;
            return true;
        }
        error = replayed.error;
    }
    Ask(QStringLiteral("La partie %1 ne peut pas être ouverte.\r\n").arg(path) + ui::ToQt(error),
        ui::Buttons::Ok, ui::Icon::Exclamation);
    return false;
}

} // namespace zorvane::duplicate
