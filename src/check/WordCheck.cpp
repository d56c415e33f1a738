#include "check/WordCheck.h"

#include "check/PartsOfSpeech.h"
#include "check/ScrabblePoints.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
#include <optional>
#include <variant>

namespace zorvane::check {
namespace {

constexpr std::string_view kSection = "Cont";
constexpr std::string_view kExistenceMarker = "= x§EXISTE"_cp;
constexpr char kFlagEnd = '\xA3';     // "£"
constexpr char kCategoryEnd = '\xA7'; // "§"
constexpr std::string_view kNotAdmitted = "NOT";
constexpr std::string_view kCrossReference = "Voir ";
// A longer definition that mentions "Voir " is a definition, not a cross-reference.
constexpr std::size_t kCrossReferenceLimit = 22;
constexpr std::size_t kEntryLead = 2; // the "= " every entry begins with

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return upper;
}

// The word number (list position + 1) of the first entry equal to word.
std::optional<std::size_t> WordNumber(const std::vector<std::string>& list, std::string_view word) {
    const auto found = std::find(list.begin(), list.end(), word);
    if (found == list.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - list.begin()) + 1;
}

IniEntry EntryOf(const EntryReader& readEntry, std::size_t number) {
    return readEntry(std::to_string(number));
}

std::string_view TextAfter(std::string_view text, char separator) {
    const std::size_t at = text.find(separator);
    return at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
}

// "Voir ABAQUE." names ABAQUE: the last len - 6 characters before the first full point.
std::optional<std::string_view> CrossReferenceTarget(std::string_view definition) {
    const std::size_t point = definition.find('.');
    if (point == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view before = definition.substr(0, point);
    const std::size_t keep = definition.size() - 6;
    return keep >= before.size() ? before : before.substr(before.size() - keep);
}

WordCheckResult NotFound(int errorNumber = 0) {
    WordCheckResult result;
    result.errorNumber = errorNumber;
    return result;
}

WordCheckResult Damaged(std::string why) {
    WordCheckResult result;
    result.damage = std::move(why);
    return result;
}

std::string Numbered(std::size_t number) {
    return std::string("le mot n° "_cp) + std::to_string(number);
}

// Flag, category and definition of a full entry "= flag£category§definition"; false when
// a separator is missing.
bool ReadFullEntry(std::string_view entry, WordCheckResult& result) {
    const std::size_t flagEnd = entry.find(kFlagEnd);
    const std::size_t categoryEnd = entry.find(kCategoryEnd);
    if (flagEnd == std::string_view::npos || categoryEnd == std::string_view::npos) {
        return false;
    }
    result.admitted =
        entry.substr(0, flagEnd).substr(std::min(kEntryLead, flagEnd)) != kNotAdmitted;
    result.categoryCode =
        TextAfter(entry.substr(0, categoryEnd).substr(std::min(kEntryLead, categoryEnd)), kFlagEnd);
    result.categoryLabel = PartOfSpeechLabel(result.categoryCode);
    result.definition = entry.substr(categoryEnd + 1);
    return true;
}

bool IsCrossReference(std::string_view definition) {
    return definition.find(kCrossReference) != std::string_view::npos &&
           definition.size() < kCrossReferenceLimit;
}

// The definition with the referenced word's one on the next line (one level only: a
// reference found there stays text); otherwise the not-found result saying why.
std::variant<std::string, WordCheckResult> WithReferencedDefinition(const std::string& definition,
                                                                    std::size_t from,
                                                                    const WordFinder& findWord,
                                                                    const EntryReader& readEntry) {
    const std::optional<std::string_view> target = CrossReferenceTarget(definition);
    if (!target) {
        return Damaged(Numbered(from) + std::string(" renvoie à un autre sans le nommer."_cp));
    }
    const std::optional<std::size_t> number = findWord(*target);
    if (!number) {
        return Damaged(Numbered(from) + std::string(" renvoie à « "_cp) + std::string(*target) +
                       std::string(" », absent de la liste des mots."_cp));
    }
    const IniEntry referenced = EntryOf(readEntry, *number);
    if (referenced.errorNumber != 0) {
        return NotFound(referenced.errorNumber);
    }
    const std::string_view text = referenced.entry;
    const bool separated = text.find(kCategoryEnd) != std::string_view::npos;
    return definition + "\r\n" + std::string(separated ? TextAfter(text, kCategoryEnd) : text);
}

} // namespace

std::string EmptyDefinitionSentence(int longMaxDefinition) {
    return std::string(
               "Ce mot existe mais il n'y a pas actuellement de définition pour les mots de plus de "_cp) +
           std::to_string(longMaxDefinition) + " lettres.";
}

bool AdmittedByEntry(std::string_view entry, const std::function<bool(std::string_view)>& listed) {
    if (entry == kExistenceMarker) {
        return true;
    }
    WordCheckResult result;
    if (!ReadFullEntry(entry, result) || !result.admitted) {
        return false;
    }
    if (!IsCrossReference(result.definition)) {
        return true;
    }
    const std::optional<std::string_view> target = CrossReferenceTarget(result.definition);
    return target && listed(*target);
}

WordCheckResult CheckWord(std::string_view typed, const CheckSources& sources) {
    return CheckWord(typed, sources.listeDico, sources.longMaxDefinition,
                     [&sources](std::string_view number) {
                         return GetIni(sources.fichierDefinitions, kSection, number);
                     });
}

WordCheckResult CheckWord(std::string_view typed, const std::vector<std::string>& listeDico,
                          int longMaxDefinition, const EntryReader& readEntry) {
    return CheckWord(
        typed, [&listeDico](std::string_view word) { return WordNumber(listeDico, word); },
        longMaxDefinition, readEntry);
}

WordCheckResult CheckWord(std::string_view typed, const WordFinder& findWord, int longMaxDefinition,
                          const EntryReader& readEntry) {
    const std::string word = UpperAscii(typed);
    const std::optional<std::size_t> number = findWord(word);
    if (!number) {
        return NotFound();
    }
    const IniEntry read = EntryOf(readEntry, *number);
    if (read.errorNumber != 0) {
        return NotFound(read.errorNumber);
    }
    WordCheckResult result;
    result.word = word;
    result.points = ScrabblePoints(word);
    if (read.entry == kExistenceMarker) {
        result.outcome = CheckOutcome::ExistsWithoutDefinition;
        return result;
    }
    if (!ReadFullEntry(read.entry, result)) {
        return Damaged(read.entry.empty()
                           ? std::string("aucune entrée pour "_cp) + Numbered(*number) + "."
                           : std::string("l'entrée du mot n° "_cp) + std::to_string(*number) +
                                 std::string(" est illisible."_cp));
    }
    result.outcome = CheckOutcome::Found;
    if (IsCrossReference(result.definition)) {
        auto followed = WithReferencedDefinition(result.definition, *number, findWord, readEntry);
        if (auto* failed = std::get_if<WordCheckResult>(&followed)) {
            return std::move(*failed);
        }
        result.definition = std::move(std::get<std::string>(followed));
    }
    result.copyAllowed = !result.definition.empty();
    if (result.definition.empty()) {
        result.definition = EmptyDefinitionSentence(longMaxDefinition);
    }
    return result;
}

} // namespace zorvane::check
