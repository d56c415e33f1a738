// The dictionary and Scrabble checks, as their two windows show a result.

#include "check/CheckTexts.h"
#include "check/WordCheck.h"
#include "cli/Searches.h"
#include "data/StartupValues.h"

namespace zorvane::cli {
namespace {

using check::CheckOutcome;
using check::WordCheckResult;

// A word of the list without a usable entry is a damaged file, never a missing word.
WordCheckResult RunCheck(std::string_view word, SearchData& data) {
    const check::DefinitionsIndex& definitions = data.Definitions();
    const check::WordNumbers& numbers = data.DictionaryNumbers();
    WordCheckResult result = check::CheckWord(
        word, [&numbers](std::string_view upper) { return numbers.Find(upper); },
        data::StartupValues{}.LongMaxDefinition,
        [&definitions](std::string_view number) { return definitions.Entry(number); });
    if (result.errorNumber != 0) {
        throw DataFailure(check::DefinitionsFileMessage(result.errorNumber));
    }
    if (!result.damage.empty()) {
        throw DataFailure(check::DamagedDefinitionsMessage(result.damage));
    }
    return result;
}

// The facts of a word, each with its line when the window shows one; kept: what to show.
struct Shown {
    bool word = false;
    bool nature = false;
    bool definition = false;
    bool points = false;
};

Answer WordAnswer(const WordCheckResult& result, Shown shown, std::optional<bool> admitted,
                  std::string admissionLine) {
    const bool exists = result.outcome != CheckOutcome::NotFound;
    const bool defined = result.outcome == CheckOutcome::Found;
    const std::optional<std::string> word = exists ? std::optional(result.word) : std::nullopt;
    const std::optional<std::string> nature = defined && !result.categoryLabel.empty()
                                                  ? std::optional(result.categoryLabel)
                                                  : std::nullopt;
    const std::optional<std::string> definition =
        defined && result.copyAllowed ? std::optional(result.definition) : std::nullopt;
    const std::optional<long long> points =
        shown.points ? std::optional<long long>(result.points) : std::nullopt;
    Answer answer;
    answer.found = exists && admitted.value_or(true);
    answer.facts = {
        TextFact("mot", word,
                 !shown.word ? ""
                 : defined   ? result.word
                             : std::string(check::ExistsText())),
        TextFact("nature", nature, shown.nature ? nature.value_or("") : ""),
        TextFact("definition", definition,
                 !shown.definition ? ""
                 : defined         ? result.definition
                                   : std::string(check::NoDefinitionText())),
        NumberFact("points", points,
                   points ? "Ce mot rapporte " + std::to_string(*points) + " points au scrabble."
                          : ""),
        FlagFact("admis", admitted, std::move(admissionLine))};
    if (!exists) {
        answer.message = std::string(check::NotFoundText());
    }
    return answer;
}

// A word flagged in the definitions file has a verdict; an existence-only entry has none.
std::optional<bool> Verdict(const WordCheckResult& result) {
    return result.outcome == CheckOutcome::Found ? std::optional(result.admitted) : std::nullopt;
}

} // namespace

Answer CheckSearch(std::string_view word, SearchData& data) {
    const WordCheckResult result = RunCheck(word, data);
    const bool exists = result.outcome != CheckOutcome::NotFound;
    const std::optional<bool> admitted = Verdict(result);
    std::string line;
    if (admitted) {
        line = *admitted ? check::ValidSentence(result.word)
                         : std::string(check::ExistsNotAdmittedText());
    }
    Answer answer = WordAnswer(result, {exists, exists, exists, exists}, admitted, line);
    answer.found = exists;
    return answer;
}

// The Scrabble window gives no points to a word that tournaments refuse.
Answer ScrabbleSearch(std::string_view word, SearchData& data) {
    const WordCheckResult result = RunCheck(word, data);
    const bool exists = result.outcome != CheckOutcome::NotFound;
    const std::optional<bool> admitted = Verdict(result);
    const bool shown = exists && admitted.value_or(true);
    Answer answer = WordAnswer(result, {false, false, shown, shown}, admitted,
                               admitted && *admitted ? check::ValidSentence(result.word) : "");
    // The window's order: admission, points, definition.
    const std::vector<Fact> facts = std::move(answer.facts);
    answer.facts = {facts[0], facts[4], facts[3], facts[2], facts[1]};
    if (admitted && !*admitted) {
        answer.message = std::string(check::NotAdmittedText());
    }
    return answer;
}

} // namespace zorvane::cli
