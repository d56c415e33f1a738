#pragma once
// The words the Scrabble check admits, all of them at once: what a board game may lay.

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::check {

struct AdmittedList {
    std::vector<std::string_view> words; // views of the dictionary list's words, in its order
    int errorNumber = 0;                 // the definitions file could not be read
};

// Every word of listeDico that the check of one word would call admitted (AdmittedByEntry
// on its entry), from one reading of the definitions file.
AdmittedList AdmittedWords(const std::vector<std::string>& listeDico,
                           const std::string& fichierDefinitions);

} // namespace zorvane::check
