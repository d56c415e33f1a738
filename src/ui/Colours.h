#pragma once
// Colour numbers of the settings (red in the low byte) as Qt colours and back.

#include <QColor>
#include <cstdint>

namespace zorvane::ui {

inline QColor ToQColor(std::uint32_t number) {
    return QColor(static_cast<int>(number & 0xFF), static_cast<int>((number >> 8) & 0xFF),
                  static_cast<int>((number >> 16) & 0xFF));
}

inline std::uint32_t ToColourNumber(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

} // namespace zorvane::ui
