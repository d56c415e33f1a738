#pragma once
// Reading the command line: the subcommand, its text and its options, or why they cannot be
// read. The text stays as typed (UTF-8); each query is read by ReadQuery (InputChecks.h).

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zorvane::cli {

enum class Subcommand { Check, Scrabble, Anagram, Pattern, Synonyms, Near, Commune, Top };

struct Command {
    Subcommand subcommand = Subcommand::Check;
    std::optional<std::string> text; // UTF-8 as typed; none: one query per line of the input
    bool json = false;
    int minimum = 2;                         // anagram: shortest word listed
    std::string letter;                      // anagram: a capital every word holds, or empty
    int threshold = 90;                      // near: 90, 80 or 70 per cent
    bool lengths = false;                    // near: words one letter longer or shorter too
    int limit = 10;                          // top: best moves listed
    std::optional<std::string> positionFile; // top: where the position is; none: the input
    std::string positionText;                // top: the position as read from there
};

struct HelpRequest {
    std::optional<Subcommand> subcommand; // none: the general help
};

struct VersionRequest {};

struct UsageError {
    std::string message;                  // French, cp1252, with the pointer to --help
    std::optional<Subcommand> subcommand; // when it was read
    bool json = false;                    // --json was given: the error is answered in JSON
};

using ParsedCommand = std::variant<Command, HelpRequest, VersionRequest, UsageError>;

// args: the arguments after the program's name.
ParsedCommand ParseCommandLine(const std::vector<std::string>& args);

// A usage error with the pointer to the help.
UsageError Refusal(std::string_view message);

// The subcommand's name on the command line.
std::string_view SubcommandName(Subcommand subcommand);

// The French help, UTF-8: every command, or one.
std::string HelpText();
std::string HelpText(Subcommand subcommand);

} // namespace zorvane::cli
