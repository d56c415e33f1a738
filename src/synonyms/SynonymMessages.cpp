#include "synonyms/SynonymMessages.h"

#include "data/Cp1252Case.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zorvane::synonyms {
namespace {

using CodeLabel = std::pair<std::string_view, std::string_view>;

constexpr std::array<CodeLabel, 34> kCategoryLabels{{
    {"adj"_cp, ": adjectif"_cp},
    {"adj adv"_cp, ": adjectif adverbe"_cp},
    {"adj interj"_cp, ": adjectif interjection"_cp},
    {"adj interj n"_cp, ": adjectif interjection nom"_cp},
    {"adj n"_cp, ": adjectif nom"_cp},
    {"adj n v"_cp, ": adjectif nom verbe"_cp},
    {"adj prép"_cp, ": adjectif préposition"_cp},
    {"adj pron"_cp, ": adjectif pronom"_cp},
    {"adj v"_cp, ": adjectif verbe"_cp},
    {"adv"_cp, ": adverbe"_cp},
    {"adv conj"_cp, ": adverbe conjonction"_cp},
    {"adv loc"_cp, ": adverbe locution"_cp},
    {"adv n"_cp, ": adverbe nom"_cp},
    {"adv prép"_cp, ": adverbe préposition"_cp},
    {"adv pron"_cp, ": adverbe pronom"_cp},
    {"adv v"_cp, ": adverbe verbe"_cp},
    {"art"_cp, ": article"_cp},
    {"conj"_cp, ": conjonction"_cp},
    {"conj n"_cp, ": conjonction nom"_cp},
    {"expr"_cp, ": expression"_cp},
    {"interj"_cp, ": interjection"_cp},
    {"interj n"_cp, ": interjection nom"_cp},
    {"loc"_cp, ": locution"_cp},
    {"n"_cp, ": nom"_cp},
    {"n adv"_cp, ": nom adverbe"_cp},
    {"n préf"_cp, ": nom préfixe"_cp},
    {"n prép"_cp, ": nom préposition"_cp},
    {"n prép v"_cp, ": nom préposition verbe"_cp},
    {"n pron"_cp, ": nom pronom"_cp},
    {"n v"_cp, ": nom verbe"_cp},
    {"préf"_cp, ": préfixe"_cp},
    {"prép"_cp, ": préposition"_cp},
    {"pron"_cp, ": pronom"_cp},
    {"v"_cp, ": verbe"_cp},
}};

std::string Quoted(std::string_view typed) {
    return "''" + std::string(typed) + "''.";
}

} // namespace

std::string PrefixCountMessage(std::size_t count) {
    if (count == 0) {
        return std::string("Aucun mot dans la liste."_cp);
    }
    if (count == 1) {
        return std::string("Un mot listé."_cp);
    }
    return std::to_string(count) + std::string(" mots listés."_cp);
}

std::string ResultMessage(std::size_t count, std::string_view typed) {
    if (count == 0) {
        return "Aucun synonyme pour " + Quoted(typed);
    }
    if (count == 1) {
        return "Un synonyme pour " + Quoted(typed);
    }
    return std::to_string(count) + " synonymes pour " + Quoted(typed);
}

std::string_view CategoryLabel(std::string_view code) {
    const auto* found =
        std::find_if(kCategoryLabels.begin(), kCategoryLabels.end(),
                     [code](const CodeLabel& entry) { return entry.first == code; });
    return found == kCategoryLabels.end() ? std::string_view() : found->second;
}

std::string CategoryCaption(std::string_view typed, std::string_view code) {
    const std::string_view label = CategoryLabel(code);
    return label.empty() ? std::string() : data::ToUpperCp1252(typed) + std::string(label);
}

} // namespace zorvane::synonyms
