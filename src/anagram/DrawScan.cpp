#include "anagram/DrawScan.h"

#include "anagram/AnagramSearch.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <unordered_set>

namespace zorvane::anagram {
namespace {

using Counts = std::array<int, 26>;

std::size_t Slot(char capital) {
    return static_cast<std::size_t>(capital - 'A');
}

// How many letters of the word the counts lack; past the jokers, any number above them.
int Missing(std::string_view word, Counts have, int jokers) {
    int missing = 0;
    for (const char c : word) {
        if (c < 'A' || c > 'Z') {
            return jokers + 1;
        }
        missing += --have[Slot(c)] < 0;
    }
    return missing;
}

Counts WithOne(Counts counts, int letter) {
    ++counts[static_cast<std::size_t>(letter)];
    return counts;
}

// Where the search first meets one word.
struct Place {
    std::size_t length;
    int turn; // the first joker's letter, two jokers only
    int pass; // the joker's letter, 0 for A
    unsigned mask;
    std::size_t order; // in the list
    std::string_view word;
    auto Rank() const { return std::make_tuple(length, -turn, -pass, mask); }
};

class Draw {
public:
    explicit Draw(std::string_view draw) : draw_(draw) {
        for (std::size_t i = 0; i < draw.size(); ++i) {
            if (draw[i] == kJoker) {
                jokers_.push_back(i);
            } else {
                ++letters_[Slot(draw[i])];
            }
        }
    }

    bool Spells(std::string_view word) const {
        return Missing(word, letters_, static_cast<int>(jokers_.size())) <=
               static_cast<int>(jokers_.size());
    }

    // The first letters the jokers take to spell the word, the first joker's before the
    // second's, and the highest mask of the draw so filled that spells it.
    Place PlaceOf(std::string_view word) const {
        Place place{word.size(), 0, 0, 0, 0, word};
        std::string filled(draw_);
        Counts have = letters_;
        for (std::size_t j = 0; j < jokers_.size(); ++j) {
            const int left = static_cast<int>(jokers_.size() - j - 1);
            int letter = 0; // a word the draw spells leaves one that fits, Z at the latest
            while (letter < 25 && Missing(word, WithOne(have, letter), left) > left) {
                ++letter;
            }
            have = WithOne(have, letter);
            filled[jokers_[j]] = static_cast<char>('A' + letter);
            (j + 1 < jokers_.size() ? place.turn : place.pass) = letter;
        }
        Counts need{};
        for (const char c : word) {
            ++need[Slot(c)];
        }
        for (std::size_t i = 0; i < filled.size(); ++i) {
            if (need[Slot(filled[i])]-- > 0) {
                place.mask |= 1U << (filled.size() - 1 - i);
            }
        }
        return place;
    }

private:
    std::string_view draw_;
    Counts letters_{};
    std::vector<std::size_t> jokers_;
};

} // namespace

std::vector<std::string> OneShotSearch(std::string_view list, std::string_view draw, int minimum,
                                       std::string_view mandatory) {
    const Draw letters(draw);
    std::vector<Place> places;
    for (std::size_t start = 0, order = 0; start < list.size(); ++order) {
        std::size_t end = list.find('\n', start);
        end = end == std::string_view::npos ? list.size() : end;
        std::string_view word = list.substr(start, end - start);
        start = end + 1;
        if (!word.empty() && word.back() == '\r') {
            word.remove_suffix(1);
        }
        if (word.size() >= static_cast<std::size_t>(minimum) && word.size() <= draw.size() &&
            letters.Spells(word) && word.find(mandatory) != std::string_view::npos) {
            places.push_back(letters.PlaceOf(word));
            places.back().order = order;
        }
    }
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.Rank() != b.Rank() ? a.Rank() > b.Rank() : a.order < b.order;
    });
    std::vector<std::string> words;
    words.reserve(places.size());
    std::unordered_set<std::string_view> listed(places.size()); // a word listed twice: once
    for (const Place& place : places) {
        if (listed.insert(place.word).second) {
            words.emplace_back(place.word);
        }
    }
    return words;
}

} // namespace zorvane::anagram
