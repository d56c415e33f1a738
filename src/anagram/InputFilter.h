#pragma once
// What the draw box and the mandatory-letter box keep of a typed or pasted text (cp1252).

#include <string>
#include <string_view>

namespace zorvane::anagram {

// The characters the draw box keeps: letters and the joker.
inline constexpr std::string_view kLettresTirage =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz?";
// The characters the mandatory-letter box keeps.
inline constexpr std::string_view kLettresObligatoires = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The text upper-cased, then every character that allowed does not hold removed, each with
// all its repeats, from the first place on. Accented letters are refused, not folded. A text
// made only of blanks stays as it is (the removal routine leaves such a text alone).
std::string FiltreSaisie(std::string_view text, std::string_view allowed);

} // namespace zorvane::anagram
