#pragma once
// The word similarity's independent oracle, shared by the unit test and the fuzz target: a
// plain longest-block-first count of matching characters, as Ratcliff and Obershelp define it.

#include <string>
#include <string_view>

#ifndef ZORVANE_ORACLE
#define ZORVANE_ORACLE
#endif

namespace zorvane::testing {

struct Matches {
    int count = 0;
    bool tie = false; // somewhere a longest block was not the only one as long
};

// The longest common block (the earliest in a, then in b), plus the matches on its left and
// on its right.
ZORVANE_ORACLE inline Matches CountMatches(std::string_view a, std::string_view b) {
    std::size_t bestA = 0;
    std::size_t bestB = 0;
    std::size_t longest = 0;
    bool tie = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            std::size_t k = 0;
            while (i + k < a.size() && j + k < b.size() && a[i + k] == b[j + k]) {
                ++k;
            }
            if (k > longest) {
                bestA = i;
                bestB = j;
                longest = k;
                tie = false;
            } else if (k == longest && k > 0) {
                tie = true;
            }
        }
    }
    if (longest == 0) {
        return {};
    }
    const Matches left = CountMatches(a.substr(0, bestA), b.substr(0, bestB));
    const Matches right = CountMatches(a.substr(bestA + longest), b.substr(bestB + longest));
    return {static_cast<int>(longest) + left.count + right.count, tie || left.tie || right.tie};
}

// Twice the matches over both lengths, the words compared in capitals; 1 for two empty words.
ZORVANE_ORACLE inline double SimilarityOf(std::string a, std::string b) {
    for (std::string* word : {&a, &b}) {
        for (char& c : *word) {
            c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    const double total = static_cast<double>(a.size() + b.size());
    return total == 0 ? 1.0 : 2.0 * CountMatches(a, b).count / total;
}

} // namespace zorvane::testing
