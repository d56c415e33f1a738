#include "check/ScrabblePoints.h"

namespace zorvane::check {

std::int16_t ChercheLet(std::string_view mot, std::string_view lettre) {
    std::int16_t count = 0;
    if (mot.empty() || lettre.empty()) {
        return count;
    }
    for (std::size_t hit = mot.find(lettre); hit != std::string_view::npos;
         hit = mot.find(lettre, hit + 1)) {
        ++count;
    }
    return count;
}

int ScrabblePoints(std::string_view word) {
    int points = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        points += ChercheLet(word, std::string_view(&letter, 1)) * LetterValues.at(letter - 'A');
    }
    return points;
}

} // namespace zorvane::check
