#pragma once
// The internal-error report of the synonym lookups: what failed, in French, with a run-time
// error number, in the message text every search handler of Zorvane shows.

#include <exception>
#include <string>
#include <string_view>

namespace zorvane::synonyms {

inline constexpr std::string_view kPlacePrefixList = "022";
inline constexpr std::string_view kPlaceLookup = "027";

// The report text (cp1252) for the failure being handled, at the given place code. Call it
// from a catch block only.
std::string ReportCurrentFailure(std::string_view placeCode);

} // namespace zorvane::synonyms
