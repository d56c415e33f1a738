#pragma once
// A position: the tiles on the board. Its text form is 15 lines of 15 characters, "." for
// an empty square, a capital for a tile, a small letter for a joker standing for that letter.

#include "board/Board.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::board {

class Position {
public:
    // What stands on a square: kEmpty, a capital, or a small letter for a joker.
    char At(int row, int column) const { return squares_[Index(row, column)]; }
    void Set(int row, int column, char tile) { squares_[Index(row, column)] = tile; }
    bool IsEmpty(int row, int column) const { return At(row, column) == kEmpty; }
    // Rows and columns outside the board count as empty.
    bool IsEmptyOrOff(int row, int column) const {
        return row < 0 || row >= kSize || column < 0 || column >= kSize || IsEmpty(row, column);
    }
    bool IsBlank() const; // no tile at all: the next move is the first
    int TileCount() const;

    bool operator==(const Position&) const = default;

private:
    static constexpr std::size_t kSide = kSize;
    using Squares = std::array<char, kSide * kSide>;
    static std::size_t Index(int row, int column) {
        return static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(column);
    }
    static constexpr Squares Filled() {
        Squares squares{};
        squares.fill(kEmpty);
        return squares;
    }
    Squares squares_ = Filled();
};

struct PositionRead {
    std::optional<Position> position;
    std::string error; // why the text is refused, in French (cp1252); empty when read
};

// Reads the text form. Lines end with LF or CR LF; the last one may lack its end, and empty
// lines after the fifteenth are ignored. Refused: another number of lines, a line of
// another length, a character other than ".", A-Z or a-z, more tiles of a letter or more
// jokers than the set holds.
PositionRead ReadPosition(std::string_view text);

// The text form, each line ended by LF.
std::string WritePosition(const Position& position);

} // namespace zorvane::board
