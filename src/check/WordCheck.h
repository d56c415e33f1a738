#pragma once
// The check of one typed word: is it in the dictionary list, and what does the definitions
// file say of it (Scrabble admission, part of speech, definition); what is it worth.

#include "check/DefinitionsFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::check {

// The longest word the check boxes take.
inline constexpr int kMaxWordLength = 15;

enum class CheckOutcome { NotFound, ExistsWithoutDefinition, Found };

struct WordCheckResult {
    CheckOutcome outcome = CheckOutcome::NotFound;
    std::string word;     // the dictionary entry that matched; empty when not found
    bool admitted = true; // false for a Found word flagged "NOT"
    std::string categoryCode;
    std::string categoryLabel; // empty when the code is not in the table
    std::string definition;    // as it is shown, cross-reference followed
    bool copyAllowed = false;  // a Found word with a definition of its own
    int points = 0;            // for Found and ExistsWithoutDefinition
    int errorNumber = 0;       // the definitions file could not be read (the outcome is NotFound)
    // A word of the list that the file leaves without a usable entry (none, no separators,
    // a reference to nothing): why, in French (cp1252). The outcome is NotFound, as the
    // window shows it; for a script it is a damaged file, not a missing word.
    std::string damage;
};

struct CheckSources {
    const std::vector<std::string>& listeDico;
    const std::string& fichierDefinitions;
    int longMaxDefinition;
};

// Runs the whole check on the typed text, which is looked up in upper case.
WordCheckResult CheckWord(std::string_view typed, const CheckSources& sources);

// The entry of a word number (in decimal) of section "Cont", wherever the entries come from.
using EntryReader = std::function<IniEntry(std::string_view number)>;

// The same check with the entries read by readEntry in place of the definitions file.
WordCheckResult CheckWord(std::string_view typed, const std::vector<std::string>& listeDico,
                          int longMaxDefinition, const EntryReader& readEntry);

// The word number of a word in upper case (the first equal entry's), or nothing.
using WordFinder = std::function<std::optional<std::size_t>(std::string_view word)>;

// The same check with the words found by findWord in place of a scan of the list.
WordCheckResult CheckWord(std::string_view typed, const WordFinder& findWord, int longMaxDefinition,
                          const EntryReader& readEntry);

// Whether a listed word whose entry is `entry` is admitted, as the check would say: the bare
// existence marker, or a full entry not flagged "NOT" whose cross-reference, if it has one,
// names a word that listed() finds. An empty or broken entry admits nothing.
bool AdmittedByEntry(std::string_view entry, const std::function<bool(std::string_view)>& listed);

// What a Found word without definition shows in place of one.
std::string EmptyDefinitionSentence(int longMaxDefinition);

} // namespace zorvane::check
