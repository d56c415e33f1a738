#pragma once
// A few words, synonyms and the sample communes given to the command line as its resources,
// for its unit tests and its fuzz target.

#include "communes/SampleCommunes.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::testing {

using CliResources = std::map<std::string, std::string>;

inline CliResources SampleCliResources() {
    CliResources made{{"DICO.100", "CHAT\r\nCHATS\r\nMAISON\r\nMAISONS\r\nRAISON\r\nTACHE\r\nZOO"},
                      {"ANA.99", "ZOO\r\nCHAT\r\nCHATS\r\nTACHE\r\nMAISON\r\nRAISON\r\nMAISONS"},
                      {"SYNONYE.105", "\xE9"
                                      "cole\xA7n$institution\\classe"},
                      {"LISTEPARCP.200", SamplePostcodeResource()},
                      {"LISTEPARNOM.201", SampleNameResource()}};
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
