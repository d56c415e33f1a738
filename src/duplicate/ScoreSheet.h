#pragma once
// The score sheet of a game: per move the draw, the player's move and score, the top and
// its score, the running totals and the player's share of the top; and its CSV form.

#include "duplicate/Turn.h"

#include <string>
#include <vector>

namespace zorvane::duplicate {

struct SheetRow {
    int number = 0;
    std::string draw;
    std::string player; // "-" when the player proposed nothing
    int playerScore = 0;
    std::string top;
    int topScore = 0;
    int playerTotal = 0;
    int topTotal = 0;
};

std::vector<SheetRow> ScoreSheet(const std::vector<Turn>& turns);

// The player's total as a share of the top's, "87,5 %" (one decimal, French comma); "-"
// before any point of the top.
std::string PercentText(int playerTotal, int topTotal);

// The column titles of the sheet, shared by the window and the CSV file (cp1252).
const std::vector<std::string>& SheetColumns();

// The sheet as CSV for a French spreadsheet: ";" between fields, CR LF, a title line.
std::string SheetCsv(const std::vector<SheetRow>& rows);

} // namespace zorvane::duplicate
