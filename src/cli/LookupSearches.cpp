// The lookups by key: synonyms and communes.

#include "cli/InputChecks.h"
#include "cli/Searches.h"
#include "communes/CommuneDetails.h"
#include "communes/CommuneSearch.h"
#include "data/Cp1252Case.h"
#include "data/TextHelpers.h"
#include "synonyms/SynonymLookup.h"

namespace zorvane::cli {
namespace {

// The other spelling of a key with "œ" or "oe" (cœur, coeur), or nothing.
std::optional<std::string> OtherSpelling(const std::string& key) {
    if (key.find('\x9C') != std::string::npos) {
        return data::sChangeCaractere(key, "\x9C", "oe");
    }
    if (key.find("oe") != std::string::npos) {
        return data::sChangeCaractere(key, "oe", "\x9C");
    }
    return std::nullopt;
}

std::optional<std::string> Value(const std::string& field) {
    return field.empty() || field == "." ? std::nullopt : std::optional(field);
}

} // namespace

// Capitals are looked up as their small letters, so "ÉLÉGANT" finds "élégant"; a word with
// "œ" is found under either spelling.
Answer SynonymSearch(std::string_view typed, SearchData& data) {
    const synonyms::SynonymLookup lookup(data.Synonyms());
    const std::string key = synonyms::SearchKey(data::ToLowerCp1252(typed));
    synonyms::SynonymResult result = lookup.Lookup(key, typed);
    if (const auto other = OtherSpelling(key); !result.found && other) {
        if (synonyms::SynonymResult second = lookup.Lookup(*other, typed); second.found) {
            result = std::move(second);
        }
    }
    if (!result.failure.empty()) {
        throw DataFailure(result.failure);
    }
    const auto found = [&](const std::string& text) {
        return result.found ? std::optional(text) : std::nullopt;
    };
    Answer answer;
    answer.facts = {NumberFact("nombre", static_cast<long long>(result.synonyms.size()), ""),
                    TextFact("mot", found(result.headword), ""),
                    TextFact("nature", found(result.category), result.caption)};
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
    const communes::CommuneRecord record = matches.first.value_or(communes::CommuneRecord{});
    const bool shown = matches.first.has_value();
    std::array<std::string, communes::kDetailCount> lines;
    if (shown) {
        const communes::DetailTexts texts = communes::DetailsOf(record);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            lines[i] = std::string(communes::DetailCaptions()[i]) + ' ' + texts[i];
        }
    }
    answer.facts = {NumberFact("nombre", static_cast<long long>(matches.items.size()), ""),
                    TextFact("commune", Value(record.key), lines[0]),
                    TextFact("nom", Value(record.name), lines[1]),
                    TextFact("departement", Value(record.department), lines[2]),
                    TextFact("region", Value(record.region), lines[3]),
                    TextFact("code_region", Value(record.regionCode), lines[4]),
                    TextFact("insee", Value(record.insee), lines[5]),
                    TextFact("academie", Value(record.academy), lines[6]),
                    TextFact("code_academie", Value(record.academyCode), lines[7]),
                    TextFact("zone_vacances", Value(record.holidayZone), lines[8]),
                    DecimalFact("latitude", record.latitude, lines[9]),
                    DecimalFact("longitude", record.longitude, lines[10])};
    return answer;
}

} // namespace zorvane::cli
