#pragma once
// The report of an unexpected failure inside a commune search or list click.

#include <string>
#include <string_view>

namespace zorvane::communes {

inline constexpr std::string_view kPlaceNameSearch = "023";
inline constexpr std::string_view kPlacePostcodeSearch = "024";
inline constexpr std::string_view kPlaceListClick = "026";

// The message text (cp1252) for the exception being handled: its French description and
// run-time error number at that place. Call it from a catch block only.
std::string CurrentFailureText(std::string_view place);

} // namespace zorvane::communes
