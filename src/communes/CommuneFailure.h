#pragma once
// Where an unexpected failure of a commune search or list click happened, in its report.

#include <string_view>

namespace zorvane::communes {

inline constexpr std::string_view kPlaceNameSearch = "023";
inline constexpr std::string_view kPlacePostcodeSearch = "024";
inline constexpr std::string_view kPlaceListClick = "026";

} // namespace zorvane::communes
