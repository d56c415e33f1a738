#pragma once
// An answer as the terminal shows it (UTF-8 text) and as scripts read it (one JSON object
// per line, the schema of docs/json-schema.md).

#include "cli/CommandLine.h"
#include "cli/Searches.h"

#include <optional>
#include <string>

namespace zorvane::cli {

// The facts one per line, a blank line, the words one per line (near words with their
// length and percentage, as the window lists them); the message alone when nothing was found.
std::string TextOutput(const Answer& answer);

// typed: the query as given (UTF-8).
std::string JsonOutput(Subcommand subcommand, std::string_view typed, const Answer& answer);

// A query that could not be answered: every key of the command with no value, and the
// reason (cp1252). The subcommand and the query are unknown when the command line could
// not be read that far.
std::string JsonError(std::optional<Subcommand> subcommand, std::optional<std::string_view> typed,
                      std::string_view reason);

} // namespace zorvane::cli
