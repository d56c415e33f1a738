#pragma once
// Every legal move of a position and a draw found the slow way, for the tests and the
// benchmark to hold the move generator against: each stretch of each line, each way of
// laying the draw's tiles on its empty squares (a joker as each letter), each word formed
// looked up in a plain sorted list. The only shortcut: a way is dropped as soon as the main
// word's letters so far begin no listed word. Scores are counted here afresh.

#include "board/Move.h"

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <unordered_set>
#include <vector>

namespace zorvane::testing {

class BoardOracle {
public:
    explicit BoardOracle(const std::vector<std::string>& words)
        : words_(words.begin(), words.end()) {
        for (const std::string& word : words) {
            longest_ = std::max(longest_, static_cast<int>(word.size()));
            for (std::size_t length = 0; length <= word.size(); ++length) {
                prefixes_.insert(word.substr(0, length));
            }
        }
    }

    std::vector<board::Move> Moves(const board::Position& position, std::string_view draw) const {
        std::vector<board::Move> moves;
        for (const board::Direction direction :
             {board::Direction::Across, board::Direction::Down}) {
            for (int line = 0; line < board::kSize; ++line) {
                for (int start = 0; start < board::kSize; ++start) {
                    for (int end = start + 2; end <= board::kSize; ++end) {
                        Stretch stretch{position, draw, direction, line, start, end, {}, {}, moves};
                        if (stretch.Empty(start - 1) && stretch.Empty(end) &&
                            end - start <= longest_ && stretch.Empties() >= 1 &&
                            stretch.Empties() <= static_cast<int>(draw.size())) {
                            stretch.Lay(*this, start, std::string(draw));
                        }
                    }
                }
            }
        }
        std::sort(moves.begin(), moves.end(), [](const board::Move& a, const board::Move& b) {
            const auto key = [](const board::Move& m) {
                std::string capitals = m.word;
                for (char& c : capitals) {
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
                return std::make_tuple(-m.score, capitals, static_cast<int>(m.placement.direction),
                                       m.placement.row, m.placement.column, m.word);
            };
            return key(a) < key(b);
        });
        return moves;
    }

private:
    bool Listed(const std::string& word) const { return words_.count(word) > 0; }
    bool BeginsAWord(const std::string& prefix) const { return prefixes_.count(prefix) > 0; }

    struct Stretch {
        const board::Position& position;
        std::string_view draw;
        board::Direction direction;
        int line;
        int start;
        int end;
        std::string word;     // capitals and small letters, as laid so far
        std::string capitals; // the same in capitals
        std::vector<board::Move>& moves;

        std::pair<int, int> At(int i) const {
            return direction == board::Direction::Across ? std::pair(line, i) : std::pair(i, line);
        }
        char Tile(int i) const {
            const auto [r, c] = At(i);
            return position.At(r, c);
        }
        bool Empty(int i) const { return i < 0 || i >= board::kSize || Tile(i) == board::kEmpty; }
        int Empties() const {
            int count = 0;
            for (int i = start; i < end; ++i) {
                count += Empty(i) ? 1 : 0;
            }
            return count;
        }

        void Lay(const BoardOracle& oracle, int square, const std::string& left) {
            if (!oracle.BeginsAWord(capitals)) {
                return;
            }
            if (square == end) {
                Finish(oracle);
                return;
            }
            if (!Empty(square)) {
                word.push_back(Tile(square));
                capitals.push_back(board::LetterOf(Tile(square)));
                Lay(oracle, square + 1, left);
                word.pop_back();
                capitals.pop_back();
                return;
            }
            for (std::size_t t = 0; t < left.size(); ++t) {
                if (left.find(left[t]) != t) {
                    continue; // the same tile twice lays the same words
                }
                std::string rest = left;
                rest.erase(t, 1);
                for (char letter = 'A'; letter <= 'Z'; ++letter) {
                    if (left[t] == letter || left[t] == board::kJoker) {
                        word.push_back(left[t] == board::kJoker ? static_cast<char>(letter + 32)
                                                                : letter);
                        capitals.push_back(letter);
                        Lay(oracle, square + 1, rest);
                        word.pop_back();
                        capitals.pop_back();
                    }
                }
            }
        }

        static std::string Capitals(std::string text) {
            for (char& c : text) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            return text;
        }

        // The whole stretch is laid: the words it forms, its link to the tiles, its score.
        void Finish(const BoardOracle& oracle) {
            const auto [row, column] = At(start);
            const board::Move move{{direction, row, column}, word, 0};
            const int across = direction == board::Direction::Across ? 1 : 0;
            int laid = 0;
            bool linked = false;
            bool centre = false;
            int sum = 0;
            int factor = 1;
            int crossTotal = 0;
            for (int i = start; i < end; ++i) {
                const auto [r, c] = At(i);
                const char tile = word[static_cast<std::size_t>(i - start)];
                const int value = board::TileValue(tile); // 0 for a joker's small letter
                if (!Empty(i)) {
                    linked = true;
                    sum += value;
                    continue;
                }
                ++laid;
                centre = centre || (r == board::kCentre && c == board::kCentre);
                const board::Premium premium = board::PremiumAt(r, c);
                sum += value * board::LetterFactor(premium);
                factor *= board::WordFactor(premium);
                // The word across this square the other way: walk back to its first tile.
                const int dr = across;
                const int dc = 1 - across;
                int r0 = r;
                int c0 = c;
                while (!position.IsEmptyOrOff(r0 - dr, c0 - dc)) {
                    r0 -= dr;
                    c0 -= dc;
                }
                std::string cross;
                int crossSum = 0;
                for (int rr = r0, cc = c0; rr < board::kSize && cc < board::kSize;
                     rr += dr, cc += dc) {
                    const bool here = rr == r && cc == c;
                    if (!here && position.IsEmpty(rr, cc)) {
                        break;
                    }
                    const char there = here ? tile : position.At(rr, cc);
                    cross.push_back(there);
                    crossSum +=
                        here ? value * board::LetterFactor(premium) : board::TileValue(there);
                }
                if (cross.size() >= 2) {
                    linked = true;
                    if (!oracle.Listed(Capitals(cross))) {
                        return;
                    }
                    crossTotal += crossSum * board::WordFactor(premium);
                }
            }
            const bool first = position.TileCount() == 0;
            if (laid == 0 || !oracle.Listed(Capitals(word)) || (first ? !centre : !linked)) {
                return;
            }
            // One tile making words both ways is a move across.
            if (laid == 1 && direction == board::Direction::Down) {
                for (int i = start; i < end; ++i) {
                    const auto [r, c] = At(i);
                    if (Empty(i) &&
                        (!position.IsEmptyOrOff(r, c - 1) || !position.IsEmptyOrOff(r, c + 1))) {
                        return;
                    }
                }
            }
            const bool bingo = laid == board::kRackSize &&
                               draw.size() == static_cast<std::size_t>(board::kRackSize);
            moves.push_back({move.placement, word, sum * factor + crossTotal + (bingo ? 50 : 0)});
        }
    };

    std::set<std::string> words_;
    std::unordered_set<std::string> prefixes_;
    int longest_ = 0; // no longer stretch can make a listed word
};

} // namespace zorvane::testing
