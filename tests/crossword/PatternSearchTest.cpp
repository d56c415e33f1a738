// The pattern search against a check of every word of the list, the length table, the
// refusal rule and the texts.

#include "crossword/PatternSearch.h"

#include "crossword/PatternMessages.h"
#include "data/Cp1252Literal.h"
#include "support/PatternOracle.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace zorvane;
using namespace zorvane::crossword;
using zorvane::testing::EveryMatch;

namespace {

std::vector<std::string> Search(const std::vector<std::string>& list, const std::string& pattern) {
    const auto found =
        ChercheMotsCroises(list, FillLengthTable(list), static_cast<int>(pattern.size()), pattern);
    return {found.begin(), found.end()};
}

} // namespace

TEST(CrosswordPatternSearch, AgreesWithAScanOfTheWholeList) {
    // Words of 2 to 12 letters over a few letters, so patterns find several; ordered by
    // length then alphabetically, the last one padded as the shipped list is.
    std::mt19937 random(20240613);
    std::set<std::pair<std::size_t, std::string>> words;
    while (words.size() < 3000) {
        std::string word(std::uniform_int_distribution<std::size_t>(2, 12)(random), ' ');
        for (char& c : word) {
            c = "AEILNRST"[std::uniform_int_distribution<int>(0, 7)(random)];
        }
        words.emplace(word.size(), word);
    }
    std::vector<std::string> list;
    list.reserve(words.size());
    for (const auto& entry : words) {
        list.push_back(entry.second);
    }
    list.back() += std::string(3, '\0');
    std::size_t patternsWithWords = 0;
    for (int run = 0; run < 400; ++run) {
        // Known letters taken from a word, some typed in lower case, so most patterns find
        // it and its neighbours.
        std::string pattern = list[random() % list.size()].substr(0, 12);
        for (char& c : pattern) {
            c = random() % 5 < 3 ? '_' : run % 3 == 0 ? static_cast<char>(std::tolower(c)) : c;
        }
        const auto expected = EveryMatch(list, pattern);
        EXPECT_EQ(Search(list, pattern), expected) << pattern;
        patternsWithWords += expected.empty() ? 0 : 1;
    }
    EXPECT_GT(patternsWithWords, 300u);
    // A place no word has, and the padded last word, found without its padding.
    EXPECT_TRUE(Search(list, "A _").empty());
    const std::string lastWord = list.back().substr(0, 12);
    EXPECT_EQ(Search(list, lastWord), std::vector<std::string>{lastWord});
}

TEST(CrosswordPatternSearch, LengthsMissingFromTheListFindNothing) {
    const std::vector<std::string> list = {"AA",   "AN",   "BAC",
                                           "CHAH", "CHAT", "ZYMOTECHNIES" + std::string(3, '\0')};
    for (const std::size_t none : {5u, 11u, 15u}) {
        EXPECT_TRUE(Search(list, std::string(none, '_')).empty()) << none;
    }
    EXPECT_EQ(Search(list, "c_a_"), (std::vector<std::string>{"CHAH", "CHAT"}));
    EXPECT_EQ(Search(list, "zy__________"), std::vector<std::string>{"ZYMOTECHNIES"});
}

TEST(CrosswordPatternSearch, RefusesTooManyUnknownPlaces) {
    // The fewest known places for lengths 3 to 12, read as the player does.
    const std::vector<int> fewestKnown = {1, 1, 2, 2, 2, 2, 2, 2, 3, 3};
    for (int length = 3; length <= 12; ++length) {
        const int fewest = fewestKnown[static_cast<std::size_t>(length - 3)];
        EXPECT_FALSE(TooManyUnknowns(length, length - fewest)) << length;
        EXPECT_TRUE(TooManyUnknowns(length, length - fewest + 1)) << length;
    }
    EXPECT_EQ(MaxUnknownPlaces(15), 12);
    EXPECT_THROW(MaxUnknownPlaces(2), std::out_of_range);
}

TEST(CrosswordPatternSearch, CountTextAndFailureReports) {
    EXPECT_EQ(ResultText(0), "Aucun mot trouvé"_cp);
    EXPECT_EQ(ResultText(1), "1 mot trouvé"_cp);
    EXPECT_EQ(ResultText(2), "2 mots trouvés"_cp);

    // A pattern of the wrong length, and a length table out of step with the list.
    const std::vector<std::string> list = {"AA", "BAC", "CHAT"};
    LengthTable lengths = FillLengthTable(list);
    const auto reportOf = [&](std::string_view pattern, std::string_view place) {
        try {
            ChercheMotsCroises(list, lengths, 4, pattern);
        } catch (...) {
            return FailureText(place);
        }
        return std::string("no failure");
    };
    EXPECT_EQ(reportOf("C___", kPlaceSearch), "no failure");
    EXPECT_EQ(reportOf("C__", kPlaceSearch),
              "106" + std::string(17, ' ') + "\r\nErreur interne 106 - 5");
    lengths.FinLongueur[4] = 4;
    EXPECT_EQ(reportOf("C___", kPlaceRequest),
              "104" + std::string(17, ' ') + "\r\nErreur interne 104 - 9");
}
