#include "board/MoveGenerator.h"

#include "board/RankKey.h"

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
    // Before the first tile is laid, a word starting on or before this square must put one of
    // these letters `ahead` squares on, at the next anchor or the tile just after it (0: no
    // such square).
    int ahead = 0;
    std::uint32_t aheadLetters = kAnyLetter;
    // For the score of a tile laid here: the premium, and the word it makes the other way.
    int letterFactor = 1;
    int wordFactor = 1;
    bool crosses = false; // a tile touches it the other way
    int crossSum = 0;     // what those tiles are worth
};

// The tiles that touch an empty square the other way: whether there are any, their worth.
std::pair<bool, int> CrossTiles(const Position& position, Direction direction, int row,
                                int column) {
    const int dr = direction == Direction::Across ? 1 : 0;
    const int dc = 1 - dr;
    bool crosses = false;
    int sum = 0;
    for (const int way : {-1, 1}) {
        for (int r = row + way * dr, c = column + way * dc; !position.IsEmptyOrOff(r, c);
             r += way * dr, c += way * dc) {
            crosses = true;
            sum += TileValue(position.At(r, c));
        }
    }
    return {crosses, sum};
}

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

bool IsAnchor(const Position& position, bool blank, int row, int column) {
    if (blank) {
        return row == kCentre && column == kCentre;
    }
    return !position.IsEmptyOrOff(row - 1, column) || !position.IsEmptyOrOff(row + 1, column) ||
           !position.IsEmptyOrOff(row, column - 1) || !position.IsEmptyOrOff(row, column + 1);
}

class LineWalker {
public:
    LineWalker(const Position& position, std::string_view draw, const WordGraph& words,
               std::vector<RankKey>& keys)
        : position_(position), blank_(position.IsBlank()), words_(words),
          drawSize_(static_cast<int>(draw.size())), keys_(keys) {
        // Tiles past the seventh are not the game's and are left out.
        for (const char tile : draw.substr(0, kRackSize)) {
            if (tile == kJoker) {
                ++jokers_;
                ++tiles_;
            } else if (IsLetterTile(tile)) {
                ++letters_[static_cast<std::size_t>(tile - 'A')];
                held_ |= 1U << (tile - 'A');
                ++tiles_;
            }
        }
        drawLetters_ = letters_;
        jokerTiles_ = jokers_;
    }

    void Walk(Direction direction, int line) {
        direction_ = direction;
        line_ = line;
        int empties = kFar;
        int constrained = -1; // the square that the next anchor constrains
        std::uint32_t constrainedLetters = kAnyLetter;
        for (int i = kSize - 1; i >= 0; --i) {
            const auto [row, column] = SquareOf(direction, line, i);
            Square& square = squares_[static_cast<std::size_t>(i)];
            square = Square{position_.At(row, column)};
            if (square.tile == kEmpty) {
                square.allowed = CrossCheck(position_, direction, row, column, words_);
                square.anchor = IsAnchor(position_, blank_, row, column);
                const Premium premium = PremiumAt(row, column);
                square.letterFactor = LetterFactor(premium);
                square.wordFactor = WordFactor(premium);
                std::tie(square.crosses, square.crossSum) =
                    CrossTiles(position_, direction, row, column);
                empties = square.anchor ? 1 : std::min(kFar, empties + 1);
                if (square.anchor) {
                    const char after =
                        i + 1 < kSize ? squares_[static_cast<std::size_t>(i) + 1].tile : kEmpty;
                    constrained = square.allowed != kAnyLetter ? i : after != kEmpty ? i + 1 : -1;
                    constrainedLetters = square.allowed != kAnyLetter ? square.allowed
                                         : after != kEmpty ? 1U << (LetterOf(after) - 'A')
                                                           : kAnyLetter;
                }
                square.ahead = constrained < 0 ? 0 : constrained - i + 1;
                square.aheadLetters = constrainedLetters;
            }
            square.emptiesToAnchor = empties;
        }
        for (int start = 0; start < kSize; ++start) {
            if ((start == 0 || squares_[static_cast<std::size_t>(start - 1)].tile == kEmpty) &&
                squares_[static_cast<std::size_t>(start)].emptiesToAnchor <= tiles_) {
                start_ = start;
                Extend(start, words_.Root(), false, false);
            }
        }
    }

private:
    // Whether a word standing at node before square i, with `left` tiles, may still become a
    // move: the tile of square i must be able to follow; before the word touches anything,
    // it must reach the next anchor and the letter that anchor asks for. Checked before
    // going on, it spares a step for each letter that leads nowhere.
    bool Promising(int i, WordGraph::Node node, bool connected, int left) const {
        if (i == kSize) {
            return true;
        }
        const Square& square = squares_[static_cast<std::size_t>(i)];
        if (square.tile != kEmpty) {
            return (words_.LettersAhead(node, 1) >> (LetterOf(square.tile) - 'A') & 1) != 0;
        }
        return connected || (square.emptiesToAnchor <= left &&
                             (square.ahead == 0 || (words_.LettersAhead(node, square.ahead) &
                                                    square.aheadLetters) != 0));
    }

    // The word runs from start_ to before i; node is where it stands in the graph.
    void Extend(int i, WordGraph::Node node, bool endsWord, bool connected) {
        const int length = i - start_;
        if (endsWord && connected && laidCount_ > 0 && length >= 2 &&
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
                score_.main += TileValue(square.tile);
                Extend(i + 1, edge.next, edge.endsWord, connected);
                score_.main -= TileValue(square.tile);
            }
            return;
        }
        const int left = tiles_ - laidCount_;
        // The letters a tile of the draw can stand for here.
        const std::uint32_t usable = square.allowed & (jokers_ > 0 ? kAnyLetter : held_);
        if (left == 0 || usable == 0 || !Promising(i, node, connected, left)) {
            return;
        }
        const bool linked = connected || square.anchor;
        words_.ForEachEdge(node, [&](const WordGraph::Edge& edge) {
            const std::uint32_t bit = 1U << edge.letter;
            if ((usable & bit) == 0 || !Promising(i + 1, edge.next, linked, left - 1)) {
                return;
            }
            const char letter = static_cast<char>('A' + edge.letter);
            // A letter tile while the draw has one, else a joker: which of the laid tiles the
            // jokers stand for is chosen when the word is recorded.
            int& count = letters_[static_cast<std::size_t>(edge.letter)];
            if (count > 0) {
                if (--count == 0) {
                    held_ &= ~bit;
                }
                Lay(i, letter, edge, linked);
                ++count;
                held_ |= bit;
            } else {
                --jokers_;
                Lay(i, letter, edge, linked);
                ++jokers_;
            }
        });
    }

    // Lays a tile of letter on empty square i, counted as a letter tile, and goes on.
    void Lay(int i, char letter, const WordGraph::Edge& edge, bool linked) {
        const Square& square = squares_[static_cast<std::size_t>(i)];
        const Score before = score_;
        const int worth = TileValue(letter) * square.letterFactor;
        score_.main += worth;
        score_.factor *= square.wordFactor;
        Laid& laid = laid_[static_cast<std::size_t>(laidCount_)];
        laid = {i - start_, letter, worth, 0};
        if (square.crosses) {
            laid.crossWorth = worth * square.wordFactor;
            score_.cross += (square.crossSum + worth) * square.wordFactor;
            ++score_.crossing;
        }
        word_[static_cast<std::size_t>(i - start_)] = letter;
        ++laidCount_;
        Extend(i + 1, edge.next, edge.endsWord, linked);
        --laidCount_;
        score_ = before;
    }

    void Record(int length) {
        // A single tile that also makes a word across is listed with the across moves.
        if (direction_ == Direction::Down && laidCount_ == 1 && score_.crossing == 1) {
            return;
        }
        std::array<int, 26> used{};
        std::array<char, kSize> shown = word_;
        Assign(0, jokerTiles_, used, shown, length, 0, 0);
    }

    // Records the word once for each way of choosing which laid tiles (from the t-th on) are
    // jokers: no more letter tiles of a letter than the draw holds, no more jokers than it
    // holds. A joker takes its tile's worth off the main word and off its cross word.
    void Assign(int t, int jokers, std::array<int, 26>& used, std::array<char, kSize>& shown,
                int length, int mainLoss, int crossLoss) {
        if (t == laidCount_) {
            const auto [row, column] = SquareOf(direction_, line_, start_);
            const bool bingo = laidCount_ == kRackSize && drawSize_ == kRackSize;
            keys_.push_back(KeyOf((score_.main - mainLoss) * score_.factor + score_.cross -
                                      crossLoss + (bingo ? kBingoBonus : 0),
                                  std::string_view(shown.data(), static_cast<std::size_t>(length)),
                                  {direction_, row, column}));
            return;
        }
        const Laid& laid = laid_[static_cast<std::size_t>(t)];
        const auto letter = static_cast<std::size_t>(laid.letter - 'A');
        if (used[letter] < drawLetters_[letter]) {
            ++used[letter];
            Assign(t + 1, jokers, used, shown, length, mainLoss, crossLoss);
            --used[letter];
        }
        if (jokers > 0) {
            const auto place = static_cast<std::size_t>(laid.place);
            shown[place] = static_cast<char>(laid.letter + 32);
            Assign(t + 1, jokers - 1, used, shown, length, mainLoss + laid.worth,
                   crossLoss + laid.crossWorth);
            shown[place] = laid.letter;
        }
    }

    const Position& position_;
    bool blank_; // the first move: H8 is the one anchor
    const WordGraph& words_;
    int drawSize_;
    std::vector<RankKey>& keys_;
    // The score of the tiles laid so far: the main word's sum and factor, the cross words.
    struct Score {
        int main = 0;
        int factor = 1;
        int cross = 0;
        int crossing = 0; // laid tiles that make a cross word
    };
    Score score_;
    // The tiles laid so far, in word order: place in the word, letter, worth with its
    // letter premium, and that worth again in the cross word (times its word premium).
    struct Laid {
        int place;
        char letter;
        int worth;
        int crossWorth;
    };
    std::array<Laid, kRackSize> laid_{};
    int laidCount_ = 0;
    std::array<int, 26> drawLetters_{}; // the draw's letter tiles, and its jokers
    int jokerTiles_ = 0;
    std::array<int, 26> letters_{};
    std::uint32_t held_ = 0; // the letters of which the draw still has a tile
    int jokers_ = 0;
    int tiles_ = 0; // letters and jokers of the draw
    Direction direction_ = Direction::Across;
    int line_ = 0;
    int start_ = 0;
    std::array<Square, kSize> squares_{};
    std::array<char, kSize> word_{};
};

} // namespace

bool RanksBefore(const Move& a, const Move& b) {
    return KeyOf(a.score, a.word, a.placement) < KeyOf(b.score, b.word, b.placement);
}

std::vector<Move> GenerateMoves(const Position& position, std::string_view draw,
                                const WordGraph& words) {
    std::vector<RankKey> keys;
    LineWalker walker(position, draw, words, keys);
    for (const Direction direction : {Direction::Across, Direction::Down}) {
        for (int line = 0; line < kSize; ++line) {
            walker.Walk(direction, line);
        }
    }
    SortKeys(keys);
    std::vector<Move> moves;
    moves.reserve(keys.size());
    for (const RankKey& key : keys) {
        moves.push_back(MoveOf(key));
    }
    return moves;
}

} // namespace zorvane::board
