#include "data/TextHelpers.h"

#include <algorithm>

namespace zorvane::data {
namespace {

char FoldAccent(char c) {
    switch (static_cast<unsigned char>(c)) {
    case 0xE0: // à
    case 0xE2: // â
    case 0xE4: // ä
        return 'a';
    case 0xE7: // ç
        return 'c';
    case 0xE8: // è
    case 0xE9: // é
    case 0xEA: // ê
    case 0xEB: // ë
        return 'e';
    case 0xEE: // î
    case 0xEF: // ï
        return 'i';
    case 0xF4: // ô
    case 0xF6: // ö
        return 'o';
    case 0xF9: // ù
    case 0xFB: // û
    case 0xFC: // ü
        return 'u';
    case 0xFF: // ÿ
        return 'y';
    default:
        return c;
    }
}

} // namespace

std::string SubAccents(std::string_view aller, std::size_t nb) {
    std::string folded(aller.substr(0, std::min(nb, aller.size())));
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldAccent);
    return folded;
}

std::string sChangeCaractere(std::string_view text, std::string_view oldText,
                             std::string_view newText) {
    const bool onlyBlanks = text.find_first_not_of(' ') == std::string_view::npos;
    if (oldText.empty() || onlyBlanks) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t hit = text.find(oldText); hit != std::string_view::npos;
         hit = text.find(oldText, start)) {
        result.append(text.substr(start, hit - start)).append(newText);
        start = hit + oldText.size();
    }
    result.append(text.substr(start));
    return result;
}

} // namespace zorvane::data
