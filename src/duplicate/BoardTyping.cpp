#include "duplicate/BoardTyping.h"

#include <algorithm>

namespace zorvane::duplicate {
namespace {

bool OnBoard(int row, int column) {
    return row >= 0 && row < board::kSize && column >= 0 && column < board::kSize;
}

} // namespace

board::Move TypedMove(const board::Position& position, const BoardTyping& typing) {
    board::Placement first = typing.start;
    // Tiles just before the start belong to the word.
    while (!position.IsEmptyOrOff(board::RowOf(first, -1), board::ColumnOf(first, -1))) {
        first.row = board::RowOf(first, -1);
        first.column = board::ColumnOf(first, -1);
    }
    board::Move move{first, {}, 0};
    std::size_t used = 0;
    for (int i = 0; OnBoard(board::RowOf(first, i), board::ColumnOf(first, i)); ++i) {
        const char there = position.At(board::RowOf(first, i), board::ColumnOf(first, i));
        if (there != board::kEmpty) {
            move.word.push_back(there);
        } else if (used < typing.letters.size()) {
            move.word.push_back(typing.letters[used++]);
        } else {
            break;
        }
    }
    return move;
}

board::Placement NextSquare(const board::Position& position, const BoardTyping& typing) {
    board::Placement next = typing.start;
    std::size_t left = typing.letters.size() + 1;
    for (int i = 0;; ++i) {
        next.row = board::RowOf(typing.start, i);
        next.column = board::ColumnOf(typing.start, i);
        if (!OnBoard(next.row, next.column) ||
            (position.IsEmpty(next.row, next.column) && --left == 0)) {
            return next;
        }
    }
}

char TileForLetter(std::string_view draw, std::string_view typedBefore, char letter) {
    const auto count = [](std::string_view tiles, char tile) {
        return std::count(tiles.begin(), tiles.end(), tile);
    };
    const char capital = board::LetterOf(letter);
    if (count(draw, capital) > count(typedBefore, capital)) {
        return capital;
    }
    const auto jokersUsed = std::count_if(typedBefore.begin(), typedBefore.end(),
                                          [](char c) { return board::IsJokerTile(c); });
    return count(draw, board::kJoker) > jokersUsed ? static_cast<char>(capital + 32) : capital;
}

std::string TypedEntry(const board::Position& position, const BoardTyping& typing) {
    if (typing.letters.empty()) {
        return {};
    }
    const board::Move move = TypedMove(position, typing);
    return board::WritePlacement(move.placement) + ' ' + move.word;
}

} // namespace zorvane::duplicate
