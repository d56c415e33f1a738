#pragma once
// "texte"_cp: a UTF-8 source literal turned into cp1252 bytes at compile time, so the cores
// can spell their French messages readably and still hold the bytes the resources use.
// clang-tidy 14 crashes on a std::string or std::vector variable initialised straight from
// a "..."_cp literal; going through a std::string_view constant first avoids it.

#include "data/Cp1252.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zorvane {
namespace detail {

template <std::size_t N> struct Utf8Literal {
    char bytes[N]{};
    consteval Utf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) {
            bytes[i] = text[i];
        }
    }
};

// Decodes one UTF-8 sequence starting at i; advances i.
constexpr char32_t DecodeUtf8(const char* s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t code = lead & (0x3F >> extra);
    while (extra-- > 0) {
        code = (code << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return code;
}

template <std::size_t N> constexpr std::size_t CountCodePoints(const Utf8Literal<N>& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i + 1 < N;) {
        DecodeUtf8(text.bytes, i);
        ++count;
    }
    return count;
}

template <std::size_t M, std::size_t N> constexpr auto Encode(const Utf8Literal<N>& text) {
    std::array<char, M + 1> out{};
    std::size_t o = 0;
    for (std::size_t i = 0; i + 1 < N;) {
        const int byte = cp1252::FromUnicode(DecodeUtf8(text.bytes, i));
        if (byte < 0) {
            throw "character outside Windows-1252";
        }
        out[o++] = static_cast<char>(byte);
    }
    return out;
}

template <Utf8Literal S> inline constexpr auto kEncoded = Encode<CountCodePoints(S)>(S);

} // namespace detail

template <detail::Utf8Literal S> constexpr std::string_view operator""_cp() {
    return {detail::kEncoded<S>.data(), detail::kEncoded<S>.size() - 1};
}

} // namespace zorvane
