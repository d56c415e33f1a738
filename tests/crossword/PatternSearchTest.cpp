// The pattern search against a regular-expression scan of the whole list, the length
// table, the refusal rule and the texts.

#include "crossword/PatternSearch.h"

#include "crossword/PatternMessages.h"
#include "data/Cp1252Literal.h"

#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <set>

using namespace zorvane;
using namespace zorvane::crossword;

namespace {

// Words of 2 to 12 letters over a few letters, so patterns find several; ordered by length
// then alphabetically, the last one padded as the shipped list is.
std::vector<std::string> RandomWordList(std::mt19937& random) {
    const std::string letters = "AEILNRST";
    std::set<std::pair<std::size_t, std::string>> words;
    std::uniform_int_distribution<std::size_t> length(2, 12);
    std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
    while (words.size() < 3000) {
        std::string word(length(random), ' ');
        for (char& c : word) {
            c = letters[letter(random)];
        }
        words.emplace(word.size(), word);
    }
    std::vector<std::string> list;
    for (const auto& entry : words) {
        list.push_back(entry.second);
    }
    list.back() += std::string(3, '\0');
    return list;
}

// Every word of the list, padding aside, that the pattern spells with "." for "_".
std::vector<std::string> RegexScan(const std::vector<std::string>& list,
                                   const std::string& pattern) {
    std::string expression;
    for (const char c : pattern) {
        expression +=
            c == '_' ? std::string(".") : std::string(1, static_cast<char>(std::toupper(c)));
    }
    const std::regex whole(expression);
    std::vector<std::string> found;
    for (const std::string& entry : list) {
        const std::string word = entry.substr(0, entry.find('\0'));
        if (std::regex_match(word, whole)) {
            found.push_back(word);
        }
    }
    return found;
}

std::vector<std::string> Search(const std::vector<std::string>& list, const std::string& pattern) {
    const auto found =
        ChercheMotsCroises(list, FillLengthTable(list), static_cast<int>(pattern.size()), pattern);
    return {found.begin(), found.end()};
}

} // namespace

TEST(CrosswordPatternSearch, AgreesWithARegexScanOfTheWholeList) {
    std::mt19937 random(20240613);
    const std::vector<std::string> list = RandomWordList(random);
    const LengthTable lengths = FillLengthTable(list);
    std::uniform_int_distribution<int> length(3, 12);
    std::bernoulli_distribution known(0.4);
    std::size_t patternsWithWords = 0;
    for (int run = 0; run < 400; ++run) {
        const int size = length(random);
        // Known letters taken from a word of that length, some typed in lower case, so most
        // patterns find it and its neighbours.
        const std::size_t first = lengths.DebLongueur[static_cast<std::size_t>(size)];
        const std::size_t last = lengths.FinLongueur[static_cast<std::size_t>(size)];
        const std::string model =
            list[std::uniform_int_distribution<std::size_t>(first, last)(random) - 1].substr(
                0, static_cast<std::size_t>(size));
        std::string pattern;
        for (const char c : model) {
            pattern += !known(random) ? '_' : run % 3 == 0 ? static_cast<char>(std::tolower(c)) : c;
        }
        const auto expected = RegexScan(list, pattern);
        EXPECT_EQ(Search(list, pattern), expected) << pattern;
        patternsWithWords += expected.empty() ? 0 : 1;
    }
    EXPECT_GT(patternsWithWords, 300u);
    // A place no word has, and the padded last word, found without its padding.
    EXPECT_TRUE(Search(list, "A _").empty());
    const std::string lastWord = list.back().substr(0, 12);
    EXPECT_EQ(Search(list, lastWord), std::vector<std::string>{lastWord});
}

TEST(CrosswordPatternSearch, LengthTableFollowsTheListWithEmptyLengths) {
    const std::vector<std::string> list = {"AA",   "AN",   "BAC",
                                           "CHAH", "CHAT", "ZYMOTECHNIES" + std::string(3, '\0')};
    const LengthTable lengths = FillLengthTable(list);
    const auto block = [&](std::size_t length) {
        return std::make_pair(lengths.DebLongueur[length], lengths.FinLongueur[length]);
    };
    EXPECT_EQ(block(2), std::make_pair(std::size_t{1}, std::size_t{2}));
    EXPECT_EQ(block(3), std::make_pair(std::size_t{3}, std::size_t{3}));
    EXPECT_EQ(block(4), std::make_pair(std::size_t{4}, std::size_t{5}));
    EXPECT_EQ(block(12), std::make_pair(std::size_t{6}, std::size_t{6}));
    for (const std::size_t none : {5u, 11u, 15u}) {
        EXPECT_TRUE(Search(list, std::string(none, '_')).empty()) << none;
    }
    EXPECT_EQ(Search(list, "c_a_"), (std::vector<std::string>{"CHAH", "CHAT"}));
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

TEST(CrosswordPatternSearch, TextsAndFailureReports) {
    EXPECT_EQ(TooManyUnknownsMessage(), "Le nombre de caractère joker '' ? '' est trop important."
                                        "\r\nModifiez la recherche."_cp);
    EXPECT_EQ(ResultText(0), "Aucun mot trouvé"_cp);
    EXPECT_EQ(ResultText(1), "1 mot trouvé"_cp);
    EXPECT_EQ(ResultText(17), "17 mots trouvés"_cp);

    // A length table out of step with the list, and a pattern of the wrong length.
    const std::vector<std::string> list = {"AA", "BAC", "CHAT"};
    LengthTable lengths = FillLengthTable(list);
    const auto reportOf = [&](int length, std::string_view pattern, std::string_view place) {
        try {
            ChercheMotsCroises(list, lengths, length, pattern);
        } catch (...) {
            return FailureText(place);
        }
        return std::string("no failure");
    };
    EXPECT_EQ(reportOf(4, "C___", kPlaceSearch), "no failure");
    EXPECT_EQ(reportOf(4, "C__", kPlaceSearch),
              "106" + std::string(17, ' ') + "\r\nErreur interne 106 - 5");
    lengths.FinLongueur[4] = 4;
    EXPECT_EQ(reportOf(4, "C___", kPlaceRequest),
              "104" + std::string(17, ' ') + "\r\nErreur interne 104 - 9");
    lengths.FinLongueur[4] = 3;
    lengths.DebLongueur[4] = 2;
    EXPECT_EQ(reportOf(4, "C___", kPlaceSearch),
              "106" + std::string(17, ' ') + "\r\nErreur interne 106 - 9");
}
