#pragma once
// What each subcommand accepts as its text: what the window's entry box would let the user
// type and search, with the window's own French refusals where it has one (cp1252 texts).

#include "cli/CommandLine.h"

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::cli {

// Why the text cannot be searched, or nothing when it can.
std::optional<std::string> CheckedText(Subcommand subcommand, std::string_view text);

// The text as the window's box holds it once typed: capitals for the word tools, and for a
// commune name the name key's spelling (no accents, hyphens and apostrophes as blanks).
std::string SearchedText(Subcommand subcommand, std::string_view text);

// The anagram search's obligatory letter, in capitals; nothing unless text (UTF-8) is one
// letter A to Z.
std::optional<std::string> ObligatoryLetter(std::string_view text);

// A commune text that starts with a digit is a postal code.
bool IsPostcode(std::string_view text);

} // namespace zorvane::cli
