// The anagram search on arbitrary draws, minimum lengths and mandatory texts over a small
// word list, compared with letter counting and with a plain walk of the subsets in order.
//
// Input: draw, LF, "Mini lettres" text, LF, mandatory text.

#include "FuzzCheck.h"
#include "FuzzText.h"
#include "anagram/AnagramIndex.h"
#include "anagram/AnagramSearch.h"
#include "anagram/PackedIndex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace zorvane::anagram;

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

// The letters of a subset in ascending order, 5 bits each, as one number; 0 when a letter
// is not a capital (no word of the list holds one).
class SortedKey {
public:
    void Add(char letter) {
        const bool capital = letter >= 'A' && letter <= 'Z';
        valid_ = valid_ && capital;
        value_ = value_ << 5 | static_cast<std::uint64_t>(capital ? letter - 'A' + 1 : 0);
    }
    std::uint64_t Value() const { return valid_ ? value_ : 0; }

private:
    std::uint64_t value_ = 0;
    bool valid_ = true;
};

// Built once: the index the search reads, and the spellable words by letter key.
struct Index {
    Index() : index(Built()), packed(index) {
        for (const std::string& word : kWords) {
            std::string letters = word;
            std::sort(letters.begin(), letters.end());
            SortedKey key;
            for (const char letter : letters) {
                key.Add(letter);
            }
            std::vector<std::string>& words = byKey[key.Value()];
            if (key.Value() != 0 && word.size() <= kMaxDraw &&
                std::find(words.begin(), words.end(), word) == words.end()) {
                words.push_back(word);
            }
        }
        byKey.erase(0);
    }
    static AnagramIndex Built() {
        AnagramIndex built;
        BuildIndex(built, kWords);
        return built;
    }

    const AnagramIndex index;
    const PackedIndex packed;                                          // views into index
    std::unordered_map<std::uint64_t, std::vector<std::string>> byKey; // in list order
};

const Index& TheIndex() {
    static const Index built;
    return built;
}

// Whether the draw's letters, the joker standing for any one letter, hold the word's.
FUZZ_REFERENCE bool Spells(std::string_view letters, std::string_view word) {
    std::array<int, 256> left{};
    for (const char c : letters) {
        ++left[static_cast<unsigned char>(c)];
    }
    int jokers = left[static_cast<unsigned char>(kJoker)];
    for (const char c : word) {
        if (left[static_cast<unsigned char>(c)]-- == 0) {
            left[static_cast<unsigned char>(c)] = 0;
            if (jokers-- == 0) {
                return false;
            }
        }
    }
    return true;
}

// The words in the window's order: longest first, then joker letter A to Z, then subsets of
// higher mask first, a word kept where it is met first.
FUZZ_REFERENCE std::vector<std::string> WalkedOrder(std::string letters, int minimum) {
    const std::size_t n = letters.size();
    const std::size_t joker = letters.find(kJoker);
    std::array<std::vector<unsigned>, kMaxDraw + 1> masksOfLength;
    for (unsigned mask = (1U << n) - 1; mask >= 3; --mask) {
        masksOfLength[static_cast<std::size_t>(std::popcount(mask))].push_back(mask);
    }
    std::set<std::string> met;
    std::vector<std::string> order;
    for (int length = static_cast<int>(n); length >= minimum; --length) {
        for (char stand = 'A'; stand <= (joker == std::string::npos ? 'A' : 'Z'); ++stand) {
            if (joker != std::string::npos) {
                letters[joker] = stand;
            }
            // Picking the places in letter order gives each subset's key already sorted.
            std::vector<std::size_t> places(n);
            std::iota(places.begin(), places.end(), 0);
            std::stable_sort(places.begin(), places.end(), [&](std::size_t x, std::size_t y) {
                return static_cast<unsigned char>(letters[x]) <
                       static_cast<unsigned char>(letters[y]);
            });
            for (const unsigned mask : masksOfLength[static_cast<std::size_t>(length)]) {
                SortedKey key;
                for (const std::size_t place : places) {
                    if ((mask >> (n - 1 - place) & 1) != 0) {
                        key.Add(letters[place]);
                    }
                }
                const auto words = TheIndex().byKey.find(key.Value());
                if (words == TheIndex().byKey.end()) {
                    continue;
                }
                for (const std::string& word : words->second) {
                    if (met.insert(word).second) {
                        order.push_back(word);
                    }
                }
            }
        }
    }
    return order;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(bytes), size);
    const std::string_view draw = TakeLine(input);
    const std::string_view mini = TakeLine(input);
    const std::string_view mandatory = input;

    const AnagramResult result = ChercheAnagrammes(TheIndex().packed, draw, mini, mandatory);
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
        return 0;
    }
    const int minimum = LongueurMini(mini);
    FUZZ_CHECK(minimum >= 2 && minimum <= 15);

    // Exactly the spellable words of the window's lengths, each once.
    std::set<std::string> expected;
    std::size_t spelled = 0;
    for (const auto& [key, words] : TheIndex().byKey) {
        for (const std::string& word : words) {
            if (static_cast<int>(word.size()) >= minimum && word.size() <= letters.size() &&
                Spells(letters, word)) {
                ++spelled;
                if (mandatory.empty() || word.find(mandatory) != std::string::npos) {
                    expected.insert(word);
                }
            }
        }
    }
    const std::set<std::string> found(result.combined.begin(), result.combined.end());
    FUZZ_CHECK(found.size() == result.combined.size());
    FUZZ_CHECK(found == expected);
    FUZZ_CHECK(result.accepted == spelled);

    // The order of the walk, and each length's list the same words in the same order.
    std::vector<std::string> walked;
    for (const std::string& word : WalkedOrder(letters, minimum)) {
        if (mandatory.empty() || word.find(mandatory) != std::string::npos) {
            walked.push_back(word);
        }
    }
    FUZZ_CHECK(
        std::equal(result.combined.begin(), result.combined.end(), walked.begin(), walked.end()));
    FUZZ_CHECK(result.byLength[0].empty() && result.byLength[1].empty());
    for (std::size_t length = 2; length <= kMaxDraw; ++length) {
        std::vector<std::string_view> ofLength;
        std::copy_if(result.combined.begin(), result.combined.end(), std::back_inserter(ofLength),
                     [&](std::string_view word) { return word.size() == length; });
        FUZZ_CHECK(result.byLength[length] == ofLength);
    }
    return 0;
}
