#pragma once
// Text helpers the fuzz targets share: cutting an input into parts, and the ASCII upper
// case the cores compare with.

#include "FuzzCheck.h"

#include <string>
#include <string_view>

// Takes the text up to the next LF (or all that is left) off the front of input.
inline std::string_view TakeLine(std::string_view& input) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return line;
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
