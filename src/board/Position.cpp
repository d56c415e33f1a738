#include "board/Position.h"

#include "board/Draw.h"
#include "data/Cp1252Literal.h"

#include <vector>

namespace zorvane::board {
namespace {

constexpr std::string_view kLineCount =
    "La position doit compter 15 lignes de 15 caractères ; le texte en compte "_cp;
constexpr std::string_view kLineLength = " caractères au lieu de 15."_cp;
constexpr std::string_view kBadSquare =
    " n'a pas sa place dans une position : « . » pour une case vide, une lettre A-Z pour une tuile, a-z pour un joker."_cp;

bool IsSquareText(char c) {
    return c == kEmpty || IsLetterTile(c) || IsJokerTile(c);
}

// The character as the message shows it: itself between quotes when it prints, its code
// otherwise.
std::string Shown(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || code == 127) {
        return std::string("Le caractère de code "_cp) + std::to_string(code);
    }
    return std::string("Le caractère « "_cp) + c + std::string(" »"_cp);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    while (lines.size() > kSize && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

PositionRead Refused(std::string error) {
    return {std::nullopt, std::move(error)};
}

} // namespace

bool Position::IsBlank() const {
    return TileCount() == 0;
}

int Position::TileCount() const {
    int count = 0;
    for (const char square : squares_) {
        count += square != kEmpty ? 1 : 0;
    }
    return count;
}

PositionRead ReadPosition(std::string_view text) {
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.size() != kSize) {
        return Refused(std::string(kLineCount) + std::to_string(lines.size()) + ".");
    }
    Position position;
    for (int row = 0; row < kSize; ++row) {
        const std::string_view line = lines[static_cast<std::size_t>(row)];
        const std::string where = "Ligne " + std::to_string(row + 1) + " (" + RowName(row) + ")";
        if (line.size() != kSize) {
            return Refused(where + " : " + std::to_string(line.size()) + std::string(kLineLength));
        }
        for (int column = 0; column < kSize; ++column) {
            const char c = line[static_cast<std::size_t>(column)];
            if (!IsSquareText(c)) {
                return Refused(where + ", colonne " + std::to_string(column + 1) + " : " +
                               Shown(c) + std::string(kBadSquare));
            }
            position.Set(row, column, c);
        }
    }
    std::string beyond = TilesBeyondSet(position, "");
    if (!beyond.empty()) {
        return Refused(std::move(beyond));
    }
    return {position, {}};
}

std::string WritePosition(const Position& position) {
    std::string text;
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            text.push_back(position.At(row, column));
        }
        text.push_back('\n');
    }
    return text;
}

} // namespace zorvane::board
