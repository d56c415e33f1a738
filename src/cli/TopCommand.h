#pragma once
// The top command: the best moves of a draw on a position read from a file or the input.

#include "cli/CommandLine.h"

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zorvane::cli {

// Why a draw (in capitals) cannot be played, in French (cp1252); nothing when it can.
std::optional<std::string> TopDrawRefusal(std::string_view capitals);

// The text of the position: the file named (UTF-8), or the whole input without one; a file
// that cannot be read, or a text far longer than a position, is refused.
std::variant<std::string, UsageError> ReadPositionText(const std::optional<std::string>& file,
                                                       std::istream& in);

// For the top command: why its position, or the position with the draw, cannot be played
// (a malformed text, more tiles of a letter than the set holds); nothing for other commands.
std::optional<std::string> BoardRefusal(const Command& command, std::string_view draw);

} // namespace zorvane::cli
