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

TEST(AnagramIndex, OverflowGrowsWithoutLosingWords) {
    AnagramIndex index;
    std::vector<std::string> words;
    // 13050 distinct permutations of one multiset share one bucket.
    std::string word = "ABCDEFGHIJ";
    for (int i = 0; i < 13050 && std::next_permutation(word.begin(), word.end()); ++i) {
        words.push_back(word);
    }
    BuildIndex(index, words);
    EXPECT_EQ(Paquet(index, "JIHGFEDCBA"), words);
}
