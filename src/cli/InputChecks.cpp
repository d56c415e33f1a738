#include "cli/InputChecks.h"

#include "anagram/AnagramSearch.h"
#include "anagram/DrawScan.h"
#include "anagram/InputFilter.h"
#include "check/WordCheck.h"
#include "cli/TopCommand.h"
#include "cli/Utf8Text.h"
#include "communes/CommuneSearch.h"
#include "crossword/PatternMessages.h"
#include "crossword/PatternSearch.h"
#include "data/Cp1252Case.h"
#include "data/Cp1252Literal.h"
#include "data/TextHelpers.h"
#include "data/WordLetters.h"
#include "data/WordStore.h"
#include "nearwords/NearWordSearch.h"

#include <algorithm>

namespace zorvane::cli {
namespace {

bool OnlyOf(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

// Letters by the entry boxes' rule, and the characters of also.
bool OnlyLetters(std::string_view text, std::string_view also = "") {
    return std::all_of(text.begin(), text.end(), [also](char c) {
        return data::IsWordLetter(static_cast<unsigned char>(c)) ||
               also.find(c) != std::string_view::npos;
    });
}

std::optional<std::string> LengthRefusal(std::string_view text, std::size_t shortest,
                                         std::size_t longest, std::string_view what) {
    if (text.size() >= shortest && text.size() <= longest) {
        return std::nullopt;
    }
    return std::string(what) + std::string(" doit compter de "_cp) + std::to_string(shortest) +
           std::string(" à "_cp) + std::to_string(longest) + std::string(" caractères."_cp);
}

std::optional<std::string> LettersRefusal(std::string_view text, std::size_t longest) {
    if (!OnlyLetters(text)) {
        return std::string("caractère non valide : seules les lettres sont acceptées."_cp);
    }
    return LengthRefusal(text, 2, longest, "le mot"_cp);
}

std::optional<std::string> DrawRefusal(std::string_view text) {
    if (!OnlyOf(text, anagram::kLettresTirage)) {
        return std::string("le tirage ne peut contenir que des lettres et des jokers « ? »."_cp);
    }
    if (std::count(text.begin(), text.end(), anagram::kJoker) > anagram::kMaxScanJokers) {
        return std::string("le tirage contient au plus deux jokers « ? »."_cp);
    }
    return LengthRefusal(text, 2, anagram::kMaxDraw, "le tirage"_cp);
}

std::optional<std::string> PatternRefusal(std::string_view text) {
    if (!OnlyLetters(text, "?")) {
        return std::string("le motif ne peut contenir que des lettres, et des « ? » ou des "
                           "« . » pour les lettres inconnues."_cp);
    }
    if (auto refusal = LengthRefusal(text, crossword::kMinPatternLength,
                                     crossword::kMaxPatternLength, "le motif"_cp)) {
        return refusal;
    }
    const auto unknowns = static_cast<int>(std::count(text.begin(), text.end(), '?'));
    if (unknowns == static_cast<int>(text.size())) {
        return std::string("le motif doit donner au moins une lettre connue."_cp);
    }
    if (crossword::TooManyUnknowns(static_cast<int>(text.size()), unknowns)) {
        return crossword::TooManyUnknownsMessage();
    }
    return std::nullopt;
}

// The commune name as the name keys spell it: folded as words are (accents off, ligatures
// spelled out), hyphens and apostrophes turned into blanks.
std::string NameKeySpelling(std::string_view text) {
    std::string name = FoldedCapitals(text);
    for (char& c : name) {
        if (c == '-' || c == '\'' || c == '\x92') { // ’
            c = ' ';
        }
    }
    return name;
}

std::optional<std::string> CommuneRefusal(std::string_view text) {
    if (IsPostcode(text)) {
        if (!OnlyOf(text, "0123456789")) {
            return std::string("un code postal ne s'écrit qu'avec des chiffres."_cp);
        }
        return LengthRefusal(text, communes::kMinPostcodeLength, communes::kMaxPostcodeLength,
                             "le code postal"_cp);
    }
    const communes::NameEntry entry = communes::CheckNameEntry(NameKeySpelling(text));
    if (!entry.refused.empty()) {
        return communes::RefusedCharacterText(entry.refused.front());
    }
    if (entry.text.size() < communes::kMinNameLength) {
        return std::string("le nom doit compter au moins "_cp) +
               std::to_string(communes::kMinNameLength) + " lettres.";
    }
    return std::nullopt;
}

std::optional<std::string> Refused(Subcommand subcommand, std::string_view text) {
    switch (subcommand) {
    case Subcommand::Check:
        return LettersRefusal(text, check::kMaxWordLength);
    case Subcommand::Scrabble:
        return LengthRefusal(text, 2, check::kMaxWordLength, "le mot"_cp);
    case Subcommand::Anagram:
        return DrawRefusal(text);
    case Subcommand::Pattern:
        return PatternRefusal(text);
    case Subcommand::Synonyms:
        return LengthRefusal(text, 2, data::kMaxHeadwordLength, "le mot"_cp);
    case Subcommand::Near:
        return LettersRefusal(text, nearwords::kMaxTypedLetters);
    case Subcommand::Commune:
        return CommuneRefusal(text);
    case Subcommand::Top:
        return TopDrawRefusal(text);
    }
    return std::nullopt; // not reached: every subcommand is checked above
}

// The text as the window's box holds it once typed.
std::string Searched(Subcommand subcommand, std::string_view text) {
    switch (subcommand) {
    case Subcommand::Check:
    case Subcommand::Scrabble:
    case Subcommand::Anagram:
    case Subcommand::Near:
    case Subcommand::Top:
        return FoldedCapitals(text);
    case Subcommand::Pattern: {
        std::string pattern = FoldedCapitals(text);
        std::replace(pattern.begin(), pattern.end(), '.', '?');
        return pattern;
    }
    case Subcommand::Commune:
        return IsPostcode(text) ? std::string(text) : NameKeySpelling(text);
    case Subcommand::Synonyms:
        break;
    }
    return std::string(text);
}

} // namespace

std::string FoldedCapitals(std::string_view cp1252) {
    const std::string lower = data::ToLowerCp1252(cp1252);
    std::string folded;
    for (const char c : data::SubAccents(lower, lower.size())) {
        if (c == '\x9C') { // œ
            folded += "oe";
        } else if (c == '\xE6') { // æ
            folded += "ae";
        } else {
            folded += c;
        }
    }
    return data::ToUpperCp1252(folded);
}

std::variant<std::string, UsageError> ReadQuery(Subcommand subcommand, std::string_view utf8) {
    const std::optional<std::string> cp1252 = Utf8ToCp1252(utf8);
    if (!cp1252) {
        return Refusal("le texte contient un caractère que Zorvane ne connaît pas."_cp);
    }
    std::string text = Searched(subcommand, *cp1252);
    if (auto refusal = Refused(subcommand, text)) {
        return Refusal(*refusal);
    }
    return text;
}

std::optional<std::string> ObligatoryLetter(std::string_view utf8) {
    const std::string letter = FoldedCapitals(Utf8ToCp1252(utf8).value_or(""));
    if (letter.size() != 1 || !OnlyLetters(letter)) {
        return std::nullopt;
    }
    return letter;
}

bool IsPostcode(std::string_view text) {
    return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

} // namespace zorvane::cli
