#include "cli/Searches.h"

#include <regex>

namespace zorvane::cli {

Fact TextFact(std::string_view key, std::optional<std::string> value, std::string line) {
    return {std::string(key), Fact::Kind::Text, std::move(value), std::move(line)};
}

Fact NumberFact(std::string_view key, std::optional<long long> value, std::string line) {
    return {std::string(key), Fact::Kind::Number,
            value ? std::optional(std::to_string(*value)) : std::nullopt, std::move(line)};
}

Fact DecimalFact(std::string_view key, std::string_view decimal, std::string line) {
    static const std::regex number(R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?)");
    const bool valid = std::regex_match(decimal.begin(), decimal.end(), number);
    return {std::string(key), Fact::Kind::Number,
            valid ? std::optional(std::string(decimal)) : std::nullopt, std::move(line)};
}

Fact FlagFact(std::string_view key, std::optional<bool> value, std::string line) {
    return {std::string(key), Fact::Kind::Boolean,
            value ? std::optional<std::string>(*value ? "true" : "false") : std::nullopt,
            std::move(line)};
}

const std::vector<std::string_view>& FactKeys(Subcommand subcommand) {
    static const std::vector<std::string_view> word{"mot", "nature", "definition", "points",
                                                    "admis"};
    static const std::vector<std::string_view> scrabble{"mot", "admis", "points", "definition",
                                                        "nature"};
    static const std::vector<std::string_view> count{"nombre"};
    static const std::vector<std::string_view> synonyms{"nombre", "mot", "nature"};
    static const std::vector<std::string_view> commune{
        "nombre", "commune",  "nom",           "departement",   "region",   "code_region",
        "insee",  "academie", "code_academie", "zone_vacances", "latitude", "longitude"};
    switch (subcommand) {
    case Subcommand::Check:
        return word;
    case Subcommand::Scrabble:
        return scrabble;
    case Subcommand::Anagram:
    case Subcommand::Pattern:
    case Subcommand::Near:
    case Subcommand::Top:
        break;
    case Subcommand::Synonyms:
        return synonyms;
    case Subcommand::Commune:
        return commune;
    }
    return count;
}

Answer RunSearch(const Command& command, std::string_view text, SearchData& data) {
    switch (command.subcommand) {
    case Subcommand::Check:
        return CheckSearch(text, data);
    case Subcommand::Scrabble:
        return ScrabbleSearch(text, data);
    case Subcommand::Anagram:
        return AnagramSearch(text, command.minimum, command.letter, data);
    case Subcommand::Pattern:
        return PatternSearch(text, data);
    case Subcommand::Synonyms:
        return SynonymSearch(text, data);
    case Subcommand::Near:
        return NearSearch(text, command.threshold, command.lengths, data);
    case Subcommand::Commune:
        return CommuneSearch(text, data);
    case Subcommand::Top:
        return TopSearch(text, command, data);
    }
    return {}; // not reached: every subcommand has its search above
}

} // namespace zorvane::cli
