#include "app/ColourSettings.h"

#include <charconv>

namespace zorvane::app {
namespace {

// Red, green and blue take the three low bytes; a higher value would wrap to another colour.
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::optional<std::uint32_t> ParseDigits(std::string_view digits, int base) {
    std::uint32_t value = 0;
    if (digits.empty()) {
        return std::nullopt;
    }
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc{} || end != digits.data() + digits.size() || value > kWhite) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::uint32_t> ColourNumber(std::string_view text) {
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        const std::string_view hex = text.substr(2);
        // from_chars would accept a sign; only hex digits belong here.
        if (hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string_view::npos) {
            return std::nullopt;
        }
        return ParseDigits(hex, 16);
    }
    if (text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return ParseDigits(text, 10);
}

StoredColour ResolveColour(const std::optional<std::string>& stored, std::string_view fallback) {
    if (stored && ColourNumber(*stored)) {
        return {*stored, false};
    }
    return {std::string(fallback), true};
}

} // namespace zorvane::app
