#include "check/PartsOfSpeech.h"

#include "data/Cp1252Literal.h"

#include <algorithm>

namespace zorvane::check {

const std::array<PartOfSpeech, 35> kPartsOfSpeech = {{
    {"adj", "adjectif"},
    {"adj adv", "adjectif, adverbe"},
    {"adj interj", "adjectif, interjection"},
    {"adj interj n", "adjectif, interjection, nom"},
    {"adj n", "adjectif, nom"},
    {"adj n v", "adjectif, nom, verbe"},
    {"adj prép"_cp, "adjectif, préposition"_cp},
    {"adj pron", "adjectif, pronom"},
    {"adj v", "adjectif, verbe"},
    {"adv", "adverbe"},
    {"adv conj", "adverbe, conjonction"},
    {"adv loc", "adverbe, locution"},
    {"adv n", "adverbe, nom"},
    {"adv prép"_cp, "adverbe, préposition"_cp},
    {"adv pron", "adverbe, pronom"},
    {"adv v", "adverbe, verbe"},
    {"art", "article"},
    {"conj", "conjonction"},
    {"conj n", "conjonction, nom"},
    {"interj", "interjection"},
    {"interj n", "interjection, nom"},
    {"loc", "locution"},
    {"loc adv", "locution, adverbe"},
    {"n", "nom"},
    {"n conj", "nom, conjonction"},
    {"n préf"_cp, "nom, préfixe"_cp},
    {"n prép"_cp, "nom, préposition"_cp},
    {"n pron", "nom, pronom"},
    {"n suff", "nom, suffixe"},
    {"n v", "nom, verbe"},
    {"onomat", "onomatopée"_cp},
    {"préf"_cp, "préfixe"_cp},
    {"prép"_cp, "préposition"_cp},
    {"pron", "pronom"},
    {"v", "verbe"},
}};

std::string_view PartOfSpeechLabel(std::string_view code) {
    const auto row = std::find_if(kPartsOfSpeech.begin(), kPartsOfSpeech.end(),
                                  [code](const PartOfSpeech& part) { return part.code == code; });
    return row != kPartsOfSpeech.end() ? row->label : std::string_view{};
}

} // namespace zorvane::check
