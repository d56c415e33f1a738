// The synonym lookup on an arbitrary typed text over arbitrary synonym lines: the prefix
// list and the exact lookup compared with a plain scan of the table the key selects.
//
// Input: the typed text, LF, then the lines of that table, one per LF.

#include "FuzzHarness.h"
#include "data/Cp1252Case.h"
#include "synonyms/SynonymLookup.h"

#include <string>
#include <string_view>
#include <vector>

using namespace zorvane;
using namespace zorvane::synonyms;

namespace {

ZORVANE_ORACLE bool KeyBegins(const std::string& stored, std::string_view key) {
    return data::ToLowerCp1252(stored).compare(0, key.size(), key) == 0 &&
           stored.size() >= key.size();
}

} // namespace

FUZZ_TARGET(input) {
    const std::string_view typed = TakePart(input);
    std::vector<std::string> lines;
    while (!input.empty()) {
        lines.emplace_back(TakePart(input));
    }
    const std::string key = SearchKey(typed);
    const char letter = TableLetter(key);
    // One store for the whole run (26 tables of 4300 places): places past NbSyno are never
    // read, so emptying the table is setting it to 0.
    static data::WordStore store;
    data::SynonymLetterTable& table = store.Syno(letter != 0 ? letter : 'A');
    table.NbSyno = 0;
    const bool filled = !data::FillSynonymTable(table, lines);
    FUZZ_CHECK(filled || table.NbSyno == 0);

    const SynonymLookup lookup(store);
    const PrefixListResult prefixes = lookup.PrefixList(key);
    const SynonymResult exact = lookup.Lookup(key, typed);
    FUZZ_CHECK(prefixes.failure.empty() && exact.failure.empty());
    FUZZ_CHECK(!prefixes.message.empty() && !exact.message.empty());

    std::vector<std::string_view> expected;
    const data::SynonymLetterTable* scanned = letter != 0 ? &table : nullptr;
    std::size_t firstExact = lines.size();
    for (int i = 0; scanned != nullptr && i < scanned->NbSyno; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (KeyBegins(table.CleSyno[at], key)) {
            expected.push_back(data::Headword(table.Syno[at]));
            if (table.CleSyno[at].size() == key.size() && firstExact == lines.size()) {
                firstExact = at;
            }
        }
    }
    FUZZ_CHECK(prefixes.headwords ==
               (key.size() >= 2 ? expected : std::vector<std::string_view>{}));
    FUZZ_CHECK(exact.found == (firstExact < lines.size()));
    if (exact.found) {
        FUZZ_CHECK(exact.headword == data::Headword(table.Syno[firstExact]));
    }
    FUZZ_CHECK(exact.synonyms.size() <= 21);
}
