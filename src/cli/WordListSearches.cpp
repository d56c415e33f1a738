// The searches over the word lists: anagrams, crossword patterns and near words.

#include "anagram/DrawScan.h"
#include "anagram/SearchReport.h"
#include "cli/Searches.h"
#include "crossword/PatternMessages.h"
#include "crossword/PatternSearch.h"
#include "data/Cp1252Literal.h"
#include "nearwords/NearWordSearch.h"

namespace zorvane::cli {
namespace {

template <typename Words> Answer ListAnswer(const Words& words, std::string message) {
    Answer answer;
    answer.words.assign(words.begin(), words.end());
    answer.found = !answer.words.empty();
    answer.facts = {NumberFact("nombre", static_cast<long long>(answer.words.size()), "")};
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

// One search: a scan of the list, not the whole index.
Answer AnagramSearch(std::string_view draw, int minimum, std::string_view letter,
                     SearchData& data) {
    const std::vector<std::string> words =
        anagram::OneShotSearch(data.AnagramBytes(), draw, minimum, letter);
    return ListAnswer(words, AnagramCount(words.size()));
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

Answer NearSearch(std::string_view word, int threshold, bool lengths, SearchData& data) {
    const nearwords::NearWordResult result =
        nearwords::NearWordSearch(data.Dictionary(), word, threshold, lengths);
    Answer answer;
    for (const nearwords::NearWord& found : result.words) {
        answer.words.push_back(found.word);
        answer.hundredths.push_back(found.hundredths);
    }
    answer.found = result.count > 0;
    answer.facts = {NumberFact("nombre", result.count, "")};
    answer.message = std::to_string(result.count) + std::string(" solutions trouvées."_cp);
    return answer;
}

} // namespace zorvane::cli
