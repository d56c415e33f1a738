// The pattern search on arbitrary lengths and patterns over a small word list, compared with
// a check of every word of the list.
//
// Input: one byte for the length (0 to 16, outside 1 to 15 refused), then the pattern.

#include "FuzzHarness.h"
#include "crossword/LengthTable.h"
#include "crossword/PatternSearch.h"
#include "support/PatternOracle.h"

#include <algorithm>
#include <stdexcept>

using namespace zorvane::crossword;

namespace {

// By length, then alphabetically, as the anagram list; the last one carries the padding.
const std::vector<std::string> kListeAna = {
    "A",      "AA",       "AI",        "IA",          "ANE",
    "ARA",    "EAU",      "ETE",       "NIE",         "CHAT",
    "CHIC",   "CHIEN",    "CHINE",     "NICHE",       "ARETES",
    "NICHEE", "LIMONADE", "MAISONNEE", "ABAISSERENT", std::string("ACCOMPAGNEMENTS\0\0\0\0", 19)};

} // namespace

FUZZ_TARGET(input) {
    if (input.empty()) {
        return;
    }
    const int length = static_cast<unsigned char>(input[0]) % 17;
    const std::string_view pattern = input.substr(1);
    static const LengthTable lengths = FillLengthTable(kListeAna);
    const bool validLength = length >= 1 && length <= 15;
    if (length >= 3 && validLength) {
        // A pattern must keep one known letter at least.
        const int most = MaxUnknownPlaces(length);
        FUZZ_CHECK(most >= 1 && most < length);
        const auto unknowns = std::count(pattern.begin(), pattern.end(), kUnknownPlace);
        FUZZ_CHECK(TooManyUnknowns(length, static_cast<int>(unknowns)) == (unknowns > most));
    }

    const bool fits = pattern.size() == static_cast<std::size_t>(length);
    std::vector<std::string_view> found;
    bool refused = false;
    try {
        found = ChercheMotsCroises(kListeAna, lengths, length, pattern);
    } catch (const std::out_of_range&) {
        refused = true;
        FUZZ_CHECK(!validLength);
    } catch (const std::invalid_argument&) {
        refused = true;
        FUZZ_CHECK(validLength && !fits);
    }
    FUZZ_CHECK(refused == !(validLength && fits));
    const std::vector<std::string> expected = zorvane::testing::EveryMatch(kListeAna, pattern);
    FUZZ_CHECK(refused || std::equal(found.begin(), found.end(), expected.begin(), expected.end()));
}
