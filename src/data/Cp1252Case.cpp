#include "data/Cp1252Case.h"

#include <algorithm>
#include <array>

namespace zorvane::data {
namespace {

// The capital and small forms that cp1252 pairs outside A-Z and À-Þ / à-þ.
constexpr std::array<std::pair<unsigned char, unsigned char>, 4> kHighPairs{
    {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}}}; // Š Œ Ž Ÿ

struct CaseTables {
    std::array<char, 256> lower{};
    std::array<char, 256> upper{};
    CaseTables() {
        for (int b = 0; b < 256; ++b) {
            lower[static_cast<std::size_t>(b)] = static_cast<char>(b);
            upper[static_cast<std::size_t>(b)] = static_cast<char>(b);
        }
        auto pair = [this](int capital, int small) {
            lower[static_cast<std::size_t>(capital)] = static_cast<char>(small);
            upper[static_cast<std::size_t>(small)] = static_cast<char>(capital);
        };
        for (int b = 'A'; b <= 'Z'; ++b) {
            pair(b, b + 32);
        }
        for (int b = 0xC0; b <= 0xDE; ++b) {
            if (b != 0xD7) { // × has no small form
                pair(b, b + 32);
            }
        }
        for (const auto& [capital, small] : kHighPairs) {
            pair(capital, small);
        }
    }
};

const CaseTables& Tables() {
    static const CaseTables tables;
    return tables;
}

std::string Mapped(std::string_view text, const std::array<char, 256>& table) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [&table](char c) { return table[static_cast<unsigned char>(c)]; });
    return out;
}

} // namespace

char LowerCp1252(char c) {
    return Tables().lower[static_cast<unsigned char>(c)];
}
char UpperCp1252(char c) {
    return Tables().upper[static_cast<unsigned char>(c)];
}
std::string ToLowerCp1252(std::string_view text) {
    return Mapped(text, Tables().lower);
}
std::string ToUpperCp1252(std::string_view text) {
    return Mapped(text, Tables().upper);
}

} // namespace zorvane::data
