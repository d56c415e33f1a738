#pragma once
// Where the maker of Zorvane can be reached. Written once here; the about windows and the
// contact form read them. The domain is reserved for documentation, so no third party is
// ever reached by mistake.

#include <string_view>

namespace zorvane::app {

inline constexpr std::string_view kMakerWebSite = "https://zorvane.example.org/";
inline constexpr std::string_view kMakerContactAddress = "contact@zorvane.example.org";
// The page of the program's copyright registration certificate and conditions of use.
inline constexpr std::string_view kCertificatePage = "https://zorvane.example.org/certificat.html";

} // namespace zorvane::app
