#include "duplicate/ScoreSheet.h"

namespace zorvane::duplicate {

std::string DrawText(const Draw& draw) {
    if (draw.refused > 0) {
        return '-' + draw.Tiles();
    }
    return draw.kept.empty() ? draw.added : draw.kept + '+' + draw.added;
}

std::vector<SheetRow> ScoreSheet(const std::vector<Turn>& turns) {
    std::vector<SheetRow> rows;
    int playerTotal = 0;
    int topTotal = 0;
    for (const Turn& turn : turns) {
        const int playerScore = turn.player ? turn.player->score : 0;
        playerTotal += playerScore;
        topTotal += turn.top.score;
        rows.push_back({turn.number, DrawText(turn.draw),
                        turn.player ? turn.player->Text() : std::string("-"), playerScore,
                        turn.top.Text(), turn.top.score, playerTotal, topTotal});
    }
    return rows;
}

std::string PercentText(int playerTotal, int topTotal) {
    if (topTotal <= 0) {
        return "-";
    }
    // Tenths, rounded half up, in integers so that no locale or float rounding shows.
    const long long tenths = (2000LL * playerTotal + topTotal) / (2LL * topTotal);
    return std::to_string(tenths / 10) + ',' + std::to_string(tenths % 10) + " %";
}

const std::vector<std::string>& SheetColumns() {
    static const std::vector<std::string> columns = {"Coup",        "Tirage",       "Votre coup",
                                                     "Vos points",  "Top",          "Points du top",
                                                     "Votre total", "Total du top", "% du top"};
    return columns;
}

std::string SheetCsv(const std::vector<SheetRow>& rows) {
    std::string csv;
    for (const std::string& column : SheetColumns()) {
        csv += (csv.empty() ? "" : ";") + column;
    }
    csv += "\r\n";
    for (const SheetRow& row : rows) {
        csv += std::to_string(row.number) + ';' + row.draw + ';' + row.player + ';' +
               std::to_string(row.playerScore) + ';' + row.top + ';' +
               std::to_string(row.topScore) + ';' + std::to_string(row.playerTotal) + ';' +
               std::to_string(row.topTotal) + ';' + PercentText(row.playerTotal, row.topTotal) +
               "\r\n";
    }
    return csv;
}

} // namespace zorvane::duplicate
