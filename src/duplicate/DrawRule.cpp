#include "duplicate/DrawRule.h"

#include <algorithm>

namespace zorvane::duplicate {
namespace {

struct Kinds {
    int vowels = 0;
    int consonants = 0;
    int either = 0; // jokers and Y
};

Kinds Count(std::string_view tiles) {
    Kinds kinds;
    for (const char tile : tiles) {
        if (tile == kJoker || tile == 'Y') {
            ++kinds.either;
        } else if (std::string_view("AEIOU").find(tile) != std::string_view::npos) {
            ++kinds.vowels;
        } else {
            ++kinds.consonants;
        }
    }
    return kinds;
}

// Whether the tiles that count as either can make up what the others lack.
bool Enough(const Kinds& kinds, int required) {
    return std::max(0, required - kinds.vowels) + std::max(0, required - kinds.consonants) <=
           kinds.either;
}

// Whether some choice of size tiles among these meets the rule: try every mix of vowels,
// consonants and either-tiles that the tiles hold.
bool SomeDrawMeetsRule(std::string_view tiles, std::size_t size, int required) {
    const Kinds all = Count(tiles);
    const int wanted = static_cast<int>(size);
    for (int vowels = 0; vowels <= std::min(all.vowels, wanted); ++vowels) {
        for (int either = 0; either <= std::min(all.either, wanted - vowels); ++either) {
            const int consonants = wanted - vowels - either;
            if (consonants <= all.consonants && Enough({vowels, consonants, either}, required)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int RequiredEach(int moveNumber) {
    return moveNumber <= kLastStrictMove ? 2 : 1;
}

bool MeetsRule(std::string_view draw, int moveNumber) {
    return Enough(Count(draw), RequiredEach(moveNumber));
}

std::optional<Draw> DrawTiles(TileBag& bag, const std::string& leftover, int moveNumber,
                              GameRandom& random) {
    const std::string all = leftover + bag.Tiles();
    const std::size_t size = std::min(kDrawSize, all.size());
    if (size == 0 || !SomeDrawMeetsRule(all, size, RequiredEach(moveNumber))) {
        return std::nullopt;
    }
    Draw draw{leftover, bag.Take(random, kDrawSize - leftover.size()), 0};
    while (!MeetsRule(draw.Tiles(), moveNumber)) {
        // Possible, so it comes in a few tries: the whole draw goes back, leftover included.
        bag.Return(draw.Tiles());
        draw.kept.clear();
        draw.added = bag.Take(random, kDrawSize);
        ++draw.refused;
    }
    return draw;
}

} // namespace zorvane::duplicate
