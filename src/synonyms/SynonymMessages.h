#pragma once
// What the synonyms window says about a search: count messages, result messages and the
// category caption built from the label of an entry's category code (cp1252 texts).

#include <string>
#include <string_view>

namespace zorvane::synonyms {

// "Aucun mot dans la liste.", "Un mot listé." or "12 mots listés.".
std::string PrefixCountMessage(std::size_t count);

// "Aucun synonyme pour ''t''.", "Un synonyme pour ''t''." or "5 synonymes pour ''t''.".
std::string ResultMessage(std::size_t count, std::string_view typed);

// The label of one of the 34 known category codes (": adjectif nom" for "adj n"), compared
// exactly; empty for any other code.
std::string_view CategoryLabel(std::string_view code);

// The typed text in capitals followed by the label of the code ("MAISON: adjectif nom");
// empty when the code has no label.
std::string CategoryCaption(std::string_view typed, std::string_view code);

} // namespace zorvane::synonyms
