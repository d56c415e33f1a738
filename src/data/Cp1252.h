#pragma once
// Windows-1252, the code page of every text inside Zorvane: the byte <-> Unicode tables
// shared by the compile-time literal encoder and the Qt string boundary.

#include <cstdint>

namespace zorvane::cp1252 {

// Bytes 0x80-0x9F; the five bytes Windows leaves undefined map to the C1 control of the
// same value, so every byte survives a round trip.
inline constexpr char32_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t ToUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighBlock[byte - 0x80] : char32_t{byte};
}

// The byte of a code point, or -1 when cp1252 has no such character.
constexpr int FromUnicode(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<int>(code);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] == code) {
            return 0x80 + i;
        }
    }
    return -1;
}

} // namespace zorvane::cp1252
