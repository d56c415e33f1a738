#include "duplicate/TileBag.h"

#include "board/Board.h"

namespace zorvane::duplicate {

TileBag TileBag::Full() {
    TileBag bag;
    for (std::size_t letter = 0; letter < board::kTilesPerLetter.size(); ++letter) {
        bag.tiles_.append(static_cast<std::size_t>(board::kTilesPerLetter.at(letter)),
                          static_cast<char>('A' + letter));
    }
    bag.tiles_.append(board::kJokerTiles, board::kJoker);
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
