#pragma once
// What the crossword window says about a pattern search (cp1252): the refusal of too many
// unknown places, the result line, and the internal-error report with its place code.

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane::crossword {

inline constexpr std::string_view kPlaceRequest = "104"; // the search button's handler
inline constexpr std::string_view kPlaceSearch = "106";  // the search tick

std::string TooManyUnknownsMessage();

// "Aucun mot trouvé", "1 mot trouvé", "N mots trouvés".
std::string ResultText(std::size_t count);

// The report of the failure being handled, its place code standing for the description.
// Call it from a catch block only.
std::string FailureText(std::string_view placeCode);

} // namespace zorvane::crossword
