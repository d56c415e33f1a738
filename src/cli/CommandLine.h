#pragma once
// Reading the command line: the subcommand, its text and its options, or why they cannot be
// read. Texts come in as UTF-8 and leave as cp1252, as the cores hold them.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zorvane::cli {

enum class Subcommand { Check, Scrabble, Anagram, Pattern, Synonyms, Near, Commune };

struct Command {
    Subcommand subcommand = Subcommand::Check;
    std::string text; // word, draw, pattern or commune, cp1252
    bool json = false;
    int minimum = 2;      // anagram: shortest word listed
    std::string letter;   // anagram: a capital every word holds, or empty
    int threshold = 90;   // near: 90, 80 or 70 per cent
    bool lengths = false; // near: words one letter longer or shorter too
};

struct HelpRequest {};

struct UsageError {
    std::string message; // French, cp1252
};

using ParsedCommand = std::variant<Command, HelpRequest, UsageError>;

// args: the arguments after the program's name.
ParsedCommand ParseCommandLine(const std::vector<std::string>& args);

// The French help, UTF-8.
std::string_view HelpText();

} // namespace zorvane::cli
