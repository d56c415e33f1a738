#include "cli/CommandLine.h"

#include "anagram/AnagramSearch.h"
#include "cli/InputChecks.h"
#include "cli/Utf8Text.h"
#include "data/Cp1252Literal.h"

#include <array>
#include <charconv>
#include <optional>

namespace zorvane::cli {
namespace {

struct NamedSubcommand {
    std::string_view name;
    Subcommand subcommand;
};

constexpr std::array<NamedSubcommand, 8> kSubcommands{{{"check", Subcommand::Check},
                                                       {"scrabble", Subcommand::Scrabble},
                                                       {"anagram", Subcommand::Anagram},
                                                       {"pattern", Subcommand::Pattern},
                                                       {"synonyms", Subcommand::Synonyms},
                                                       {"near", Subcommand::Near},
                                                       {"commune", Subcommand::Commune},
                                                       {"top", Subcommand::Top}}};

// The option's value: after "=" in the same argument, or the next argument.
class Arguments {
public:
    explicit Arguments(const std::vector<std::string>& args) : args_(args) {}
    bool Done() const { return next_ >= args_.size(); }
    const std::string& Take() { return args_[next_++]; }
    std::optional<std::string> ValueOf(std::string_view inlineValue, bool hasInline) {
        if (hasInline) {
            return std::string(inlineValue);
        }
        if (Done()) {
            return std::nullopt;
        }
        return Take();
    }

private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
};

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string Shown(std::string_view utf8) {
    return Utf8ToCp1252(utf8).value_or("?");
}

std::optional<UsageError> ReadOption(Command& command, std::string_view argument, Arguments& rest) {
    const std::size_t equals = argument.find('=');
    const std::string_view option = argument.substr(0, equals);
    const bool hasInline = equals != std::string_view::npos;
    const std::string_view inlineValue = hasInline ? argument.substr(equals + 1) : "";
    const bool anagram = command.subcommand == Subcommand::Anagram;
    const bool near = command.subcommand == Subcommand::Near;
    const bool top = command.subcommand == Subcommand::Top;
    const bool valued = (anagram && (option == "--min" || option == "--letter")) ||
                        (near && option == "--threshold") || (top && option == "--limit");
    if (!valued) {
        if (option == "--json" && !hasInline) {
            command.json = true;
        } else if (option == "--lengths" && near && !hasInline) {
            command.lengths = true;
        } else {
            return Refusal("option inconnue pour la commande : " + Shown(option) + ".");
        }
        return std::nullopt;
    }
    const std::optional<std::string> text = rest.ValueOf(inlineValue, hasInline);
    if (!text) {
        return Refusal("l'option " + std::string(option) + " attend une valeur.");
    }
    if (option == "--min") {
        const auto minimum = WholeNumber(*text);
        if (!minimum || *minimum < 2 || *minimum > static_cast<int>(anagram::kMaxDraw)) {
            return Refusal(std::string("--min attend un nombre de 2 à "_cp) +
                           std::to_string(anagram::kMaxDraw) + ".");
        }
        command.minimum = *minimum;
    } else if (option == "--limit") {
        const auto limit = WholeNumber(*text);
        if (!limit || *limit < 1) {
            return Refusal("--limit attend un nombre entier positif."_cp);
        }
        command.limit = *limit;
    } else if (option == "--letter") {
        const auto letter = ObligatoryLetter(*text);
        if (!letter) {
            return Refusal("--letter attend une seule lettre de A à Z."_cp);
        }
        command.letter = *letter;
    } else {
        const auto threshold = WholeNumber(*text);
        if (!threshold || (*threshold != 90 && *threshold != 80 && *threshold != 70)) {
            return Refusal("--threshold attend 90, 80 ou 70."_cp);
        }
        command.threshold = *threshold;
    }
    return std::nullopt;
}

std::optional<Subcommand> SubcommandOf(std::string_view name) {
    for (const NamedSubcommand& known : kSubcommands) {
        if (known.name == name) {
            return known.subcommand;
        }
    }
    return std::nullopt;
}

bool IsHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

ParsedCommand ParseArguments(const std::vector<std::string>& args, bool json) {
    Arguments rest(args);
    if (rest.Done()) {
        return Refusal("indiquez une commande : check, scrabble, anagram, pattern, synonyms, near, "
                       "commune ou top."_cp);
    }
    const std::string& name = rest.Take();
    const std::optional<Subcommand> subcommand = SubcommandOf(name);
    if (!subcommand) {
        return Refusal("commande inconnue : " + Shown(name) + ".");
    }
    Command command;
    command.subcommand = *subcommand;
    command.json = json;
    std::vector<std::string> texts;
    bool optionsOver = false;
    while (!rest.Done()) {
        const std::string& argument = rest.Take();
        if (!optionsOver && argument == "--") {
            optionsOver = true;
        } else if (!optionsOver && IsHelp(argument)) {
            return HelpRequest{command.subcommand};
        } else if (!optionsOver && argument.size() > 1 && argument[0] == '-') {
            if (auto error = ReadOption(command, argument, rest)) {
                error->subcommand = command.subcommand;
                error->json = command.json;
                return *error;
            }
        } else {
            texts.push_back(argument);
        }
    }
    // top takes its draw, then the file of its position.
    if (command.subcommand == Subcommand::Top && texts.size() == 2) {
        command.positionFile = texts.back();
        texts.pop_back();
    }
    if (command.subcommand == Subcommand::Top && texts.empty()) {
        UsageError error = Refusal("la commande top attend un tirage."_cp);
        error.subcommand = command.subcommand;
        error.json = command.json;
        return error;
    }
    if (texts.size() > 1) {
        UsageError error = Refusal("la commande " + name +
                                   " attend un seul texte ; mettez-le entre guillemets s'il "
                                   "contient des blancs.");
        error.subcommand = command.subcommand;
        error.json = command.json;
        return error;
    }
    if (!texts.empty()) {
        command.text = texts.front();
    }
    return command;
}

} // namespace

UsageError Refusal(std::string_view message) {
    return {std::string(message) + " (voir zorvane-cli --help)", std::nullopt, false};
}

std::string_view SubcommandName(Subcommand subcommand) {
    for (const NamedSubcommand& known : kSubcommands) {
        if (known.subcommand == subcommand) {
            return known.name;
        }
    }
    return {}; // not reached: every subcommand is named above
}

ParsedCommand ParseCommandLine(const std::vector<std::string>& given) {
    // The general options may come first: "zorvane-cli --json near MAISON".
    std::size_t first = 0;
    bool json = false;
    for (; first < given.size(); ++first) {
        if (given[first] == "--json") {
            json = true;
        } else if (IsHelp(given[first])) {
            return HelpRequest{};
        } else if (given[first] == "--version") {
            return VersionRequest{};
        } else {
            break;
        }
    }
    ParsedCommand parsed =
        ParseArguments({given.begin() + static_cast<std::ptrdiff_t>(first), given.end()}, json);
    if (auto* error = std::get_if<UsageError>(&parsed)) {
        error->json = error->json || json;
    }
    return parsed;
}

} // namespace zorvane::cli
