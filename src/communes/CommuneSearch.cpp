#include "communes/CommuneSearch.h"

#include "data/Cp1252Case.h"
#include "data/Cp1252Literal.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zorvane::communes {
namespace {

constexpr std::string_view kNameCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789";

// Whole words that the name keys abbreviate, and how.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kPostalWords{{
    {"SAINT", "ST"},
    {"SAINTE", "STE"},
}};

std::string CountInfo(std::size_t count, std::string_view none, std::string_view one) {
    if (count == 0) {
        return std::string(none);
    }
    if (count == 1) {
        return std::string(one);
    }
    return std::to_string(count) + std::string(" communes trouvées."_cp);
}

// Every entry whose key begins with prefix, as itemOf(i) shows it; the first one parsed.
template <typename ItemOf>
CommuneMatches Search(const CommuneList& list, std::string_view prefix, std::size_t minLength,
                      CommuneRecord (*parse)(std::string_view), ItemOf itemOf) {
    CommuneMatches matches;
    if (prefix.size() < minLength) {
        return matches;
    }
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (list.keys[i].starts_with(prefix)) {
            if (!matches.first) {
                matches.first = parse(list.lines[i]);
            }
            matches.items.push_back(itemOf(i));
        }
    }
    return matches;
}

} // namespace

CommuneMatches SearchByPostcode(const PostcodeList& list, std::string_view typed) {
    return Search(list, typed, kMinPostcodeLength, ParsePostcodeLine,
                  [&](std::size_t i) { return list.keys[i]; });
}

CommuneMatches SearchByName(const NameList& list, std::string_view name) {
    return Search(list, name, kMinNameLength, ParseNameLine, [&](std::size_t i) {
        return std::string(NameField(list.lines[i], 2)) + ' ' + list.keys[i];
    });
}

std::string PostcodeInfo(std::string_view typed, std::size_t count) {
    if (typed.size() < kMinPostcodeLength) {
        return {};
    }
    return CountInfo(count, "Ce code postal est inexistant."_cp,
                     "Une commune a ce code postal."_cp);
}

std::string NameInfo(std::string_view name, std::size_t count) {
    if (name.size() < kMinNameLength) {
        return {};
    }
    return CountInfo(count, "Aucun nom de commune n'a été trouvé."_cp, "Une commune trouvée."_cp);
}

std::optional<CommuneRecord> FindListItem(CommuneSearchMode mode, const PostcodeList& postcodes,
                                          const NameList& names, std::string_view item) {
    if (mode == CommuneSearchMode::Postcode) {
        for (std::size_t i = 0; i < postcodes.Count(); ++i) {
            if (postcodes.keys[i] == item) {
                return ParsePostcodeLine(postcodes.lines[i]);
            }
        }
        return std::nullopt;
    }
    const std::size_t blank = item.find(' ');
    const std::string_view code = item.substr(0, blank);
    const std::string_view key =
        blank == std::string_view::npos ? std::string_view() : item.substr(blank + 1);
    for (std::size_t i = 0; i < names.Count(); ++i) {
        if (names.keys[i] == key && names.lines[i].find(code) != std::string::npos) {
            return ParseNameLine(names.lines[i]);
        }
    }
    return std::nullopt;
}

NameEntry CheckNameEntry(std::string_view typed) {
    NameEntry entry;
    for (const char c : data::ToUpperCp1252(typed)) {
        if (kNameCharacters.find(c) != std::string_view::npos) {
            entry.text += c;
        } else if (entry.refused.find(c) == std::string::npos) {
            entry.refused += c;
        }
    }
    return entry;
}

std::string PostalSpelling(std::string_view name) {
    std::string spelled;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = std::min(name.find(' ', start), name.size());
        std::string_view word = name.substr(start, blank - start);
        for (const auto& [full, postal] : kPostalWords) {
            if (word == full) {
                word = postal;
            }
        }
        spelled += word;
        if (blank == name.size()) {
            return spelled;
        }
        spelled += ' ';
        start = blank + 1;
    }
}

std::string RefusedCharacterText(char refused) {
    return "Le caractere '' " + std::string(1, refused) + " '' n'est pas valide.";
}

} // namespace zorvane::communes
