#pragma once
// The part-of-speech codes of the definitions file and the labels the user reads.

#include <array>
#include <string_view>

namespace zorvane::check {

struct PartOfSpeech {
    std::string_view code;  // as in the file, compared case-sensitively
    std::string_view label; // cp1252
};

// In the order the codes are tested.
extern const std::array<PartOfSpeech, 35> kPartsOfSpeech;

// The label of a code; empty for a code the table does not know.
std::string_view PartOfSpeechLabel(std::string_view code);

} // namespace zorvane::check
