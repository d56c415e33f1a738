// The lookups by key: synonyms and communes.

#include "cli/InputChecks.h"
#include "cli/Searches.h"
#include "communes/CommuneDetails.h"
#include "communes/CommuneSearch.h"
#include "synonyms/SynonymLookup.h"

#include <array>

namespace zorvane::cli {
namespace {

// The JSON names of the commune window's detail lines, top to bottom.
constexpr std::array<std::string_view, communes::kDetailCount> kDetailKeys{
    "commune",  "nom",           "departement",   "region",   "code_region", "insee",
    "academie", "code_academie", "zone_vacances", "latitude", "longitude"};

} // namespace

Answer SynonymSearch(std::string_view typed, SearchData& data) {
    const synonyms::SynonymLookup lookup(data.Synonyms());
    const synonyms::SynonymResult result = lookup.Lookup(synonyms::SearchKey(typed), typed);
    if (!result.failure.empty()) {
        throw DataFailure(result.failure);
    }
    Answer answer;
    if (!result.caption.empty()) {
        answer.facts.push_back({"nature", result.caption, Fact::Kind::Text, result.caption});
    }
    answer.words = result.synonyms;
    answer.found = !answer.words.empty();
    answer.message = result.message;
    return answer;
}

// The list the window fills as the text is typed, and the details of its first commune.
Answer CommuneSearch(std::string_view codeOrName, SearchData& data) {
    const bool postcode = IsPostcode(codeOrName);
    const communes::CommuneMatches matches =
        postcode ? communes::SearchByPostcode(data.Postcodes(), codeOrName)
                 : communes::SearchByName(data.Names(), communes::PostalSpelling(codeOrName));
    Answer answer;
    answer.words = matches.items;
    answer.found = !answer.words.empty();
    answer.message = postcode ? communes::PostcodeInfo(codeOrName, matches.items.size())
                              : communes::NameInfo(codeOrName, matches.items.size());
    if (matches.first) {
        const communes::DetailTexts shown = communes::DetailsOf(*matches.first);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            answer.facts.push_back({std::string(kDetailKeys[i]), shown[i], Fact::Kind::Text,
                                    std::string(communes::DetailCaptions()[i]) + ' ' + shown[i]});
        }
    }
    return answer;
}

} // namespace zorvane::cli
