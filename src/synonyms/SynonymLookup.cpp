#include "synonyms/SynonymLookup.h"

#include "data/Cp1252Case.h"
#include "data/InternalError.h"
#include "data/TextHelpers.h"
#include "synonyms/SynonymMessages.h"
#include "synonyms/SynonymOrder.h"

#include <algorithm>

namespace zorvane::synonyms {
namespace {

constexpr char kSection = '\xA7'; // "§" ends the headword
constexpr char kDollar = '$';     // ends the category code

// Whether the stored key, in lower case, begins with the key. Compared in place, without
// a lower-case copy, since the prefix list runs over a whole table at every keystroke.
bool LowerBeginsWith(std::string_view stored, std::string_view key) {
    if (stored.size() < key.size()) {
        return false;
    }
    return std::equal(key.begin(), key.end(), stored.begin(),
                      [](char k, char s) { return data::LowerCp1252(s) == k; });
}

std::size_t PlacesToScan(const data::SynonymLetterTable& table) {
    return table.NbSyno > 0 ? static_cast<std::size_t>(table.NbSyno) : 0;
}

void TakeEntry(std::string_view line, SynonymResult& result) {
    const std::size_t section = line.find(kSection);
    const std::string_view afterSection =
        section == std::string_view::npos ? std::string_view() : line.substr(section + 1);
    const std::size_t dollar = afterSection.find(kDollar);
    result.found = true;
    result.headword = data::Headword(line);
    result.category = afterSection.substr(0, dollar);
    result.synonymsText =
        dollar == std::string_view::npos ? std::string_view() : afterSection.substr(dollar + 1);
}

} // namespace

std::string SearchKey(std::string_view typed) {
    return data::ToLowerCp1252(data::SubAccents(typed, typed.size()));
}

char TableLetter(std::string_view key) {
    if (key.empty()) {
        return 0;
    }
    switch (static_cast<unsigned char>(key.front())) {
    case 0xE0: // à
    case 0xE2: // â
        return 'A';
    case 0xE7: // ç
        return 'C';
    case 0xE8: // è
    case 0xE9: // é
    case 0xEA: // ê
        return 'E';
    case 0xF4: // ô
        return 'O';
    default:
        break;
    }
    const char first = key.front();
    return first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : char{0};
}

PrefixListResult SynonymLookup::PrefixList(std::string_view key) const {
    PrefixListResult result;
    const char letter = TableLetter(key);
    if (key.size() >= 2 && letter != 0) {
        try {
            const data::SynonymLetterTable& table = store_.Syno(letter);
            for (std::size_t i = 0; i < PlacesToScan(table); ++i) {
                if (LowerBeginsWith(table.CleSyno.at(i), key)) {
                    result.headwords.push_back(data::Headword(table.Syno.at(i)));
                }
            }
        } catch (...) {
            result.failure = data::CurrentFailureText(kPlacePrefixList);
        }
    }
    result.message = PrefixCountMessage(result.headwords.size());
    return result;
}

SynonymResult SynonymLookup::Lookup(std::string_view key, std::string_view typed) const {
    SynonymResult result;
    const char letter = TableLetter(key);
    if (letter != 0) {
        try {
            const data::SynonymLetterTable& table = store_.Syno(letter);
            for (std::size_t i = 0; i < PlacesToScan(table); ++i) {
                const std::string& stored = table.CleSyno.at(i);
                if (stored.size() == key.size() && LowerBeginsWith(stored, key)) {
                    TakeEntry(table.Syno.at(i), result);
                    break;
                }
            }
            if (!result.synonymsText.empty()) {
                result.synonyms = TrierDefinitions(result.synonymsText);
            }
        } catch (...) {
            result.failure = data::CurrentFailureText(kPlaceLookup);
        }
    }
    result.message = ResultMessage(result.synonyms.size(), typed);
    result.caption = CategoryCaption(typed, result.category);
    return result;
}

} // namespace zorvane::synonyms
