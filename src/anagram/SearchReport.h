#pragma once
// The status line of a finished anagram search (cp1252 texts).

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane::anagram {

// End minus start, both times of day as "hh:mm:ss", written "hh:mm:ss". A search that
// runs past midnight counts on into the next day; an unreadable time counts as 00:00:00.
std::string DureeRecherche(std::string_view debut, std::string_view fin);

// "6 mots trouvés en 0:03 sec." (the last 4 characters of the elapsed time), or
// "Aucun mots trouvés." when nothing was found.
std::string TexteRapport(std::size_t count, std::string_view duree);

} // namespace zorvane::anagram
