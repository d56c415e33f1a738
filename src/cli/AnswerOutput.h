#pragma once
// An answer as the terminal shows it (UTF-8 text) and as scripts read it (JSON).

#include "cli/CommandLine.h"
#include "cli/Searches.h"

#include <string>

namespace zorvane::cli {

// The facts one per line, a blank line, the words one per line (near words with their
// length and percentage, as the window lists them); the message alone when nothing was found.
std::string TextOutput(const Answer& answer);

// {"commande", "texte", "trouve", "message", the facts, "mots" (and "pourcentages")}, on
// one line.
std::string JsonOutput(const Command& command, const Answer& answer);

// The subcommand's name on the command line.
std::string_view SubcommandName(Subcommand subcommand);

} // namespace zorvane::cli
