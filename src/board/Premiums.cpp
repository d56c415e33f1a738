#include "board/Board.h"
#include "data/LetterValues.h"

namespace zorvane::board {
namespace {

// One quarter of the board, rows A to H and columns 1 to 8; the other three mirror it.
// t: word x3, d: word x2, T: letter x3, D: letter x2.
constexpr std::array<std::string_view, 8> kQuarter = {
    "t..D...t", //
    ".d...T..", //
    "..d...D.", //
    "D..d...D", //
    "....d...", //
    ".T...T..", //
    "..D...D.", //
    "t..D...d", //
};

constexpr int Folded(int index) {
    return index < kCentre ? index : 2 * kCentre - index;
}

} // namespace

Premium PremiumAt(int row, int column) {
    if (row < 0 || row >= kSize || column < 0 || column >= kSize) {
        return Premium::None;
    }
    switch (
        kQuarter[static_cast<std::size_t>(Folded(row))][static_cast<std::size_t>(Folded(column))]) {
    case 't':
        return Premium::TripleWord;
    case 'd':
        return Premium::DoubleWord;
    case 'T':
        return Premium::TripleLetter;
    case 'D':
        return Premium::DoubleLetter;
    default:
        return Premium::None;
    }
}

int LetterFactor(Premium premium) {
    return premium == Premium::TripleLetter ? 3 : premium == Premium::DoubleLetter ? 2 : 1;
}

int WordFactor(Premium premium) {
    return premium == Premium::TripleWord ? 3 : premium == Premium::DoubleWord ? 2 : 1;
}

int TileValue(char tile) {
    return data::LetterValue(tile);
}

char RowName(int row) {
    return static_cast<char>('A' + row);
}

} // namespace zorvane::board
