#include "board/Draw.h"

#include "board/Position.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
#include <array>

namespace zorvane::board {
namespace {

constexpr std::string_view kEmptyDraw = "Le tirage est vide."_cp;
constexpr std::string_view kLongDraw = "Le tirage compte plus de 7 tuiles."_cp;
constexpr std::string_view kBadTile =
    " : seules les lettres A à Z et le joker « ? » forment un tirage."_cp;
constexpr std::string_view kJokers = "Le tirage compte plus de 2 jokers."_cp;

} // namespace

DrawRead ReadDraw(std::string_view text) {
    std::string tiles;
    for (const char c : text) {
        const char tile = IsJokerTile(c) ? LetterOf(c) : c;
        if (!IsLetterTile(tile) && tile != kJoker) {
            return {std::nullopt, std::string("« "_cp) + std::string(1, c) + std::string(" »"_cp) +
                                      std::string(kBadTile)};
        }
        tiles.push_back(tile);
    }
    if (tiles.empty()) {
        return {std::nullopt, std::string(kEmptyDraw)};
    }
    if (tiles.size() > static_cast<std::size_t>(kRackSize)) {
        return {std::nullopt, std::string(kLongDraw)};
    }
    if (std::count(tiles.begin(), tiles.end(), kJoker) > kJokerTiles) {
        return {std::nullopt, std::string(kJokers)};
    }
    return {tiles, {}};
}

std::string TilesBeyondSet(const Position& position, std::string_view draw) {
    std::array<int, 26> letters{};
    int jokers = 0;
    const auto count = [&](char tile) {
        if (IsLetterTile(tile)) {
            ++letters[static_cast<std::size_t>(tile - 'A')];
        } else if (IsJokerTile(tile) || tile == kJoker) {
            ++jokers;
        }
    };
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            count(position.At(row, column));
        }
    }
    for (const char tile : draw) {
        count(tile);
    }
    if (jokers > kJokerTiles) {
        return "Trop de jokers : " + std::to_string(jokers) + " pour " +
               std::to_string(kJokerTiles) + " dans le jeu.";
    }
    for (std::size_t letter = 0; letter < letters.size(); ++letter) {
        if (letters[letter] > kTilesPerLetter[letter]) {
            return std::string("Trop de ") + static_cast<char>('A' + letter) + " : " +
                   std::to_string(letters[letter]) + " pour " +
                   std::to_string(kTilesPerLetter[letter]) + " dans le jeu.";
        }
    }
    return {};
}

} // namespace zorvane::board
