#include "board/RankKey.h"

#include <algorithm>
#include <array>

namespace zorvane::board {
namespace {

constexpr int kScoreBits = 16;
constexpr int kLetterBits = 5;
constexpr int kPlaceBits = 4;

// Fields pushed in from the right of a 128-bit number; every key holds the same fields, so
// keys compare as the fields do, first field first.
class KeyBits {
public:
    explicit KeyBits(RankKey key = {0, 0}) : key_(key) {}
    void Put(std::uint64_t value, int bits) {
        key_.first = key_.first << bits | key_.second >> (64 - bits);
        key_.second = key_.second << bits | value;
    }
    // Takes back the field pushed in last.
    std::uint64_t Take(int bits) {
        const std::uint64_t value = key_.second & ((std::uint64_t{1} << bits) - 1);
        key_.second = key_.second >> bits | key_.first << (64 - bits);
        key_.first >>= bits;
        return value;
    }
    RankKey Key() const { return key_; }

private:
    RankKey key_;
};

// The score field, the key's first: bits 114 to 99 of 115, so bits 50 to 35 of the high word.
std::uint64_t ScoreField(const RankKey& key) {
    return key.first >> (115 - 64 - kScoreBits) & 0xFFFF;
}

} // namespace

RankKey KeyOf(int score, std::string_view word, const Placement& placement) {
    KeyBits bits;
    bits.Put(static_cast<std::uint64_t>(0xFFFF - std::clamp(score, 0, 0xFFFF)), kScoreBits);
    std::uint64_t jokers = 0;
    for (std::size_t i = 0; i < kSize; ++i) {
        const char letter = i < word.size() ? word[i] : '\0';
        bits.Put(letter == '\0' ? 0 : static_cast<std::uint64_t>(LetterOf(letter) - 'A' + 1),
                 kLetterBits);
        jokers = jokers << 1 | (IsJokerTile(letter) ? 1 : 0);
    }
    bits.Put(placement.direction == Direction::Across ? 0 : 1, 1);
    bits.Put(static_cast<std::uint64_t>(placement.row), kPlaceBits);
    bits.Put(static_cast<std::uint64_t>(placement.column), kPlaceBits);
    bits.Put(jokers, kSize);
    return bits.Key();
}

// Keys spread by score first (many moves share few scores), then each score's keys sorted.
void SortKeys(std::vector<RankKey>& keys) {
    if (keys.empty()) {
        return;
    }
    std::uint64_t low = ScoreField(keys.front());
    std::uint64_t high = low;
    for (const RankKey& key : keys) {
        low = std::min(low, ScoreField(key));
        high = std::max(high, ScoreField(key));
    }
    std::vector<std::size_t> starts(high - low + 2, 0);
    for (const RankKey& key : keys) {
        ++starts[ScoreField(key) - low + 1];
    }
    for (std::size_t i = 1; i < starts.size(); ++i) {
        starts[i] += starts[i - 1];
    }
    std::vector<RankKey> spread(keys.size());
    std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
    for (const RankKey& key : keys) {
        spread[next[ScoreField(key) - low]++] = key;
    }
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        std::sort(spread.begin() + static_cast<std::ptrdiff_t>(starts[i]),
                  spread.begin() + static_cast<std::ptrdiff_t>(starts[i + 1]));
    }
    keys = std::move(spread);
}

Move MoveOf(RankKey key) {
    KeyBits bits(key);
    std::uint64_t jokers = bits.Take(kSize);
    Move move;
    move.placement.column = static_cast<int>(bits.Take(kPlaceBits));
    move.placement.row = static_cast<int>(bits.Take(kPlaceBits));
    move.placement.direction = bits.Take(1) == 0 ? Direction::Across : Direction::Down;
    std::array<char, kSize> letters{};
    for (int i = kSize - 1; i >= 0; --i) {
        const auto code = static_cast<char>(bits.Take(kLetterBits));
        const bool joker = (jokers & 1) != 0;
        jokers >>= 1;
        letters[static_cast<std::size_t>(i)] =
            code == 0 ? '\0' : static_cast<char>((joker ? 'a' : 'A') + code - 1);
    }
    move.word.assign(letters.data(), std::find(letters.begin(), letters.end(), '\0'));
    move.score = 0xFFFF - static_cast<int>(bits.Take(kScoreBits));
    return move;
}
} // namespace zorvane::board
