#include "synonyms/SynonymOrder.h"

#include <algorithm>

namespace zorvane::synonyms {

std::vector<std::string> TriAlpha(std::vector<std::string> texts) {
    // std::string compares its chars as unsigned bytes, which is the cp1252 code order.
    std::sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        if (a.empty() || b.empty()) {
            return b.empty() && !a.empty();
        }
        return a < b;
    });
    return texts;
}

std::vector<std::string> TrierDefinitions(std::string_view synonymsText) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (items.size() < kMaxSynonyms) {
        const std::size_t cut = synonymsText.find('\\', start);
        items.emplace_back(synonymsText.substr(start, cut - start));
        if (cut == std::string_view::npos) {
            break;
        }
        start = cut + 1;
    }
    return TriAlpha(std::move(items));
}

} // namespace zorvane::synonyms
