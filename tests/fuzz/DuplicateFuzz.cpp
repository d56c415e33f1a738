// The duplicate game's readers of typed and saved text: a move typed by the player and a
// saved game file. Any text gives an answer; a legal move fits the board and takes its
// tiles from the draw; a file that reads has its seed and moves in order.

#include "FuzzHarness.h"
#include "duplicate/GameFile.h"
#include "duplicate/MoveCheck.h"

#include <algorithm>

using namespace zorvane;

FUZZ_TARGET(input) {
    static const data::WordGraph words(std::vector<std::string_view>{"AS", "MOTS", "SA", "TA"});
    board::Position position;
    for (int i = 0; i < 4; ++i) {
        position.Set(7, 3 + i, "MOTS"[i]);
    }
    const std::string_view entry = input.substr(0, input.find('\n'));
    const duplicate::CheckedMove checked = duplicate::CheckMove(position, "AS?T", entry, words);
    FUZZ_CHECK(checked.Legal() || !checked.error.empty());
    if (checked.Legal()) {
        FUZZ_CHECK(board::FitsOn(position, checked.move));
        std::string tiles = board::TilesPlaced(position, checked.move);
        std::sort(tiles.begin(), tiles.end());
        const std::string draw = "?AST"; // sorted
        FUZZ_CHECK(std::includes(draw.begin(), draw.end(), tiles.begin(), tiles.end()));
    }
    const duplicate::GameTextResult read = duplicate::ReadGameText(input);
    FUZZ_CHECK(read.game.has_value() == read.error.empty());
}
