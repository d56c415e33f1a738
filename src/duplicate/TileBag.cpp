#include "duplicate/TileBag.h"

#include <array>

namespace zorvane::duplicate {
namespace {

// How many tiles of each letter, A first, in the French set; then the two jokers.
constexpr std::array<int, 26> kLetterCounts = {9, 2, 2, 3, 15, 2, 2, 2, 8, 1, 1, 5, 3,
                                               6, 6, 2, 1, 6, 6, 6, 6, 2, 1, 1, 1, 1};
constexpr int kJokers = 2;

} // namespace

TileBag TileBag::Full() {
    TileBag bag;
    for (std::size_t letter = 0; letter < kLetterCounts.size(); ++letter) {
        bag.tiles_.append(static_cast<std::size_t>(kLetterCounts.at(letter)),
                          static_cast<char>('A' + letter));
    }
    bag.tiles_.append(kJokers, kJoker);
    return bag;
}

std::string TileBag::Take(GameRandom& random, std::size_t count) {
    std::string taken;
    while (taken.size() < count && !tiles_.empty()) {
        const std::size_t place = random.Below(static_cast<std::uint32_t>(tiles_.size()));
        taken.push_back(tiles_[place]);
        // The last tile fills the gap: the bag's order is part of what the seed repeats.
        tiles_[place] = tiles_.back();
        tiles_.pop_back();
    }
    return taken;
}

} // namespace zorvane::duplicate
