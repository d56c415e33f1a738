#pragma once
// The anagram searches' independent oracles, shared by the unit tests and the fuzz target:
// which words a draw spells, and the order the window lists them in.

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#ifndef ZORVANE_ORACLE
#define ZORVANE_ORACLE
#endif

namespace zorvane::testing {

// The distinct words of the list that the draw's letters hold, with at most as many letters
// missing as the draw has jokers; sorted.
ZORVANE_ORACLE inline std::vector<std::string> Spellable(const std::vector<std::string>& list,
                                                         const std::string& draw, int minimum,
                                                         const std::string& mandatory) {
    std::array<int, 256> have{};
    for (const char c : draw) {
        ++have[static_cast<unsigned char>(c)];
    }
    const int jokers = have['?'];
    std::set<std::string> found;
    for (const std::string& word : list) {
        std::array<int, 256> need{};
        int missing = 0;
        for (const char c : word) {
            missing += ++need[static_cast<unsigned char>(c)] > have[static_cast<unsigned char>(c)];
        }
        const int size = static_cast<int>(word.size());
        if (missing <= jokers && size >= minimum && size <= static_cast<int>(draw.size()) &&
            word.find(mandatory) != std::string::npos) {
            found.insert(word);
        }
    }
    return {found.begin(), found.end()};
}

// The window's order: longest first, then the joker standing for A to Z in turn, then the
// subsets of the draw's places by falling mask (the first place the highest bit); a word is
// listed where it is first met, unless it lacks the mandatory text.
ZORVANE_ORACLE inline std::vector<std::string> WalkedOrder(const std::vector<std::string>& list,
                                                           std::string draw, int minimum,
                                                           const std::string& mandatory) {
    std::map<std::string, std::vector<std::string>> byLetters; // each in list order
    for (const std::string& word : list) {
        std::string letters = word;
        std::sort(letters.begin(), letters.end());
        byLetters[letters].push_back(word);
    }
    const std::size_t n = draw.size();
    const std::size_t joker = draw.find('?');
    std::set<std::string> met;
    std::vector<std::string> order;
    for (int length = static_cast<int>(n); length >= minimum; --length) {
        for (char stand = 'A'; stand <= (joker == std::string::npos ? 'A' : 'Z'); ++stand) {
            if (joker != std::string::npos) {
                draw[joker] = stand;
            }
            // Taking the places in letter order gives each subset's letters already sorted.
            std::vector<std::size_t> places(n);
            std::iota(places.begin(), places.end(), 0);
            std::stable_sort(places.begin(), places.end(),
                             [&](std::size_t x, std::size_t y) { return draw[x] < draw[y]; });
            for (unsigned mask = (1U << n) - 1; mask >= 3; --mask) {
                if (std::popcount(mask) != length) {
                    continue;
                }
                std::string letters;
                for (const std::size_t place : places) {
                    if ((mask >> (n - 1 - place) & 1) != 0) {
                        letters += draw[place];
                    }
                }
                const auto words = byLetters.find(letters);
                for (const std::string& word :
                     words == byLetters.end() ? std::vector<std::string>{} : words->second) {
                    if (met.insert(word).second && word.find(mandatory) != std::string::npos) {
                        order.push_back(word);
                    }
                }
            }
        }
    }
    return order;
}

} // namespace zorvane::testing
