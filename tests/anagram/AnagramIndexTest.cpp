#include "anagram/AnagramIndex.h"

#include <gtest/gtest.h>

using namespace zorvane::anagram;

namespace {

std::vector<std::string> Paquet(const AnagramIndex& index, std::string_view letters) {
    std::vector<std::string_view> views;
    index.CherchePaquet(letters, views);
    return {views.begin(), views.end()};
}

// Two keys whose buckets collide: a word with the key ACHT, and the words found by
// walking lengths until a different key lands on the same bucket.
std::string CollidingWord(std::string_view with) {
    const std::int32_t target = HachageCle(TriLettres(with));
    std::string word = "AAAA";
    for (;;) {
        for (std::size_t i = word.size(); i-- > 0;) {
            if (word[i] < 'Z') {
                ++word[i];
                break;
            }
            word[i] = 'A';
        }
        if (HachageCle(TriLettres(word)) == target && TriLettres(word) != TriLettres(with)) {
            return word;
        }
    }
}

} // namespace

TEST(HachageCle, MatchesKnownBuckets) {
    EXPECT_EQ(TriLettres("CHAT"), "ACHT");
    EXPECT_EQ(HachageCle("AA"), 16705);
    EXPECT_EQ(HachageCle("ACHT"), 32620);
    EXPECT_EQ(HachageCle(""), 0);
    // Leading NULs leave the number at 0, so they do not change the bucket.
    EXPECT_EQ(HachageCle(std::string("\0\0ACHT", 6)), 32620);
    EXPECT_EQ(TriLettres(std::string("ZY\0", 3)), std::string("\0YZ", 3));
    // Bytes above 127 count as unsigned codes.
    EXPECT_EQ(HachageCle("\xE9"), 0xE9);
}

TEST(AnagramIndex, ReturnsTheBucketInListOrder) {
    AnagramIndex index;
    const std::string other = CollidingWord("CHAT");
    BuildIndex(index, {"AA", "CHAT", other, "TACH"});
    const std::vector<std::string> expected{"CHAT", other, "TACH"};
    EXPECT_EQ(Paquet(index, "CHAT"), expected);
    EXPECT_EQ(Paquet(index, "HCTA"), expected);
    // The colliding word's own letters reach the same bucket, unfiltered.
    EXPECT_EQ(Paquet(index, other), expected);
    EXPECT_EQ(Paquet(index, "AA"), std::vector<std::string>{"AA"});
    std::vector<std::string_view> none{"stale"};
    EXPECT_FALSE(index.CherchePaquet("QQQ", none));
    EXPECT_TRUE(none.empty());
}

TEST(AnagramIndex, RepeatsOfFirstAndFurtherWords) {
    AnagramIndex index;
    BuildIndex(index, {"CHAT", "TACH", "CHAT", "TACH", ""});
    // A repeat of the first word adds nothing; a repeat of a further word is stored again.
    EXPECT_EQ(Paquet(index, "ACHT"), (std::vector<std::string>{"CHAT", "TACH", "TACH"}));
    EXPECT_EQ(index.ProchainMotAna(), 3);
    // The empty word leaves bucket 0 empty.
    EXPECT_TRUE(index.TabAna()[0].Mot.empty());
}

TEST(AnagramIndex, OverflowGrowsByDoublingWithoutLosingWords) {
    AnagramIndex index;
    std::vector<std::string> words;
    // 13050 distinct permutations of one multiset share one bucket.
    std::string word = "ABCDEFGHIJ";
    for (int i = 0; i < 13050 && std::next_permutation(word.begin(), word.end()); ++i) {
        words.push_back(word);
    }
    BuildIndex(index, words);
    EXPECT_EQ(index.CapaciteMotsAna(), 26094);
    EXPECT_EQ(index.MotsAna().size(), 26095U);
    const std::vector<std::string> paquet = Paquet(index, "JIHGFEDCBA");
    EXPECT_EQ(paquet, words);
}
