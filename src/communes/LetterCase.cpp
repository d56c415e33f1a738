#include "communes/LetterCase.h"

#include <algorithm>

namespace zorvane::communes {
namespace {

// Capital -> small pairs outside the two regular runs A-Z and À-Þ.
constexpr unsigned char kOtherPairs[][2] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

bool InRegularCapitals(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

char Lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (InRegularCapitals(u)) {
        return static_cast<char>(u + 0x20);
    }
    for (const auto& pair : kOtherPairs) {
        if (pair[0] == u) {
            return static_cast<char>(pair[1]);
        }
    }
    return c;
}

char Upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && InRegularCapitals(static_cast<unsigned char>(u - 0x20))) {
        return static_cast<char>(u - 0x20);
    }
    for (const auto& pair : kOtherPairs) {
        if (pair[1] == u) {
            return static_cast<char>(pair[0]);
        }
    }
    return c;
}

std::string Mapped(std::string_view text, char (*map)(char)) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), map);
    return result;
}

} // namespace

std::string UpperCase(std::string_view text) {
    return Mapped(text, Upper);
}
std::string LowerCase(std::string_view text) {
    return Mapped(text, Lower);
}

} // namespace zorvane::communes
