#pragma once
// Where the next tool window opens: 600 twips further right and down each time, over six
// places, back to 600 after 3600.

#include <cstdint>

namespace zorvane::app {

constexpr std::int16_t PasCascade(std::int16_t posCascade) {
    switch (posCascade) {
    case 0:
    case 3600:
        return 600;
    case 600:
    case 1200:
    case 1800:
    case 2400:
    case 3000:
        return static_cast<std::int16_t>(posCascade + 600);
    default:
        return posCascade;
    }
}

} // namespace zorvane::app
