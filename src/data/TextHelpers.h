#pragma once
// Small text routines shared by the loader and several tool windows (cp1252 bytes).

#include <string>
#include <string_view>

namespace zorvane::data {

// Folds the accented small letters of French to their base letter in the first nb
// characters of aller; capitals, "æ", "’" and punctuation stay as they are.
std::string SubAccents(std::string_view aller, std::size_t nb);

// Every occurrence of oldText replaced by newText, left to right, inserted text never
// rescanned. The text comes back unchanged when oldText is empty or the text is empty or
// only blanks.
std::string sChangeCaractere(std::string_view text, std::string_view oldText,
                             std::string_view newText);

// The commune window's name for the same routine.
inline std::string ChangeEspaceTiret(std::string_view text, std::string_view oldText,
                                     std::string_view newText) {
    return sChangeCaractere(text, oldText, newText);
}

} // namespace zorvane::data
