#pragma once
// The searches of the command line: each runs the core its window runs, on the text as the
// window's box would hold it, and answers with what the window shows, in the same order.

#include "cli/CommandLine.h"
#include "cli/SearchData.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

// One thing the window shows beside its list (cp1252).
struct Fact {
    enum class Kind { Text, Number, Boolean };
    std::string key;   // its JSON name
    std::string value; // "8", "true", or the text
    Kind kind = Kind::Text;
    std::string line; // what the text output prints for it
};

struct Answer {
    bool found = false;
    std::vector<Fact> facts;
    std::vector<std::string> words; // the window's result list, in its order (cp1252)
    std::vector<int> percents;      // near words only: each word's similarity, whole per cent
    std::string message;            // the window's count or "nothing found" line (cp1252)
};

// A data failure (DataFailure) is thrown, never answered.
Answer RunSearch(const Command& command, SearchData& data);

Answer CheckSearch(std::string_view word, SearchData& data);
Answer ScrabbleSearch(std::string_view word, SearchData& data);
Answer AnagramSearch(std::string_view draw, int minimum, std::string_view letter, SearchData& data);
Answer PatternSearch(std::string_view pattern, SearchData& data); // "?" for unknown places
Answer NearSearch(std::string_view word, int threshold, bool lengths, SearchData& data);
Answer SynonymSearch(std::string_view typed, SearchData& data);
Answer CommuneSearch(std::string_view codeOrName, SearchData& data);

} // namespace zorvane::cli
