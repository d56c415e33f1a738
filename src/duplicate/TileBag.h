#pragma once
// The bag of a game: the 102 tiles of the French set at the start ('?' is a joker), drawn
// at random and given back when a draw is refused.

#include "board/Board.h"
#include "duplicate/GameRandom.h"

#include <string>
#include <string_view>

namespace zorvane::duplicate {

inline constexpr std::size_t kFullBag = 102;
using board::kJoker;

class TileBag {
public:
    // The full bag, in alphabetical order, jokers last.
    static TileBag Full();

    // Takes up to count tiles at random; fewer when the bag holds fewer.
    std::string Take(GameRandom& random, std::size_t count);
    void Return(std::string_view tiles) { tiles_ += tiles; }

    const std::string& Tiles() const { return tiles_; }
    std::size_t Size() const { return tiles_.size(); }
    bool Empty() const { return tiles_.empty(); }

private:
    std::string tiles_;
};

} // namespace zorvane::duplicate
