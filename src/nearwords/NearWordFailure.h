#pragma once
// What the near-word window reports when a search fails: the failure's description and
// run-time error number, at this place of the program ("021").

#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvane::nearwords {

inline constexpr std::string_view kPlaceNearWords = "021";

// The count of accepted words is 16-bit: one more than 32767 is an overflow.
class CountOverflow : public std::overflow_error {
public:
    CountOverflow();
};

} // namespace zorvane::nearwords
