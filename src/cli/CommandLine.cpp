#include "cli/CommandLine.h"

#include "cli/InputChecks.h"
#include "cli/Utf8Text.h"
#include "data/Cp1252Literal.h"

#include <array>
#include <charconv>
#include <optional>

namespace zorvane::cli {
namespace {

using zorvane::operator""_cp;

struct SubcommandName {
    std::string_view name;
    Subcommand subcommand;
};

constexpr std::array<SubcommandName, 7> kSubcommands{{{"check", Subcommand::Check},
                                                      {"scrabble", Subcommand::Scrabble},
                                                      {"anagram", Subcommand::Anagram},
                                                      {"pattern", Subcommand::Pattern},
                                                      {"synonyms", Subcommand::Synonyms},
                                                      {"near", Subcommand::Near},
                                                      {"commune", Subcommand::Commune}}};

std::string Seeing() {
    return std::string(" (voir zorvane-cli --help)"_cp);
}

UsageError Error(std::string_view message) {
    return {std::string(message) + Seeing()};
}

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

std::optional<UsageError> ReadOption(Command& command, std::string_view argument, Arguments& rest) {
    const std::size_t equals = argument.find('=');
    const std::string_view option = argument.substr(0, equals);
    const bool hasInline = equals != std::string_view::npos;
    const std::string_view inlineValue = hasInline ? argument.substr(equals + 1) : "";
    const bool anagram = command.subcommand == Subcommand::Anagram;
    const bool near = command.subcommand == Subcommand::Near;
    const auto value = [&]() { return rest.ValueOf(inlineValue, hasInline); };
    const auto missing = [&] {
        return Error("l'option " + std::string(option) + " attend une valeur.");
    };
    if (option == "--json" && !hasInline) {
        command.json = true;
    } else if (option == "--lengths" && near && !hasInline) {
        command.lengths = true;
    } else if (option == "--min" && anagram) {
        const auto text = value();
        if (!text) {
            return missing();
        }
        const auto minimum = WholeNumber(*text);
        if (!minimum || *minimum < 2 || *minimum > 12) {
            return Error("--min attend un nombre de 2 à 12."_cp);
        }
        command.minimum = *minimum;
    } else if (option == "--letter" && anagram) {
        const auto text = value();
        if (!text) {
            return missing();
        }
        const auto letter = ObligatoryLetter(*text);
        if (!letter) {
            return Error("--letter attend une seule lettre de A à Z, sans accent."_cp);
        }
        command.letter = *letter;
    } else if (option == "--threshold" && near) {
        const auto text = value();
        if (!text) {
            return missing();
        }
        const auto threshold = WholeNumber(*text);
        if (!threshold || (*threshold != 90 && *threshold != 80 && *threshold != 70)) {
            return Error("--threshold attend 90, 80 ou 70."_cp);
        }
        command.threshold = *threshold;
    } else {
        const auto shown = Utf8ToCp1252(option).value_or("?");
        return Error("option inconnue pour la commande : " + shown + ".");
    }
    return std::nullopt;
}

std::optional<Subcommand> SubcommandOf(std::string_view name) {
    for (const SubcommandName& known : kSubcommands) {
        if (known.name == name) {
            return known.subcommand;
        }
    }
    return std::nullopt;
}

bool IsHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

} // namespace

ParsedCommand ParseCommandLine(const std::vector<std::string>& given) {
    // The general options may come first too: "zorvane-cli --json near MAISON".
    std::vector<std::string> args;
    bool json = false;
    for (const std::string& argument : given) {
        if (IsHelp(argument)) {
            return HelpRequest{};
        }
        if (argument == "--json" && args.empty()) {
            json = true;
        } else {
            args.push_back(argument);
        }
    }
    Arguments rest(args);
    if (rest.Done()) {
        return Error("indiquez une commande : check, scrabble, anagram, pattern, synonyms, near "
                     "ou commune."_cp);
    }
    const std::string& name = rest.Take();
    const std::optional<Subcommand> subcommand = SubcommandOf(name);
    if (!subcommand) {
        const auto shown = Utf8ToCp1252(name).value_or("?");
        return Error("commande inconnue : " + shown + ".");
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
        } else if (!optionsOver && argument.size() > 1 && argument[0] == '-') {
            if (auto error = ReadOption(command, argument, rest)) {
                return *error;
            }
        } else {
            texts.push_back(argument);
        }
    }
    if (texts.size() != 1) {
        return Error("la commande " + name +
                     (texts.empty() ? std::string(" attend un texte.")
                                    : std::string(" attend un seul texte ; mettez-le entre "
                                                  "guillemets s'il contient des blancs.")));
    }
    const std::optional<std::string> text = Utf8ToCp1252(texts.front());
    if (!text) {
        return Error("le texte contient un caractère que Zorvane ne connaît pas."_cp);
    }
    if (auto refusal = CheckedText(command.subcommand, *text)) {
        return Error(*refusal);
    }
    command.text = SearchedText(command.subcommand, *text);
    return command;
}

} // namespace zorvane::cli
