#pragma once
// The crossword pattern search's independent oracle, shared by the unit test and the fuzz
// target: a check of every word of the list.

#include <string>
#include <string_view>
#include <vector>

#ifndef ZORVANE_ORACLE
#define ZORVANE_ORACLE
#endif

namespace zorvane::testing {

// The words (padding aside) of the pattern's length that agree with its letters, "_" for
// any letter and a small letter for its capital; in list order.
ZORVANE_ORACLE inline std::vector<std::string> EveryMatch(const std::vector<std::string>& list,
                                                          std::string_view pattern) {
    std::vector<std::string> found;
    for (const std::string& entry : list) {
        const std::string word = entry.substr(0, entry.find('\0'));
        bool agrees = word.size() == pattern.size();
        for (std::size_t i = 0; agrees && i < word.size(); ++i) {
            const char p = pattern[i];
            agrees = p == '_' || (p >= 'a' && p <= 'z' ? p - 'a' + 'A' : p) == word[i];
        }
        if (agrees) {
            found.push_back(word);
        }
    }
    return found;
}

} // namespace zorvane::testing
