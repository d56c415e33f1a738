#include "cli/InputChecks.h"

#include "anagram/AnagramSearch.h"
#include "anagram/InputFilter.h"
#include "communes/CommuneSearch.h"
#include "crossword/PatternMessages.h"
#include "crossword/PatternSearch.h"
#include "data/Cp1252Case.h"
#include "data/Cp1252Literal.h"
#include "data/TextHelpers.h"
#include "data/WordStore.h"

#include <algorithm>

namespace zorvane::cli {
namespace {

using zorvane::operator""_cp;

bool OnlyOf(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

constexpr std::string_view kCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::optional<std::string> LengthRefusal(std::string_view text, std::size_t shortest,
                                         std::size_t longest, std::string_view what) {
    if (text.size() >= shortest && text.size() <= longest) {
        return std::nullopt;
    }
    return std::string(what) + std::string(" doit compter de "_cp) + std::to_string(shortest) +
           std::string(" à "_cp) + std::to_string(longest) + std::string(" caractères."_cp);
}

std::optional<std::string> LettersRefusal(std::string_view text, std::size_t longest) {
    if (!OnlyOf(data::ToUpperCp1252(text), kCapitals)) {
        return std::string("caractère non valide : seules les lettres de A à Z, sans accent, "
                           "sont acceptées."_cp);
    }
    return LengthRefusal(text, 2, longest, "le mot"_cp);
}

std::optional<std::string> DrawRefusal(std::string_view text) {
    const std::string upper = data::ToUpperCp1252(text);
    if (!OnlyOf(upper, anagram::kLettresTirage)) {
        return std::string("le tirage ne peut contenir que des lettres de A à Z, sans accent, "
                           "et un joker « ? »."_cp);
    }
    if (std::count(upper.begin(), upper.end(), anagram::kJoker) > 1) {
        return std::string(anagram::UnSeulJokerMessage());
    }
    return LengthRefusal(text, 2, anagram::kMaxDraw, "le tirage"_cp);
}

std::optional<std::string> PatternRefusal(std::string_view text) {
    const std::string upper = data::ToUpperCp1252(text);
    if (!OnlyOf(upper, "ABCDEFGHIJKLMNOPQRSTUVWXYZ?")) {
        return std::string("le motif ne peut contenir que des lettres de A à Z, sans accent, et "
                           "des « ? » pour les lettres inconnues."_cp);
    }
    if (auto refusal = LengthRefusal(text, 3, 12, "le motif"_cp)) {
        return refusal;
    }
    const auto unknowns = static_cast<int>(std::count(upper.begin(), upper.end(), '?'));
    if (unknowns == static_cast<int>(upper.size())) {
        return std::string("le motif doit donner au moins une lettre connue."_cp);
    }
    if (crossword::TooManyUnknowns(static_cast<int>(upper.size()), unknowns)) {
        return crossword::TooManyUnknownsMessage();
    }
    return std::nullopt;
}

std::optional<std::string> CommuneRefusal(std::string_view text) {
    if (IsPostcode(text)) {
        if (!OnlyOf(text, "0123456789")) {
            return std::string("un code postal ne s'écrit qu'avec des chiffres."_cp);
        }
        return LengthRefusal(text, communes::kMinPostcodeLength, 5, "le code postal"_cp);
    }
    const std::string name = SearchedText(Subcommand::Commune, text);
    const communes::NameEntry entry = communes::CheckNameEntry(name);
    if (!entry.refused.empty()) {
        return communes::RefusedCharacterText(entry.refused.front());
    }
    return LengthRefusal(name, communes::kMinNameLength, 45, "le nom"_cp);
}

// The commune name as the name keys spell it.
std::string NameKeySpelling(std::string_view text) {
    std::string name = data::ToLowerCp1252(text);
    name = data::SubAccents(name, name.size());
    for (char& c : name) {
        if (c == '-' || c == '\'' || c == '\x92') { // ’
            c = ' ';
        }
    }
    return data::ToUpperCp1252(name);
}

} // namespace

bool IsPostcode(std::string_view text) {
    return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

std::optional<std::string> CheckedText(Subcommand subcommand, std::string_view text) {
    switch (subcommand) {
    case Subcommand::Check:
        return LettersRefusal(text, 15);
    case Subcommand::Scrabble:
        return LengthRefusal(text, 2, 15, "le mot"_cp);
    case Subcommand::Anagram:
        return DrawRefusal(text);
    case Subcommand::Pattern:
        return PatternRefusal(text);
    case Subcommand::Synonyms:
        return LengthRefusal(text, 2, data::kMaxHeadwordLength, "le mot"_cp);
    case Subcommand::Near:
        return LettersRefusal(text, 13);
    case Subcommand::Commune:
        return CommuneRefusal(text);
    }
    return std::nullopt; // not reached: every subcommand is checked above
}

std::string SearchedText(Subcommand subcommand, std::string_view text) {
    switch (subcommand) {
    case Subcommand::Check:
    case Subcommand::Anagram:
    case Subcommand::Pattern:
        return data::ToUpperCp1252(text);
    case Subcommand::Commune:
        return IsPostcode(text) ? std::string(text) : NameKeySpelling(text);
    case Subcommand::Scrabble:
    case Subcommand::Synonyms:
    case Subcommand::Near:
        break;
    }
    return std::string(text);
}

std::optional<std::string> ObligatoryLetter(std::string_view text) {
    if (text.size() != 1 || !OnlyOf(data::ToUpperCp1252(text), kCapitals)) {
        return std::nullopt;
    }
    return data::ToUpperCp1252(text);
}

} // namespace zorvane::cli
