#pragma once
// The letters the word tools take, one rule for every entry box and for the command line:
// A to Z, small or capital, and nothing that merely upper-cases to them ("ı", "ſ").

namespace zorvane::data {

constexpr bool IsWordLetter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

} // namespace zorvane::data
