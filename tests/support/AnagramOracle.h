#pragma once
// The anagram searches' independent oracle, shared by the tests of the window's search and of
// the command line's one-shot search.

#include <array>
#include <set>
#include <string>
#include <vector>

namespace zorvane::testing {

// The distinct words of the list that the draw's letters hold, with at most as many letters
// missing as the draw has jokers; sorted.
inline std::vector<std::string> Spellable(const std::vector<std::string>& list,
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

} // namespace zorvane::testing
