#include "crossword/PatternSearch.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace zorvane::crossword {
namespace {

constexpr int kShortestPattern = 3;

// Indexed by length - 3: from 3 to 15 letters.
constexpr std::array<int, 13> kMaxUnknowns = {2, 3, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 12};

char UpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Only the known places can reject a word, so only they are compared.
std::vector<std::pair<std::size_t, char>> KnownPlaces(std::string_view pattern) {
    std::vector<std::pair<std::size_t, char>> known;
    for (std::size_t place = 0; place < pattern.size(); ++place) {
        if (pattern[place] != kUnknownPlace) {
            known.emplace_back(place, UpperCase(pattern[place]));
        }
    }
    return known;
}

bool Matches(std::string_view word, const std::vector<std::pair<std::size_t, char>>& known) {
    for (const auto& [place, letter] : known) {
        if (word[place] != letter) {
            return false;
        }
    }
    return true;
}

} // namespace

int MaxUnknownPlaces(int length) {
    if (length < kShortestPattern || length > static_cast<int>(kLongestWord)) {
        throw std::out_of_range("word length outside 3 to 15");
    }
    return kMaxUnknowns[static_cast<std::size_t>(length - kShortestPattern)];
}

bool TooManyUnknowns(int length, int unknowns) {
    return unknowns > MaxUnknownPlaces(length);
}

std::vector<std::string_view> ChercheMotsCroises(const std::vector<std::string>& ListeAna,
                                                 const LengthTable& lengths, int length,
                                                 std::string_view pattern) {
    if (length < 1 || length > static_cast<int>(kLongestWord)) {
        throw std::out_of_range("word length outside 1 to 15");
    }
    const auto size = static_cast<std::size_t>(length);
    if (pattern.size() != size) {
        throw std::invalid_argument("pattern and word length differ");
    }
    const std::size_t first = lengths.DebLongueur[size];
    const std::size_t last = lengths.FinLongueur[size];
    if (last > ListeAna.size()) {
        throw std::out_of_range("length table past the end of the word list");
    }
    const auto known = KnownPlaces(pattern);
    std::vector<std::string_view> found;
    for (std::size_t position = first; position <= last; ++position) {
        const std::string_view word = WordOf(ListeAna[position - 1]);
        if (word.size() != size) {
            throw std::out_of_range("length table out of step with the word list");
        }
        if (Matches(word, known)) {
            found.push_back(word);
        }
    }
    return found;
}

} // namespace zorvane::crossword
