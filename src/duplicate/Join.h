#pragma once
// Messages of the game core are put together from cp1252 literals ("..."_cp) and texts.

#include "data/Cp1252Literal.h"

#include <string>
#include <string_view>

namespace zorvane::duplicate {

template <typename... Parts> std::string Join(const Parts&... parts) {
    std::string text;
    (text.append(std::string_view(parts)), ...);
    return text;
}

} // namespace zorvane::duplicate
