#pragma once
// The searches of the command line: each runs the core its window runs, on the text as the
// window's box would hold it, and answers with what the window shows, in the same order,
// as typed values for scripts.

#include "cli/CommandLine.h"
#include "cli/SearchData.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// One thing the window shows beside its list (cp1252).
struct Fact {
    enum class Kind { Text, Number, Boolean };
    std::string key; // its JSON name
    Kind kind = Kind::Text;
    std::optional<std::string> value; // the text, or "8", "48.85", "true"; none: no value
    std::string line;                 // what the text output prints for it; empty: nothing
};

struct Answer {
    bool found = false;
    std::vector<Fact> facts;             // every key of the command (JsonKeys), in that order
    std::vector<std::string> words;      // the window's result list, in its order (cp1252)
    std::vector<long long> hundredths;   // near words only: each word's similarity
    std::vector<std::string> placements; // top only: where each word goes ("H4", "4H")
    std::vector<long long> scores;       // top only: what each move scores
    std::optional<std::string> message;  // the window's count or "nothing found" line (cp1252)
};

Fact TextFact(std::string_view key, std::optional<std::string> value, std::string line);
Fact NumberFact(std::string_view key, std::optional<long long> value, std::string line);
// A decimal as the data write it ("48.85"); no value unless it is a JSON number.
Fact DecimalFact(std::string_view key, std::string_view decimal, std::string line);
Fact FlagFact(std::string_view key, std::optional<bool> value, std::string line);

// The keys of the facts a subcommand's answers carry, always all of them, in order.
const std::vector<std::string_view>& FactKeys(Subcommand subcommand);

// A data failure (DataFailure) is thrown, never answered. text: as ReadQuery gives it.
Answer RunSearch(const Command& command, std::string_view text, SearchData& data);

Answer CheckSearch(std::string_view word, SearchData& data);
Answer ScrabbleSearch(std::string_view word, SearchData& data);
Answer AnagramSearch(std::string_view draw, int minimum, std::string_view letter, SearchData& data);
Answer PatternSearch(std::string_view pattern, SearchData& data); // "?" for unknown places
Answer NearSearch(std::string_view word, int threshold, bool lengths, SearchData& data);
Answer SynonymSearch(std::string_view typed, SearchData& data);
Answer CommuneSearch(std::string_view codeOrName, SearchData& data);
// draw: capitals and "?"; the position as Command::positionText holds it.
Answer TopSearch(std::string_view draw, const Command& command, SearchData& data);

} // namespace zorvane::cli
