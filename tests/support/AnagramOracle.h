#pragma once
// The anagram searches' independent oracles, shared by the unit tests and the fuzz target:
// which words a draw spells, and the order the window lists them in.

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <tuple>
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
// subsets of the draw's places by falling mask (the first place the highest bit), the words
// of one subset in list order; a word is listed where it is first met, unless it lacks the
// mandatory text. The highest mask that spells a word takes each needed letter at its
// first place left, so no subset needs walking.
ZORVANE_ORACLE inline std::vector<std::string> WalkedOrder(const std::vector<std::string>& list,
                                                           std::string draw, int minimum,
                                                           const std::string& mandatory) {
    const std::size_t n = draw.size();
    const std::size_t joker = draw.find('?');
    std::set<std::string> met;
    std::multimap<std::tuple<std::size_t, char, unsigned>, std::string> byMeeting;
    for (const std::string& word : list) {
        if (static_cast<int>(word.size()) < minimum || !met.insert(word).second) {
            continue;
        }
        for (char stand = 'A'; stand <= (joker == std::string::npos ? 'A' : 'Z'); ++stand) {
            if (joker != std::string::npos) {
                draw[joker] = stand;
            }
            std::array<int, 256> need{};
            for (const char c : word) {
                ++need[static_cast<unsigned char>(c)];
            }
            unsigned mask = 0;
            std::size_t taken = 0;
            for (std::size_t place = 0; place < n; ++place) {
                int& needed = need[static_cast<unsigned char>(draw[place])];
                if (needed > 0) {
                    --needed;
                    mask |= 1U << (n - 1 - place);
                    ++taken;
                }
            }
            if (taken == word.size()) {
                byMeeting.emplace(std::tuple(n - word.size(), stand, ~mask), word);
                break;
            }
        }
    }
    std::vector<std::string> order;
    for (const auto& [meeting, word] : byMeeting) {
        if (word.find(mandatory) != std::string::npos) {
            order.push_back(word);
        }
    }
    return order;
}

} // namespace zorvane::testing
