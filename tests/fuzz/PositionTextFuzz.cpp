// Position texts from a file or the input: any bytes are read or refused with a reason, a
// read position is written back to the same position, and every move the generator finds
// on it fits the board and scores what the scoring says.

#include "FuzzHarness.h"
#include "board/MoveGenerator.h"

#include <algorithm>

using namespace zorvane::board;

FUZZ_TARGET(input) {
    const PositionRead read = ReadPosition(input);
    FUZZ_CHECK(read.position.has_value() == read.error.empty());
    if (!read.position) {
        return;
    }
    const std::string written = WritePosition(*read.position);
    FUZZ_CHECK(written.size() == static_cast<std::size_t>(kSize * (kSize + 1)));
    FUZZ_CHECK(ReadPosition(written).position == read.position);

    static const zorvane::data::WordGraph words(
        std::vector<std::string_view>{"AA", "AS", "ES", "ETE", "SA", "SE", "TAS", "TE", "TES"});
    const std::string draw = "ES?A";
    for (const Move& move : GenerateMoves(*read.position, draw, words)) {
        FUZZ_CHECK(FitsOn(*read.position, move));
        FUZZ_CHECK(ScoreMove(*read.position, move, static_cast<int>(draw.size())) == move.score);
        std::string placed = TilesPlaced(*read.position, move);
        for (const char tile : draw) {
            const auto at = placed.find(tile);
            if (at != std::string::npos) {
                placed.erase(at, 1);
            }
        }
        FUZZ_CHECK(placed.empty()); // every tile laid came from the draw
    }
}
