#include "crossword/LengthTable.h"

namespace zorvane::crossword {

std::string_view WordOf(std::string_view entry) {
    return entry.substr(0, entry.find('\0'));
}

LengthTable FillLengthTable(const std::vector<std::string>& ListeAna) {
    LengthTable table{};
    table.DebLongueur.fill(1);
    for (std::size_t position = 1; position <= ListeAna.size(); ++position) {
        const std::size_t length = WordOf(ListeAna[position - 1]).size();
        if (length > kLongestWord) {
            continue;
        }
        if (table.FinLongueur[length] == 0) {
            table.DebLongueur[length] = position;
        }
        table.FinLongueur[length] = position;
    }
    return table;
}

} // namespace zorvane::crossword
