#include "check/AdmittedWords.h"

#include "check/DefinitionsFile.h"
#include "check/WordCheck.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

namespace zorvane::check {

AdmittedList AdmittedWords(const std::vector<std::string>& listeDico,
                           const std::string& fichierDefinitions) {
    // The entry of word number n at place n - 1; the first line of a key is the one read.
    std::vector<std::string> entries(listeDico.size());
    std::vector<bool> read(listeDico.size());
    AdmittedList admitted;
    admitted.errorNumber = ForEachIniEntry(
        fichierDefinitions, "Cont", [&](std::string_view key, std::string_view entry) {
            std::size_t number = 0;
            const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), number);
            const bool decimal = error == std::errc{} && end == key.data() + key.size() &&
                                 !key.starts_with('0') && !key.starts_with('+');
            if (decimal && number >= 1 && number <= entries.size() && !read[number - 1]) {
                entries[number - 1] = entry;
                read[number - 1] = true;
            }
        });
    if (admitted.errorNumber != 0) {
        return admitted;
    }
    const std::unordered_set<std::string_view> listed(listeDico.begin(), listeDico.end());
    const auto isListed = [&listed](std::string_view word) { return listed.contains(word); };
    for (std::size_t i = 0; i < listeDico.size(); ++i) {
        if (AdmittedByEntry(entries[i], isListed)) {
            admitted.words.emplace_back(listeDico[i]);
        }
    }
    return admitted;
}

} // namespace zorvane::check
