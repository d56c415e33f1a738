#pragma once
// What each subcommand accepts as its text: what the window's entry box would let the user
// type and search, accents folded for the word commands, with the window's own French
// refusals where it has one (cp1252 texts). The limits are the cores' own.

#include "cli/CommandLine.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zorvane::cli {

// One query: the UTF-8 text as typed becomes the text the search takes (cp1252), or the
// reason it cannot be searched.
std::variant<std::string, UsageError> ReadQuery(Subcommand subcommand, std::string_view utf8);

// A word in capitals A to Z where it can be: accents removed (É → E, Ç → C), Œ → OE, Æ → AE.
std::string FoldedCapitals(std::string_view cp1252);

// The anagram search's obligatory letter, in capitals; nothing unless text (UTF-8) is one
// letter.
std::optional<std::string> ObligatoryLetter(std::string_view utf8);

// A commune text that starts with a digit is a postal code.
bool IsPostcode(std::string_view text);

} // namespace zorvane::cli
