#pragma once
// A few words, synonyms and communes given to the command line as its resources, for its
// unit tests and its fuzz target.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::testing {

using CliResources = std::map<std::string, std::string>;

inline CliResources SampleCliResources() {
    CliResources made{
        {"DICO.100", "CHAT\r\nCHATS\r\nMAISON\r\nMAISONS\r\nRAISON\r\nTACHE\r\nZOO"},
        {"ANA.99", "ZOO\r\nCHAT\r\nCHATS\r\nTACHE\r\nMAISON\r\nRAISON\r\nMAISONS"},
        {"SYNONYE.105", "\xE9"
                        "cole\xA7n$institution\\classe"},
        // Lyon has no latitude and a longitude that is no JSON number: both come out null.
        {"LISTEPARCP.200", "69001 LYON 01\xA7Lyon 1er\xA7"
                           "69 Rh\xF4ne\xA7"
                           "Auvergne-Rh\xF4ne-Alpes\xA7"
                           "84\xA7"
                           "69381\xA7Lyon\xA7"
                           "10\xA7"
                           "A\xA7.\xA7"
                           "4,83\r\n"
                           "75001 PARIS 01\xA7Paris 01\xA7"
                           "75 Paris\xA7\xCEle-de-France\xA7"
                           "11\xA7"
                           "75101\xA7Paris\xA7"
                           "01\xA7"
                           "C\xA7"
                           "48.8\xA7"
                           "2.3"},
        {"LISTEPARNOM.201", "LYON 01$69001\xA7Lyon 1er\r\n"
                            "OEUILLY$02566\xA7"
                            "02160"}};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        made.emplace(std::string("SYNONY") + letter + "." + std::to_string(101 + letter - 'A'),
                     std::string(1, static_cast<char>(letter + 32)) + "\xA7n$x\\y");
    }
    return made;
}

inline std::optional<std::string_view> FindResource(const CliResources& resources,
                                                    std::string_view type, int id) {
    const auto found = resources.find(std::string(type) + "." + std::to_string(id));
    return found == resources.end() ? std::nullopt : std::optional<std::string_view>(found->second);
}

} // namespace zorvane::testing
