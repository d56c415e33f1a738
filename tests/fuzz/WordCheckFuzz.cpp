// The dictionary check on arbitrary typed words and definition entries, read from memory:
// only a listed word with a readable entry is found, under its list spelling, worth its
// letters, with the entry's own flag, category and definition shown first.
//
// Input: the typed word, LF, then one line per word number of the list below, each the
// entry of that number after its "=" (a missing line is no entry; a line "!" is a read
// failure of the file).

#include "FuzzHarness.h"
#include "check/PartsOfSpeech.h"
#include "check/ScrabblePoints.h"
#include "check/WordCheck.h"

#include <algorithm>

using namespace zorvane::check;

namespace {

const std::vector<std::string> kListeDico = {"ABAQUE", "CHAT", "KIWI",   "VOIR",
                                             "ETE",    "A",    "EXAMEN", "ZYTHUM"};
constexpr int kLongMax = 12;

ZORVANE_ORACLE int Points(std::string_view word) {
    int points = 0;
    for (const char c : word) {
        points += c >= 'A' && c <= 'Z' ? LetterValues[static_cast<std::size_t>(c - 'A')] : 0;
    }
    return points;
}

} // namespace

FUZZ_TARGET(input) {
    const std::string_view typed = TakePart(input);
    std::vector<std::string_view> lines;
    while (!input.empty() && lines.size() < kListeDico.size()) {
        lines.push_back(TakePart(input));
    }
    const auto entryOf = [&lines](std::string_view number) -> IniEntry {
        const std::size_t at = std::stoul(std::string(number)) - 1;
        if (at >= lines.size()) {
            return {};
        }
        return lines[at] == "!" ? IniEntry{{}, 57} : IniEntry{"=" + std::string(lines[at]), 0};
    };
    const WordCheckResult found = CheckWord(typed, kListeDico, kLongMax, entryOf);
    if (found.outcome == CheckOutcome::NotFound) {
        FUZZ_CHECK(found.word.empty() && found.points == 0 && !found.copyAllowed);
        return;
    }
    const std::string word = AsciiUpper(typed);
    const auto listed = std::find(kListeDico.begin(), kListeDico.end(), word);
    FUZZ_CHECK(listed != kListeDico.end() && found.errorNumber == 0);
    FUZZ_CHECK(found.word == word && found.points == Points(word));
    const std::string entry = entryOf(std::to_string(listed - kListeDico.begin() + 1)).entry;
    FUZZ_CHECK((found.outcome == CheckOutcome::ExistsWithoutDefinition) == (entry == "= x\xA7"
                                                                                     "EXISTE"));
    if (found.outcome == CheckOutcome::Found) {
        const std::string own = entry.substr(entry.find('\xA7') + 1);
        FUZZ_CHECK(found.admitted == (entry.substr(2, entry.find('\xA3') - 2) != "NOT"));
        FUZZ_CHECK(found.categoryLabel == PartOfSpeechLabel(found.categoryCode));
        FUZZ_CHECK(found.copyAllowed == !own.empty());
        FUZZ_CHECK(own.empty() ? found.definition == EmptyDefinitionSentence(kLongMax)
                               : found.definition.starts_with(own));
    }
}
