#include "board/MoveGenerator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

namespace zorvane::board {
namespace {

using data::WordGraph;

constexpr std::uint32_t kAnyLetter = (1U << 26) - 1;
constexpr int kFar = 99; // no anchor ahead

// One square of a line as the generator sees it: its tile, the letters a new tile may
// take there (those whose cross word is listed), and whether a new tile there connects.
struct Square {
    char tile = kEmpty;
    std::uint32_t allowed = kAnyLetter;
    bool anchor = false;
    int emptiesToAnchor = kFar; // empty squares from here to the next anchor, both counted
};

// The square at place i of line number `line` running `direction`.
std::pair<int, int> SquareOf(Direction direction, int line, int i) {
    return direction == Direction::Across ? std::pair(line, i) : std::pair(i, line);
}

// The letters that make a listed word with the tiles above and below (left and right,
// for a down move) of an empty square; every letter when it has no such neighbour.
std::uint32_t CrossCheck(const Position& position, Direction direction, int row, int column,
                         const WordGraph& words) {
    const int dr = direction == Direction::Across ? 1 : 0;
    const int dc = 1 - dr;
    int first = 0;
    while (!position.IsEmptyOrOff(row - (first + 1) * dr, column - (first + 1) * dc)) {
        ++first;
    }
    const bool below = !position.IsEmptyOrOff(row + dr, column + dc);
    if (first == 0 && !below) {
        return kAnyLetter;
    }
    WordGraph::Node node = words.Root();
    for (int i = first; i > 0; --i) {
        const WordGraph::Edge edge =
            words.Follow(node, LetterOf(position.At(row - i * dr, column - i * dc)) - 'A');
        if (edge.letter < 0) {
            return 0;
        }
        node = edge.next;
    }
    std::uint32_t allowed = 0;
    words.ForEachEdge(node, [&](const WordGraph::Edge& edge) {
        WordGraph::Edge step = edge;
        for (int r = row + dr, c = column + dc; step.letter >= 0 && !position.IsEmptyOrOff(r, c);
             r += dr, c += dc) {
            step = words.Follow(step.next, LetterOf(position.At(r, c)) - 'A');
        }
        if (step.letter >= 0 && step.endsWord) {
            allowed |= 1U << edge.letter;
        }
    });
    return allowed;
}

bool IsAnchor(const Position& position, int row, int column) {
    if (position.IsBlank()) {
        return row == kCentre && column == kCentre;
    }
    return !position.IsEmptyOrOff(row - 1, column) || !position.IsEmptyOrOff(row + 1, column) ||
           !position.IsEmptyOrOff(row, column - 1) || !position.IsEmptyOrOff(row, column + 1);
}

class LineWalker {
public:
    LineWalker(const Position& position, std::string_view draw, const WordGraph& words,
               std::vector<Move>& moves)
        : position_(position), words_(words), drawSize_(static_cast<int>(draw.size())),
          moves_(moves) {
        for (const char tile : draw) {
            if (tile == kJoker) {
                ++jokers_;
            } else if (IsLetterTile(tile)) {
                ++letters_[static_cast<std::size_t>(tile - 'A')];
            }
        }
    }

    void Walk(Direction direction, int line) {
        direction_ = direction;
        line_ = line;
        int empties = kFar;
        for (int i = kSize - 1; i >= 0; --i) {
            const auto [row, column] = SquareOf(direction, line, i);
            Square& square = squares_[static_cast<std::size_t>(i)];
            square = Square{position_.At(row, column)};
            if (square.tile == kEmpty) {
                square.allowed = CrossCheck(position_, direction, row, column, words_);
                square.anchor = IsAnchor(position_, row, column);
                empties = square.anchor ? 1 : std::min(kFar, empties + 1);
            }
            square.emptiesToAnchor = empties;
        }
        for (int start = 0; start < kSize; ++start) {
            if ((start == 0 || squares_[static_cast<std::size_t>(start - 1)].tile == kEmpty) &&
                squares_[static_cast<std::size_t>(start)].emptiesToAnchor <= TilesLeft()) {
                start_ = start;
                Extend(start, words_.Root(), false, false);
            }
        }
    }

private:
    int TilesLeft() const {
        int left = jokers_;
        for (const int count : letters_) {
            left += count;
        }
        return left;
    }

    // The word runs from start_ to before i; node is where it stands in the graph.
    void Extend(int i, WordGraph::Node node, bool endsWord, bool connected) {
        const int length = i - start_;
        if (endsWord && connected && laid_ > 0 && length >= 2 &&
            (i == kSize || squares_[static_cast<std::size_t>(i)].tile == kEmpty)) {
            Record(length);
        }
        if (i == kSize) {
            return;
        }
        const Square& square = squares_[static_cast<std::size_t>(i)];
        if (square.tile != kEmpty) {
            const WordGraph::Edge edge = words_.Follow(node, LetterOf(square.tile) - 'A');
            if (edge.letter >= 0) {
                word_[static_cast<std::size_t>(length)] = square.tile;
                Extend(i + 1, edge.next, edge.endsWord, connected);
            }
            return;
        }
        const int left = TilesLeft();
        if (left == 0 || (!connected && square.emptiesToAnchor > left)) {
            return;
        }
        words_.ForEachEdge(node, [&](const WordGraph::Edge& edge) {
            if ((square.allowed >> edge.letter & 1) == 0) {
                return;
            }
            const char letter = static_cast<char>('A' + edge.letter);
            int& count = letters_[static_cast<std::size_t>(edge.letter)];
            ++laid_;
            if (count > 0) {
                --count;
                word_[static_cast<std::size_t>(length)] = letter;
                Extend(i + 1, edge.next, edge.endsWord, connected || square.anchor);
                ++count;
            }
            if (jokers_ > 0) {
                --jokers_;
                word_[static_cast<std::size_t>(length)] = static_cast<char>(letter + 32);
                Extend(i + 1, edge.next, edge.endsWord, connected || square.anchor);
                ++jokers_;
            }
            --laid_;
        });
    }

    void Record(int length) {
        const auto [row, column] = SquareOf(direction_, line_, start_);
        Move move{{direction_, row, column},
                  std::string(word_.data(), static_cast<std::size_t>(length)),
                  0};
        // A single tile that also makes a word across is listed with the across moves.
        if (direction_ == Direction::Down && laid_ == 1) {
            for (int i = 0; i < length; ++i) {
                const int r = row + i;
                if (position_.IsEmpty(r, column) && (!position_.IsEmptyOrOff(r, column - 1) ||
                                                     !position_.IsEmptyOrOff(r, column + 1))) {
                    return;
                }
            }
        }
        move.score = ScoreMove(position_, move, drawSize_);
        moves_.push_back(std::move(move));
    }

    const Position& position_;
    const WordGraph& words_;
    int drawSize_;
    std::vector<Move>& moves_;
    std::array<int, 26> letters_{};
    int jokers_ = 0;
    int laid_ = 0;
    Direction direction_ = Direction::Across;
    int line_ = 0;
    int start_ = 0;
    std::array<Square, kSize> squares_{};
    std::array<char, kSize> word_{};
};

std::string Capitals(const std::string& word) {
    std::string upper = word;
    std::transform(upper.begin(), upper.end(), upper.begin(), LetterOf);
    return upper;
}

} // namespace

bool RanksBefore(const Move& a, const Move& b) {
    if (a.score != b.score) {
        return a.score > b.score;
    }
    const std::string capitalsA = Capitals(a.word);
    const std::string capitalsB = Capitals(b.word);
    return std::tie(capitalsA, a.placement.direction, a.placement.row, a.placement.column, a.word) <
           std::tie(capitalsB, b.placement.direction, b.placement.row, b.placement.column, b.word);
}

std::vector<Move> GenerateMoves(const Position& position, std::string_view draw,
                                const WordGraph& words) {
    std::vector<Move> moves;
    LineWalker walker(position, draw, words, moves);
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (int line = 0; line < kSize; ++line) {
            walker.Walk(direction, line);
        }
    }
    std::sort(moves.begin(), moves.end(), RanksBefore);
    return moves;
}

} // namespace zorvane::board
