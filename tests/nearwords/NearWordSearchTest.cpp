// The near-word search: result lines, thresholds, the lengths option, rounding, pruning.

#include "nearwords/NearWordSearch.h"

#include "data/Cp1252Literal.h"
#include "data/InternalError.h"
#include "data/ResourceText.h"
#include "nearwords/NearWordFailure.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace {

using namespace zorvane::nearwords;
using namespace zorvane;

const std::vector<std::string> kWords = {"AISON",   "BATEAU", "MAIS",      "MAISON",
                                         "MAISONS", "RAISON", "ABCDEFGHIJ"};

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text(kResultHeader);
    for (const std::string_view line : lines) {
        text += "\r\n";
        text += line;
    }
    return text;
}

TEST(ResultLine, WordColumnLengthAndPercentage) {
    EXPECT_EQ(ResultLine("MAISON", 10000), "MAISON          6  100%");
    EXPECT_EQ(ResultLine("ABCDEFGHIJ", 8333), "ABCDEFGHIJ      10 83%");
    EXPECT_EQ(ResultLine("ABCDEFGHIJKLMNO", 9999), "ABCDEFGHIJKLMNO 15 99%");
    EXPECT_EQ(ResultLine("ABCDEFGHI", 512), "ABCDEFGHI       9   5%");
}

TEST(HundredthsOfPercent, TwoDecimalsHalfToEven) {
    EXPECT_EQ(HundredthsOfPercent(0.125), 12);
    EXPECT_EQ(HundredthsOfPercent(0.375), 38);
    EXPECT_EQ(HundredthsOfPercent(83.3333), 8333);
    EXPECT_EQ(HundredthsOfPercent(89.994), 8999);
    EXPECT_EQ(HundredthsOfPercent(89.996), 9000); // rounds up into 90 per cent
}

TEST(NearWordSearch, ThresholdsAndLengthsOption) {
    // MAISONS: 12/13 = 92.31; AISON: 10/11 = 90.91; RAISON: 10/12 = 83.33.
    const NearWordResult at90 = NearWordSearch(kWords, "maison", 90, true);
    EXPECT_EQ(ResultText(at90), Lines({"AISON           5  90%", "MAISON          6  100%",
                                       "MAISONS         7  92%"}));
    EXPECT_EQ(at90.count, 3);
    EXPECT_EQ(ResultText(NearWordSearch(kWords, "MAISON", 80, true)),
              Lines({"AISON           5  90%", "MAISON          6  100%", "MAISONS         7  92%",
                     "RAISON          6  83%"}));
    const NearWordResult sameLength = NearWordSearch(kWords, "MAISON", 70, false);
    EXPECT_EQ(ResultText(sameLength), Lines({"MAISON          6  100%", "RAISON          6  83%"}));
    EXPECT_EQ(sameLength.count, 2);
    // Exactly 90 per cent reaches 90: nine letters of ten matched.
    EXPECT_EQ(ResultText(NearWordSearch(kWords, "ABCDXFGHIJ", 90, false)),
              Lines({"ABCDEFGHIJ      10 90%"}));
    const NearWordResult none = NearWordSearch(kWords, "ZZZZZZ", 70, true);
    EXPECT_EQ(ResultText(none), kResultHeader);
    EXPECT_EQ(none.count, 0);
}

// Words over few letters: many come close to the bound and sit right at the thresholds.
std::vector<std::string> CrowdedWords() {
    std::mt19937 random(7);
    std::vector<std::string> words;
    for (int i = 0; i < 6000; ++i) {
        std::string word(std::uniform_int_distribution<std::size_t>(2, 12)(random), 'A');
        for (char& c : word) {
            c = "AEIRST"[std::uniform_int_distribution<int>(0, 5)(random)];
        }
        words.push_back(word);
    }
    return words;
}

TEST(NearWordSearch, MatchBoundSkipsOnlyWordsThatCannotReach) {
    std::ifstream file(ZORVANE_DICO_FILE, std::ios::binary);
    const std::vector<std::string> dico = zorvane::data::SplitLines(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    const std::vector<std::string> crowded = CrowdedWords();
    for (const std::string_view typed :
         {"BE", "PARCHEMIN", "ENTRAINES", "ORTHOGRAPHIE", "TERRASSER"}) {
        for (const int threshold : {90, 80, 70}) {
            for (const bool lengthsPlusMinusOne : {true, false}) {
                SCOPED_TRACE(std::string(typed) + " " + std::to_string(threshold));
                const auto& words = typed == "TERRASSER" ? crowded : dico;
                const NearWordResult pruned =
                    NearWordSearch(words, typed, threshold, lengthsPlusMinusOne);
                const NearWordResult plain =
                    NearWordSearch(words, typed, threshold, lengthsPlusMinusOne, Pruning::None);
                EXPECT_EQ(pruned.words, plain.words);
                EXPECT_EQ(pruned.count, plain.count);
            }
        }
    }
    for (const std::string_view typed : {"RESISTA", "TARTE", "SIESTER"}) {
        const NearWordResult pruned = NearWordSearch(crowded, typed, 70, true);
        EXPECT_GT(pruned.count, 0) << typed;
        EXPECT_EQ(pruned.words, NearWordSearch(crowded, typed, 70, true, Pruning::None).words);
    }
}

TEST(NearWordSearch, CountPast32767IsAnOverflow) {
    std::vector<std::string> words(32767, "MAISON");
    EXPECT_EQ(NearWordSearch(words, "MAISON", 90, false).count, 32767);
    words.emplace_back("MAISON");
    try {
        NearWordSearch(words, "MAISON", 90, false);
        FAIL() << "no overflow";
    } catch (const CountOverflow&) {
        EXPECT_EQ(zorvane::data::CurrentFailureText(kPlaceNearWords),
                  std::string("Dépassement de capacité"_cp) + std::string(17, ' ') +
                      "\r\nErreur interne 021 - 6");
    }
}

} // namespace
