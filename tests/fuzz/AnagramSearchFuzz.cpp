// The anagram search on arbitrary draws, minimum lengths and mandatory texts over a small
// word list, compared with letter counting and with a plain walk of the subsets in order.
//
// Input: draw, LF, "Mini lettres" text, LF, mandatory text.

#include "FuzzHarness.h"
#include "anagram/AnagramSearch.h"
#include "anagram/PackedIndex.h"
#include "support/AnagramOracle.h"

#include <sstream>

using namespace zorvane::anagram;
using zorvane::testing::Spellable;
using zorvane::testing::WalkedOrder;

namespace {

// Anagram groups, repeated letters, a repeat, words no draw can spell (lower case, accent,
// 13 letters) and words sharing a bucket without being anagrams.
const std::vector<std::string> kWords = [] {
    std::vector<std::string> words;
    std::istringstream list(
        "CHIEN NICHE CHINE AA AI IA ANA NANA ANANAS SALE ELSA LASE SALE "
        "RATE TARE TERA ARETE TRAITE ATTIRE RATITE ZZZ ZOO OZONE chat \xC9T\xC9 "
        "ABCDEFGHIJKLM ABCDEFGHIJKL LIMONADE DEMOLINA MOI MI IM EU UE QI");
    for (std::string word; list >> word;) {
        words.push_back(word);
    }
    return words;
}();

// The words a draw can spell: in capitals.
const std::vector<std::string> kSpellable = [] {
    std::vector<std::string> words;
    std::copy_if(kWords.begin(), kWords.end(), std::back_inserter(words), [](const auto& word) {
        return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    });
    return words;
}();

const PackedIndex& Packed() {
    static const AnagramIndex index = [] {
        AnagramIndex built;
        BuildIndex(built, kWords);
        return built;
    }();
    static const PackedIndex packed(index);
    return packed;
}

} // namespace

FUZZ_TARGET(input) {
    const std::string_view draw = TakePart(input);
    const std::string_view mini = TakePart(input);
    const std::string mandatory(input);

    const AnagramResult result = ChercheAnagrammes(Packed(), draw, mini, mandatory);
    std::string letters;
    for (const char c : draw) {
        if (c != ' ' && letters.size() < kMaxDraw) {
            letters += c;
        }
    }
    const bool twoJokers = std::count(letters.begin(), letters.end(), kJoker) >= 2;
    FUZZ_CHECK(result.refused == twoJokers);
    if (twoJokers) {
        FUZZ_CHECK(result.combined.empty() && result.accepted == 0);
        return;
    }
    const int minimum = LongueurMini(mini);
    FUZZ_CHECK(minimum >= 2 && minimum <= 15);

    // Exactly the spellable words in the walk's order, and each length's list the same
    // words in the same order.
    const std::vector<std::string> walked = WalkedOrder(kSpellable, letters, minimum, mandatory);
    std::vector<std::string> sorted(result.combined.begin(), result.combined.end());
    std::sort(sorted.begin(), sorted.end());
    FUZZ_CHECK(sorted == Spellable(kSpellable, letters, minimum, mandatory));
    FUZZ_CHECK(result.accepted == Spellable(kSpellable, letters, minimum, "").size());
    FUZZ_CHECK(
        std::equal(result.combined.begin(), result.combined.end(), walked.begin(), walked.end()));
    FUZZ_CHECK(result.byLength[0].empty() && result.byLength[1].empty());
    for (std::size_t length = 2; length <= kMaxDraw; ++length) {
        std::vector<std::string_view> ofLength;
        std::copy_if(result.combined.begin(), result.combined.end(), std::back_inserter(ofLength),
                     [&](std::string_view word) { return word.size() == length; });
        FUZZ_CHECK(result.byLength[length] == ofLength);
    }
}
