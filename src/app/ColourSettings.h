#pragma once
// The two saved colours: where they live in the settings store and how their texts read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::app {

inline constexpr std::string_view kSettingsApp = "ZRVN";
inline constexpr std::string_view kSettingsSection = "Options";
inline constexpr std::string_view kKeyCouleurMDI = "CouleurMDI";
inline constexpr std::string_view kKeyCouleurBar = "CouleurBar";
inline constexpr std::string_view kDefaultCouleurMDI = "&HFFFFFF";
inline constexpr std::string_view kDefaultCouleurBar = "&HE0E0E0";

// The 32-bit colour (red in the low byte) of "&H" + hex digits or of decimal digits, at
// most FFFFFF (white); nothing for any other text.
std::optional<std::uint32_t> ColourNumber(std::string_view text);

struct StoredColour {
    std::string text;
    bool writeBack = false; // the store lacked a usable value: write the default
};

// A stored text that is missing or cannot be read as a colour gives the default.
StoredColour ResolveColour(const std::optional<std::string>& stored, std::string_view fallback);

} // namespace zorvane::app
