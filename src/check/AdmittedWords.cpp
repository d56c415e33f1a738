#include "check/AdmittedWords.h"

#include "check/DefinitionsFile.h"
#include "check/WordCheck.h"

#include <algorithm>
#include <charconv>

namespace zorvane::check {

AdmittedList AdmittedWords(const std::vector<std::string>& listeDico,
                           const std::string& fichierDefinitions) {
    // Cross-references are looked up in a sorted copy of the list's views.
    std::vector<std::string_view> sorted(listeDico.begin(), listeDico.end());
    std::sort(sorted.begin(), sorted.end());
    const auto isListed = [&sorted](std::string_view word) {
        return std::binary_search(sorted.begin(), sorted.end(), word);
    };
    // The verdict of word number n at place n - 1, from the first line of its key; each entry
    // is judged as it is read, so that the file is never held whole.
    std::vector<char> verdict(listeDico.size(), 0); // 0: no entry yet, 1: admitted, 2: not
    AdmittedList admitted;
    admitted.errorNumber = ForEachIniEntry(
        fichierDefinitions, "Cont", [&](std::string_view key, std::string_view entry) {
            std::size_t number = 0;
            const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
            const bool decimal = error == std::errc{} && end == key.data() + key.size() &&
                                 !key.starts_with('0');
            if (decimal && number >= 1 && number <= verdict.size() && verdict[number - 1] == 0) {
                verdict[number - 1] = AdmittedByEntry(entry, isListed) ? 1 : 2;
            }
        });
    if (admitted.errorNumber != 0) {
        return admitted;
    }
    for (std::size_t i = 0; i < listeDico.size(); ++i) {
        if (verdict[i] == 1) {
            admitted.words.emplace_back(listeDico[i]);
        }
    }
    return admitted;
}

} // namespace zorvane::check
