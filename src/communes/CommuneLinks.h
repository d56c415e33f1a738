#pragma once
// The two web pages of a shown commune, built from the captions of its detail labels: the
// map directions to its coordinates and its page in the town-hall directory.

#include <string>
#include <string_view>

namespace zorvane::communes {

inline constexpr std::string_view kMapHost = "www.google.com";
// The town-hall directory: its host and the name shown on the button that opens it.
inline constexpr std::string_view kTownHallHost = "mairies.zorvane.example";
inline constexpr std::string_view kTownHallSiteName = "Annuaire des mairies";

// https, the map host, "/maps/dir//%20%20+%20%20", latitude, "%20%20+%20%20,%20%20",
// longitude; the captions go in as they are, "." included.
std::string MapDirectionsUrl(std::string_view latitude, std::string_view longitude);

// http, the directory host, "/" + the first two characters of the department caption +
// "/" + the name in small letters without accents, blanks turned into hyphens (cp1252).
// Apostrophes and "œ" stay; names longer than 42 characters are folded whole.
std::string TownHallUrl(std::string_view name, std::string_view department);

} // namespace zorvane::communes
