#include "duplicate/MoveCheck.h"

#include "duplicate/Join.h"

#include <algorithm>
#include <sstream>

namespace zorvane::duplicate {
namespace {

using board::IsJokerTile;
using board::IsLetterTile;
using board::kSize;

std::string Quoted(std::string_view word) {
    return Join("« "_cp, word, " »"_cp);
}

std::string Upper(std::string word) {
    for (char& c : word) {
        c = board::LetterOf(c);
    }
    return word;
}

std::string SquareName(int row, int column) {
    return board::RowName(row) + std::to_string(column + 1);
}

bool OnBoard(int row, int column) {
    return row >= 0 && row < kSize && column >= 0 && column < kSize;
}

int Length(const board::Move& move) {
    return static_cast<int>(move.word.size());
}

// The tiles a move needs that the draw lacks, as the message lists them ("T, S, un joker").
std::string Missing(std::string_view needed, std::string_view draw) {
    std::string left(draw);
    std::string missing;
    for (const char tile : needed) {
        if (const std::size_t at = left.find(tile); at != std::string::npos) {
            left.erase(at, 1);
        } else {
            missing += Join(missing.empty() ? "" : ", ",
                            tile == board::kJoker ? std::string("un joker") : std::string(1, tile));
        }
    }
    return missing;
}

// The main word, then the word each new tile makes across the move's line where it touches
// tiles that way.
std::vector<std::string> FormedWords(const board::Position& position, const board::Move& move) {
    const bool across = move.placement.direction == board::Direction::Across;
    const int stepRow = across ? 1 : 0;
    const int stepColumn = across ? 0 : 1;
    std::vector<std::string> words{move.word};
    for (int i = 0; i < Length(move); ++i) {
        const int row = board::RowOf(move.placement, i);
        const int column = board::ColumnOf(move.placement, i);
        if (!position.IsEmpty(row, column)) {
            continue;
        }
        std::string before;
        for (int r = row - stepRow, c = column - stepColumn; !position.IsEmptyOrOff(r, c);
             r -= stepRow, c -= stepColumn) {
            before.insert(before.begin(), position.At(r, c));
        }
        std::string after;
        for (int r = row + stepRow, c = column + stepColumn; !position.IsEmptyOrOff(r, c);
             r += stepRow, c += stepColumn) {
            after.push_back(position.At(r, c));
        }
        if (!before.empty() || !after.empty()) {
            before.push_back(move.word[static_cast<std::size_t>(i)]);
            words.push_back(before.append(after));
        }
    }
    return words;
}

// Whether a square of the word covers or touches a tile already there.
bool Connected(const board::Position& position, const board::Move& move) {
    for (int i = 0; i < Length(move); ++i) {
        const int row = board::RowOf(move.placement, i);
        const int column = board::ColumnOf(move.placement, i);
        if (!position.IsEmpty(row, column) || !position.IsEmptyOrOff(row - 1, column) ||
            !position.IsEmptyOrOff(row + 1, column) || !position.IsEmptyOrOff(row, column - 1) ||
            !position.IsEmptyOrOff(row, column + 1)) {
            return true;
        }
    }
    return false;
}

bool CoversCentre(const board::Move& move) {
    for (int i = 0; i < Length(move); ++i) {
        if (board::RowOf(move.placement, i) == board::kCentre &&
            board::ColumnOf(move.placement, i) == board::kCentre) {
            return true;
        }
    }
    return false;
}

// Why the word does not sit on the board: off the edge, against another tile, against a
// tile beyond either end, or on tiles only; empty when it sits. Takes the tiles already
// there into the word, so that their letters may be typed in either case.
std::string Fit(const board::Position& position, board::Move& move) {
    const board::Placement& at = move.placement;
    const int length = Length(move);
    const std::string word = Quoted(move.word);
    if (!OnBoard(board::RowOf(at, length - 1), board::ColumnOf(at, length - 1))) {
        return Join("Le mot "_cp, word, " sort du plateau en partant de "_cp,
                    board::WritePlacement(at), ".");
    }
    bool laysOne = false;
    for (int i = 0; i < length; ++i) {
        char& letter = move.word[static_cast<std::size_t>(i)];
        const int row = board::RowOf(at, i);
        const int column = board::ColumnOf(at, i);
        const char there = position.At(row, column);
        if (there == board::kEmpty) {
            laysOne = true;
        } else if (board::LetterOf(there) == board::LetterOf(letter)) {
            letter = there;
        } else {
            return Join("Le mot "_cp, word, " ne va pas sur le plateau : la case "_cp,
                        SquareName(row, column), " porte déjà un "_cp,
                        std::string(1, board::LetterOf(there)), ".");
        }
    }
    for (const int end : {-1, length}) {
        const int row = board::RowOf(at, end);
        const int column = board::ColumnOf(at, end);
        if (!position.IsEmptyOrOff(row, column)) {
            return Join("Le mot "_cp, word, " continue sur le plateau (case "_cp,
                        SquareName(row, column),
                        ") : écrivez le mot entier, lettres déjà posées comprises."_cp);
        }
    }
    if (!laysOne) {
        return Join("Le mot "_cp, word,
                    " est déjà en entier sur le plateau : posez au moins une lettre du "
                    "tirage."_cp);
    }
    return {};
}

// Why the move is not legal, the tiles already there taken into it; empty when legal.
std::string Fault(const board::Position& position, std::string_view draw, board::Move& move,
                  const data::WordGraph& words) {
    if (!std::all_of(move.word.begin(), move.word.end(),
                     [](char c) { return IsLetterTile(c) || IsJokerTile(c); })) {
        return Join("Le mot "_cp, Quoted(move.word),
                    " ne doit contenir que des lettres (en minuscule pour un joker)."_cp);
    }
    if (move.word.size() < 2) {
        return Join("Le mot "_cp, Quoted(move.word), " est trop court : deux lettres au moins."_cp);
    }
    if (std::string misfit = Fit(position, move); !misfit.empty()) {
        return misfit;
    }
    if (const std::string missing = Missing(board::TilesPlaced(position, move), draw);
        !missing.empty()) {
        const bool jokerLeft = draw.find(board::kJoker) != std::string_view::npos &&
                               missing.find("joker") == std::string::npos;
        return Join("Le mot "_cp, Quoted(move.word), " demande "_cp, missing, " que le tirage "_cp,
                    draw, " n'a pas"_cp,
                    jokerLeft ? " (la lettre d'un joker s'écrit en minuscule)."_cp : "."_cp);
    }
    if (position.IsBlank() && !CoversCentre(move)) {
        return Join("Le premier mot doit passer par la case centrale H8 : "_cp, Quoted(move.word),
                    " n'y passe pas."_cp);
    }
    if (!position.IsBlank() && !Connected(position, move)) {
        return Join("Le mot "_cp, Quoted(move.word),
                    " ne touche aucune lettre du plateau : un coup s'appuie sur les lettres "
                    "déjà posées."_cp);
    }
    for (const std::string& formed : FormedWords(position, move)) {
        if (!words.Contains(Upper(formed))) {
            return Join("Le mot "_cp, Quoted(formed),
                        formed == move.word ? "" : " (formé en travers)"_cp,
                        " n'est pas admis au jeu."_cp);
        }
    }
    return {};
}

} // namespace

CheckedMove CheckPlacedMove(const board::Position& position, std::string_view draw,
                            const board::Placement& placement, std::string_view word,
                            const data::WordGraph& words) {
    CheckedMove checked{{placement, std::string(word), 0}, {}};
    checked.error = Fault(position, draw, checked.move, words);
    if (checked.Legal()) {
        checked.move.score =
            board::ScoreMove(position, checked.move, static_cast<int>(draw.size()));
    }
    return checked;
}

CheckedMove CheckMove(const board::Position& position, std::string_view draw,
                      std::string_view entry, const data::WordGraph& words) {
    std::istringstream stream{std::string(entry)};
    std::string place;
    std::string word;
    std::string more;
    stream >> place >> word >> more;
    if (place.empty()) {
        return {{}, Join("Écrivez un coup : la case puis le mot, par exemple H4 MOTS."_cp)};
    }
    const auto placement = board::ReadPlacement(place);
    if (!placement) {
        return {{},
                Join("La case "_cp, Quoted(place),
                     " n'existe pas : écrivez la ligne (A à O) puis la colonne (1 à 15) "
                     "pour un mot horizontal (H4 MOTS), la colonne puis la ligne pour un "
                     "mot vertical (4H MOTS)."_cp)};
    }
    if (word.empty() || !more.empty()) {
        return {{*placement, word, 0},
                Join("Écrivez la case puis un seul mot, par exemple H4 MOTS."_cp)};
    }
    return CheckPlacedMove(position, draw, *placement, word, words);
}

} // namespace zorvane::duplicate
