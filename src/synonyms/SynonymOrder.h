#pragma once
// The order of a synonyms list: the first 21 items of an entry, sorted by cp1252 codes.

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::synonyms {

inline constexpr std::size_t kMaxSynonyms = 21;

// Ascending by the cp1252 code of each character, a proper beginning before the longer
// text, the empty text after every other; equal texts are all kept.
std::vector<std::string> TriAlpha(std::vector<std::string> texts);

// The synonyms text cut at each "\", its first 21 items kept (empty ones too), sorted.
std::vector<std::string> TrierDefinitions(std::string_view synonymsText);

} // namespace zorvane::synonyms
