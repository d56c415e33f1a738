#pragma once
// Where the maker of Zorvane is reached: the program's web site and the contact address
// the contact form writes to. Both sit under the domain reserved for Zorvane's own use.

#include <string_view>

namespace zorvane::data {

inline constexpr std::string_view kMakerSiteCaption = "www.zorvane.example";
inline constexpr std::string_view kMakerSiteUrl = "https://www.zorvane.example/";
inline constexpr std::string_view kMakerContactAddress = "contact@zorvane.example";
// The page of the program's copyright registration certificate and conditions of use.
inline constexpr std::string_view kCertificatePage = "https://www.zorvane.example/certificat.html";

} // namespace zorvane::data
