// Resource splitting and the filling of a synonym letter table from arbitrary bytes.

#include "FuzzHarness.h"
#include "data/ResourceText.h"
#include "data/TextHelpers.h"
#include "data/WordStore.h"

#include <string_view>

using namespace zorvane::data;

FUZZ_TARGET(data) {
    const std::vector<std::string> lines = SplitLines(data);

    // The split loses nothing and keeps no separator.
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_CHECK(lines[i].find("\r\n") == std::string::npos);
        joined += (i == 0 ? "" : "\r\n") + lines[i];
    }
    FUZZ_CHECK(joined == data);

    static SynonymLetterTable table;
    const int before = table.NbSyno;
    if (const auto broken = FillSynonymTable(table, lines)) {
        FUZZ_CHECK(!broken->empty());
        FUZZ_CHECK(table.NbSyno == before); // refused data leave the table as it was
        return;
    }
    FUZZ_CHECK(lines.size() <= kSynonymPlaces);
    FUZZ_CHECK(table.NbSyno == static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view headword = Headword(lines[i]);
        FUZZ_CHECK(headword.size() <= kMaxHeadwordLength);
        FUZZ_CHECK(table.Syno[i] == lines[i]);
        FUZZ_CHECK(table.CleSyno[i] == SubAccents(headword, headword.size()));
    }
}
