#pragma once
// Text helpers the fuzz targets share: cutting an input into parts, and the ASCII upper
// case the cores compare with.

#include "FuzzCheck.h"

#include <string>
#include <string_view>

// Takes the text up to the next separator (or all that is left) off the front of input.
inline std::string_view TakePart(std::string_view& input, char separator) {
    const std::size_t end = input.find(separator);
    const std::string_view part = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return part;
}

inline std::string_view TakeLine(std::string_view& input) {
    return TakePart(input, '\n');
}

// a to z become A to Z; every other byte stays.
FUZZ_REFERENCE inline std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}
