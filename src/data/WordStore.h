#pragma once
// The in-memory word store: dictionary list, anagram word list and the 26 synonym letter
// tables with their accent-folded keys. Filled once by the loader, read-only afterwards.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::data {

inline constexpr int kIdAna = 99;
inline constexpr int kIdDico = 100;
inline constexpr int kIdSynonymA = 101; // SYNONYA; SYNONYZ is 126
inline constexpr std::size_t kSynonymPlaces = 4300;
inline constexpr std::size_t kMaxHeadwordLength = 29;

// "SYNONYA" ... "SYNONYZ".
std::string SynonymResourceType(char letter);

struct SynonymLetterTable {
    std::vector<std::string> Syno = std::vector<std::string>(kSynonymPlaces);
    std::vector<std::string> CleSyno = std::vector<std::string>(kSynonymPlaces);
    int NbSyno = 0; // lines of the resource; the lookups scan this many places
};

struct WordStore {
    std::vector<std::string> ListeDico;
    std::vector<std::string> ListeAna;
    std::array<SynonymLetterTable, 26> SynoLetters;

    SynonymLetterTable& Syno(char letter) { return SynoLetters.at(letter - 'A'); }
    const SynonymLetterTable& Syno(char letter) const { return SynoLetters.at(letter - 'A'); }
};

// The headword of a synonym line: the text before its first "§".
std::string_view Headword(std::string_view line);

// Puts line i at place i and SubAccents of its headword at the same place of the keys.
// Lines that break the table's limits (more than 4300 lines, no "§", a headword over 29
// characters) leave the table untouched; the result then says why, in French (cp1252).
std::optional<std::string> FillSynonymTable(SynonymLetterTable& table,
                                            const std::vector<std::string>& lines);

} // namespace zorvane::data
