#include "anagram/SearchReport.h"

#include "data/Cp1252Literal.h"

#include <array>
#include <cstdio>

namespace zorvane::anagram {
namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

int SecondsOfDay(std::string_view time) {
    if (time.size() != 8 || time[2] != ':' || time[5] != ':') {
        return 0;
    }
    int seconds = 0;
    for (const std::size_t place : {0U, 3U, 6U}) {
        const char tens = time[place];
        const char units = time[place + 1];
        if (tens < '0' || tens > '9' || units < '0' || units > '9') {
            return 0;
        }
        seconds = seconds * 60 + (tens - '0') * 10 + (units - '0');
    }
    return seconds;
}

} // namespace

std::string DureeRecherche(std::string_view debut, std::string_view fin) {
    const int elapsed =
        ((SecondsOfDay(fin) - SecondsOfDay(debut)) % kSecondsPerDay + kSecondsPerDay) %
        kSecondsPerDay;
    std::array<char, 9> text{};
    std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", elapsed / 3600, elapsed / 60 % 60,
                  elapsed % 60);
    return text.data();
}

std::string TexteRapport(std::size_t count, std::string_view duree) {
    if (count == 0) {
        return std::string("Aucun mots trouvés."_cp);
    }
    const std::string_view lastFour =
        duree.substr(duree.size() - std::min<std::size_t>(4, duree.size()));
    return std::to_string(count) + std::string(" mots trouvés en "_cp) + std::string(lastFour) +
           " sec.";
}

} // namespace zorvane::anagram
