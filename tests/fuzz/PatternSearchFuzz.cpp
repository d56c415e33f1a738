// The pattern search on arbitrary lengths and patterns over a small word list, compared with
// a check of every word of the list.
//
// Input: one byte for the length (0 to 16, outside 1 to 15 refused), then the pattern.

#include "FuzzCheck.h"
#include "FuzzText.h"
#include "crossword/LengthTable.h"
#include "crossword/PatternSearch.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using namespace zorvane::crossword;

namespace {

// By length, then alphabetically, as the anagram list; the last one carries the padding.
const std::vector<std::string>& ListeAna() {
    static const std::vector<std::string> list = {
        "A",        "AA",        "AI",          "IA",
        "ANE",      "ARA",       "EAU",         "ETE",
        "NIE",      "CHAT",      "CHIC",        "CHIEN",
        "CHINE",    "NICHE",     "ARETES",      "NICHEE",
        "LIMONADE", "MAISONNEE", "ABAISSERENT", std::string("ACCOMPAGNEMENTS\0\0\0\0", 19)};
    return list;
}

FUZZ_REFERENCE std::vector<std::string_view> EveryMatch(std::size_t length,
                                                        std::string_view pattern) {
    const std::string upper = AsciiUpper(pattern);
    std::vector<std::string_view> matches;
    for (const std::string& entry : ListeAna()) {
        const std::string_view word(entry.c_str());
        bool agrees = word.size() == length;
        for (std::size_t i = 0; agrees && i < length; ++i) {
            agrees = pattern[i] == kUnknownPlace || upper[i] == word[i];
        }
        if (agrees) {
            matches.push_back(word);
        }
    }
    return matches;
}

void CheckUnknownLimit(int length, std::string_view pattern) {
    if (length < 3 || length > 15) {
        bool refused = false;
        try {
            MaxUnknownPlaces(length);
        } catch (const std::out_of_range&) {
            refused = true;
        }
        FUZZ_CHECK(refused);
        return;
    }
    // A pattern must keep one known letter at least.
    const int most = MaxUnknownPlaces(length);
    FUZZ_CHECK(most >= 1 && most < length);
    const auto unknowns =
        static_cast<int>(std::count(pattern.begin(), pattern.end(), kUnknownPlace));
    FUZZ_CHECK(TooManyUnknowns(length, unknowns) == (unknowns > most));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int length = bytes[0] % 17;
    const std::string_view pattern(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    static const LengthTable lengths = FillLengthTable(ListeAna());
    CheckUnknownLimit(length, pattern);

    const bool validLength = length >= 1 && length <= 15;
    const bool fits = pattern.size() == static_cast<std::size_t>(length);
    std::vector<std::string_view> found;
    bool refused = false;
    try {
        found = ChercheMotsCroises(ListeAna(), lengths, length, pattern);
    } catch (const std::out_of_range&) {
        refused = true;
        FUZZ_CHECK(!validLength);
    } catch (const std::invalid_argument&) {
        refused = true;
        FUZZ_CHECK(validLength && !fits);
    }
    FUZZ_CHECK(refused == !(validLength && fits));
    if (!refused) {
        FUZZ_CHECK(found == EveryMatch(static_cast<std::size_t>(length), pattern));
    }
    return 0;
}
