#include "anagram/AnagramSearch.h"

#include "anagram/DrawScan.h"
#include "support/AnagramOracle.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace zorvane::anagram;
using zorvane::testing::Spellable;
using zorvane::testing::WalkedOrder;

namespace {

using Words = std::vector<std::string>;

// The anagram list's order: by length, then alphabetically.
Words InListOrder(Words words) {
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return words;
}

const AnagramIndex& Filled(AnagramIndex& index, const Words& list) {
    BuildIndex(index, list);
    return index;
}

struct Searcher {
    AnagramIndex index;
    PackedIndex packed;
    explicit Searcher(const Words& list) : packed(Filled(index, list)) {}
    AnagramResult Run(std::string_view draw, std::string_view minimum = "2",
                      std::string_view mandatory = "") const {
        return ChercheAnagrammes(packed, draw, minimum, mandatory);
    }
};

Words Texts(const std::vector<std::string_view>& views) {
    return {views.begin(), views.end()};
}

} // namespace

TEST(ChercheAnagrammes, HandCheckedDraws) {
    const Searcher search(InListOrder(
        {"AH", "CA", "HA", "TA", "TAC", "CHAT", "CHTI", "TCHI", "CHUT", "CHATS", "ZOO", "HACHE"}));
    const AnagramResult chat = search.Run("CHAT");
    EXPECT_EQ(Texts(chat.combined), (Words{"CHAT", "TAC", "CA", "AH", "HA", "TA"}));
    EXPECT_EQ(Texts(chat.byLength[2]), (Words{"CA", "AH", "HA", "TA"}));
    EXPECT_EQ(Texts(chat.byLength[4]), Words{"CHAT"});
    EXPECT_EQ(Texts(search.Run("CHAT", "3").combined), (Words{"CHAT", "TAC"}));
    // Left out by the mandatory letter, but accepted all the same.
    const AnagramResult withH = search.Run("C H A T", "2", "H");
    EXPECT_EQ(Texts(withH.combined), (Words{"CHAT", "AH", "HA"}));
    EXPECT_EQ(withH.accepted, 6U);
    // The joker: letters in turn, the words of pass A first.
    EXPECT_EQ(Texts(search.Run("CH?T", "4").combined), (Words{"CHAT", "CHTI", "TCHI", "CHUT"}));
    EXPECT_TRUE(search.Run("ZO??").refused);
    EXPECT_TRUE(search.Run("A").combined.empty());
    EXPECT_TRUE(search.Run("CHATHACHEZOO", "15").combined.empty());
}

TEST(ChercheAnagrammes, SharedBucketsAndRepeatsAreFiltered) {
    // ACCIDENTELS's key lands on the bucket of ACDEILNORST, which the draw spells with the
    // joker as D, but it needs a second C and a second E.
    const Searcher search({"ACCIDENTELS", "CHAT", "CHAT", "TACH", "TACH"});
    EXPECT_TRUE(search.Run("AEINRSTLOC?", "11").combined.empty());
    EXPECT_EQ(Texts(search.Run("ACCIDENTELS", "11").combined), Words{"ACCIDENTELS"});
    // A further word stored twice in its bucket is listed once.
    EXPECT_EQ(Texts(search.Run("TACH", "4").combined), (Words{"CHAT", "TACH"}));
    // 13050 permutations of one multiset share one bucket, which grows to hold them all.
    Words permutations;
    std::string word = "ABCDEFGHIJ";
    for (int i = 0; i < 13050 && std::next_permutation(word.begin(), word.end()); ++i) {
        permutations.push_back(word);
    }
    EXPECT_EQ(Texts(Searcher(permutations).Run("JIHGFEDCBA", "10").combined), permutations);
}

TEST(ChercheAnagrammes, AgreesWithOraclesOnRandomDraws) {
    std::mt19937 random(20240611);
    // Frequent letters first, so that draws spell many words and repeat letters.
    const std::string alphabet = "EEEAAASSIINNRRTTOULCDMPGBHVFQJXZ";
    auto letter = [&] { return alphabet[random() % alphabet.size()]; };
    Words list;
    for (int i = 0; i < 6000; ++i) {
        std::string word(2 + random() % 9, ' ');
        std::generate(word.begin(), word.end(), letter);
        list.push_back(word);
    }
    list.push_back(list[17]); // a repeat
    list = InListOrder(list);
    const Searcher search(list);
    std::string bytes;
    for (const std::string& word : list) {
        bytes += word + "\r\n";
    }
    for (int round = 0; round < 300; ++round) {
        std::string draw(2 + random() % 11, ' ');
        std::generate(draw.begin(), draw.end(), letter);
        if (round % 2 == 0) {
            draw[random() % draw.size()] = '?';
        }
        const int minimum = 2 + static_cast<int>(random() % 4);
        const std::string mandatory = round % 3 == 0 ? std::string(1, letter()) : "";
        const AnagramResult result = search.Run(draw, std::to_string(minimum), mandatory);
        const Words shown = Texts(result.combined);
        Words sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        SCOPED_TRACE(draw + " min " + std::to_string(minimum) + " mandatory " += mandatory);
        ASSERT_EQ(sorted, Spellable(list, draw, minimum, mandatory));
        EXPECT_EQ(result.accepted, Spellable(list, draw, minimum, "").size());
        for (std::size_t length = 2; length <= kMaxDraw; ++length) {
            Words ofLength;
            std::copy_if(shown.begin(), shown.end(), std::back_inserter(ofLength),
                         [&](const std::string& w) { return w.size() == length; });
            EXPECT_EQ(Texts(result.byLength[length]), ofLength);
        }
        EXPECT_EQ(shown, WalkedOrder(list, draw, minimum, mandatory));
        EXPECT_EQ(OneShotSearch(bytes, draw, minimum, mandatory), shown);
        // The command line's second joker: the same words as the oracle's, once each.
        draw[0] = '?';
        Words twoJokers = OneShotSearch(bytes, draw, minimum, mandatory);
        std::sort(twoJokers.begin(), twoJokers.end());
        EXPECT_EQ(twoJokers, Spellable(list, draw, minimum, mandatory)) << draw;
    }
}

TEST(LongueurMini, ReadsANumberRoundedHalfToEvenWithin2And15) {
    const std::pair<std::string_view, int> cases[] = {
        {"5", 5}, {" 7 ", 7}, {"4.5", 4}, {"5.5", 6}, {"9abc", 9},
        {"", 2},  {"abc", 2}, {"-8", 2},  {"1", 2},   {"99999999999999999999", 15}};
    for (const auto& [typed, minimum] : cases) {
        EXPECT_EQ(LongueurMini(typed), minimum) << typed;
    }
}
