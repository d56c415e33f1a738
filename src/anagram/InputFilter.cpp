#include "anagram/InputFilter.h"

#include "data/TextHelpers.h"

namespace zorvane::anagram {

std::string FiltreSaisie(std::string_view text, std::string_view allowed) {
    // Upper-casing the accented letters too would not change what is kept: they are
    // refused either way.
    std::string kept(text);
    for (char& c : kept) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    // Each removal changes the box's text, which filters it again from its first place.
    std::size_t place = 0;
    while (place < kept.size()) {
        if (allowed.find(kept[place]) != std::string_view::npos) {
            ++place;
            continue;
        }
        std::string removed = data::sChangeCaractere(kept, kept.substr(place, 1), "");
        if (removed == kept) { // only blanks: the routine leaves them
            ++place;
            continue;
        }
        kept = std::move(removed);
        place = 0;
    }
    return kept;
}

} // namespace zorvane::anagram
