#include "cli/Searches.h"

namespace zorvane::cli {

Answer RunSearch(const Command& command, SearchData& data) {
    switch (command.subcommand) {
    case Subcommand::Check:
        return CheckSearch(command.text, data);
    case Subcommand::Scrabble:
        return ScrabbleSearch(command.text, data);
    case Subcommand::Anagram:
        return AnagramSearch(command.text, command.minimum, command.letter, data);
    case Subcommand::Pattern:
        return PatternSearch(command.text, data);
    case Subcommand::Synonyms:
        return SynonymSearch(command.text, data);
    case Subcommand::Near:
        return NearSearch(command.text, command.threshold, command.lengths, data);
    case Subcommand::Commune:
        return CommuneSearch(command.text, data);
    }
    return {}; // not reached: every subcommand has its search above
}

} // namespace zorvane::cli
