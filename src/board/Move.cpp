#include "board/Move.h"

namespace zorvane::board {
namespace {

bool Across(const Placement& placement) {
    return placement.direction == Direction::Across;
}

std::optional<int> ReadRow(char c) {
    const char upper = IsJokerTile(c) ? LetterOf(c) : c;
    if (upper < 'A' || upper >= 'A' + kSize) {
        return std::nullopt;
    }
    return upper - 'A';
}

std::optional<int> ReadColumn(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 || digits[0] == '0') {
        return std::nullopt;
    }
    int column = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        column = column * 10 + (c - '0');
    }
    return column <= kSize ? std::optional(column - 1) : std::nullopt;
}

bool OnBoard(int row, int column) {
    return row >= 0 && row < kSize && column >= 0 && column < kSize;
}

} // namespace

std::optional<Placement> ReadPlacement(std::string_view text) {
    if (text.size() < 2) {
        return std::nullopt;
    }
    if (const auto row = ReadRow(text.front())) {
        if (const auto column = ReadColumn(text.substr(1))) {
            return Placement{Direction::Across, *row, *column};
        }
        return std::nullopt;
    }
    if (const auto row = ReadRow(text.back())) {
        if (const auto column = ReadColumn(text.substr(0, text.size() - 1))) {
            return Placement{Direction::Down, *row, *column};
        }
    }
    return std::nullopt;
}

std::string WritePlacement(const Placement& placement) {
    const std::string row(1, RowName(placement.row));
    const std::string column = std::to_string(placement.column + 1);
    return Across(placement) ? row + column : column + row;
}

std::string WriteMove(const Move& move) {
    return WritePlacement(move.placement) + " " + move.word + " " + std::to_string(move.score);
}

int RowOf(const Placement& placement, int i) {
    return placement.row + (Across(placement) ? 0 : i);
}

int ColumnOf(const Placement& placement, int i) {
    return placement.column + (Across(placement) ? i : 0);
}

bool FitsOn(const Position& position, const Move& move) {
    const Placement& at = move.placement;
    const int length = static_cast<int>(move.word.size());
    if (length == 0 || !OnBoard(RowOf(at, 0), ColumnOf(at, 0)) ||
        !OnBoard(RowOf(at, length - 1), ColumnOf(at, length - 1)) ||
        !position.IsEmptyOrOff(RowOf(at, -1), ColumnOf(at, -1)) ||
        !position.IsEmptyOrOff(RowOf(at, length), ColumnOf(at, length))) {
        return false;
    }
    bool laysOne = false;
    for (int i = 0; i < length; ++i) {
        const char letter = move.word[static_cast<std::size_t>(i)];
        const char there = position.At(RowOf(at, i), ColumnOf(at, i));
        if (!IsLetterTile(letter) && !IsJokerTile(letter)) {
            return false;
        }
        if (there == kEmpty) {
            laysOne = true;
        } else if (there != letter) {
            return false;
        }
    }
    return laysOne;
}

std::string TilesPlaced(const Position& position, const Move& move) {
    std::string tiles;
    for (int i = 0; i < static_cast<int>(move.word.size()); ++i) {
        if (position.IsEmpty(RowOf(move.placement, i), ColumnOf(move.placement, i))) {
            const char letter = move.word[static_cast<std::size_t>(i)];
            tiles.push_back(IsJokerTile(letter) ? kJoker : letter);
        }
    }
    return tiles;
}

int ScoreMove(const Position& position, const Move& move, int drawSize) {
    const Placement& at = move.placement;
    // The cross word of a new tile runs the other way through its square.
    const int crossRow = Across(at) ? 1 : 0;
    const int crossColumn = Across(at) ? 0 : 1;
    int mainSum = 0;
    int mainFactor = 1;
    int crossTotal = 0;
    int laid = 0;
    for (int i = 0; i < static_cast<int>(move.word.size()); ++i) {
        const int row = RowOf(at, i);
        const int column = ColumnOf(at, i);
        const char tile = move.word[static_cast<std::size_t>(i)];
        if (!position.IsEmpty(row, column)) {
            mainSum += TileValue(tile);
            continue;
        }
        ++laid;
        const Premium premium = PremiumAt(row, column);
        const int value = TileValue(tile) * LetterFactor(premium);
        mainSum += value;
        mainFactor *= WordFactor(premium);
        int crossSum = 0;
        bool crosses = false;
        for (const int way : {-1, 1}) {
            for (int r = row + way * crossRow, c = column + way * crossColumn;
                 !position.IsEmptyOrOff(r, c); r += way * crossRow, c += way * crossColumn) {
                crossSum += TileValue(position.At(r, c));
                crosses = true;
            }
        }
        if (crosses) {
            crossTotal += (crossSum + value) * WordFactor(premium);
        }
    }
    const bool bingo = laid == kRackSize && drawSize == kRackSize;
    return mainSum * mainFactor + crossTotal + (bingo ? kBingoBonus : 0);
}

Position Play(const Position& position, const Move& move) {
    Position after = position;
    for (int i = 0; i < static_cast<int>(move.word.size()); ++i) {
        after.Set(RowOf(move.placement, i), ColumnOf(move.placement, i),
                  move.word[static_cast<std::size_t>(i)]);
    }
    return after;
}

} // namespace zorvane::board
