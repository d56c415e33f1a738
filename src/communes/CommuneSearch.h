#pragma once
// Finding communes while the user types: by postal-code prefix, by name-key prefix, and
// the commune behind a clicked list item.

#include "communes/CommuneLists.h"
#include "communes/CommuneRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::communes {

// Which entry box had the focus last; decides how a list click is resolved.
enum class CommuneSearchMode : std::uint8_t { None = 0, Postcode = 1, Name = 2 };

struct CommuneMatches {
    std::vector<std::string> items;     // "postal code, blank, name key", in list order
    std::optional<CommuneRecord> first; // details of the first match
};

// Postal codes need at least 3 characters, names 2; shorter texts find nothing.
inline constexpr std::size_t kMinPostcodeLength = 3;
inline constexpr std::size_t kMinNameLength = 2;
inline constexpr std::size_t kMaxPostcodeLength = 5;

// Every entry whose key begins with typed, compared exactly (letters or blanks simply
// match no postal code).
CommuneMatches SearchByPostcode(const PostcodeList& list, std::string_view typed);
// Every entry whose name key begins with name (upper case, as the name box holds it).
CommuneMatches SearchByName(const NameList& list, std::string_view name);

// The status line after a search (cp1252); empty for texts too short to search.
std::string PostcodeInfo(std::string_view typed, std::size_t count);
std::string NameInfo(std::string_view name, std::size_t count);

// The commune of a list item: by its whole key in the postal-code list in postal-code mode,
// else the first name-list entry with that name key whose line holds its postal code.
std::optional<CommuneRecord> FindListItem(CommuneSearchMode mode, const PostcodeList& postcodes,
                                          const NameList& names, std::string_view item);

// The name box's text after its check: upper case, and only A-Z, blank and digits left.
struct NameEntry {
    std::string text;
    std::string refused; // each refused character once, in the order met
};
NameEntry CheckNameEntry(std::string_view typed);
// The checked name as the name keys spell it: La Poste writes the words SAINT and SAINTE as ST
// and STE, so a user who types them in full still finds the commune.
std::string PostalSpelling(std::string_view name);
// The message for one refused character (cp1252).
std::string RefusedCharacterText(char refused);

} // namespace zorvane::communes
