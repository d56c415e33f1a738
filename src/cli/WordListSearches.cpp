// The searches over the word lists: anagrams, crossword patterns and near words.

#include "anagram/AnagramSearch.h"
#include "anagram/SearchReport.h"
#include "cli/Searches.h"
#include "crossword/PatternMessages.h"
#include "crossword/PatternSearch.h"
#include "data/Cp1252Literal.h"
#include "data/ResourceText.h"
#include "nearwords/NearWordSearch.h"

#include <sstream>

namespace zorvane::cli {
namespace {

using zorvane::operator""_cp;

template <typename Words> Answer ListAnswer(const Words& words, std::string message) {
    Answer answer;
    answer.words.assign(words.begin(), words.end());
    answer.found = !answer.words.empty();
    answer.message = std::move(message);
    return answer;
}

// The window reports the time a search took; a script wants the same line for the same
// search, so the count stands alone.
std::string AnagramCount(std::size_t count) {
    return count == 0 ? anagram::TexteRapport(0, {})
                      : std::to_string(count) + std::string(" mots trouvés."_cp);
}

} // namespace

Answer AnagramSearch(std::string_view draw, int minimum, std::string_view letter,
                     SearchData& data) {
    const anagram::AnagramResult result =
        anagram::ChercheAnagrammes(data.Index(), draw, std::to_string(minimum), letter);
    return ListAnswer(result.combined, AnagramCount(result.combined.size()));
}

Answer PatternSearch(std::string_view pattern, SearchData& data) {
    std::string places(pattern);
    for (char& c : places) {
        if (c == '?') {
            c = crossword::kUnknownPlace;
        }
    }
    const auto words = crossword::ChercheMotsCroises(data.AnagramList(), data.Lengths(),
                                                     static_cast<int>(places.size()), places);
    return ListAnswer(words, crossword::ResultText(words.size()));
}

// The window's result text read back: after its header, one "WORD  L  P%" line per word.
Answer NearSearch(std::string_view word, int threshold, bool lengths, SearchData& data) {
    const nearwords::NearWordResult result =
        nearwords::NearWordSearch(data.Dictionary(), word, threshold, lengths);
    Answer answer;
    const std::vector<std::string> lines = data::SplitLines(result.text);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::istringstream fields(lines[i]);
        std::string found;
        std::size_t length = 0;
        int percent = 0;
        fields >> found >> length >> percent;
        answer.words.push_back(std::move(found));
        answer.percents.push_back(percent);
    }
    answer.found = result.count > 0;
    answer.message = std::to_string(result.count) + std::string(" solutions trouvées."_cp);
    return answer;
}

} // namespace zorvane::cli
