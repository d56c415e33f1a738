// The commune name box and both searches on arbitrary typed texts over arbitrary commune
// lines: what the box keeps, and every entry whose key begins with the text, in list order.
//
// Input: the typed name, LF, the typed postal code, LF, then the lines of both lists.

#include "FuzzHarness.h"
#include "communes/CommuneSearch.h"
#include "data/Cp1252Case.h"

#include <string>
#include <string_view>

using namespace zorvane::communes;

namespace {

ZORVANE_ORACLE bool Kept(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

ZORVANE_ORACLE std::size_t Beginning(const CommuneList& list, std::string_view typed,
                                     std::size_t minimum) {
    std::size_t count = 0;
    for (const std::string& key : list.keys) {
        count += typed.size() >= minimum && key.starts_with(typed) ? 1 : 0;
    }
    return count;
}

} // namespace

FUZZ_TARGET(input) {
    const std::string_view typedName = TakePart(input);
    const std::string_view typedPostcode = TakePart(input);
    PostcodeList postcodes;
    NameList names;
    FillPostcodeList(postcodes, input);
    FillNameList(names, input);

    // The box keeps the upper-cased (cp1252) letters, digits and blanks, and names each other
    // character once.
    const NameEntry entry = CheckNameEntry(typedName);
    const std::string upper = zorvane::data::ToUpperCp1252(typedName);
    std::string kept;
    for (const char c : upper) {
        if (Kept(c)) {
            kept += c;
        } else {
            FUZZ_CHECK(entry.refused.find(c) != std::string::npos);
        }
    }
    FUZZ_CHECK(entry.text == kept);
    for (std::size_t i = 0; i < entry.refused.size(); ++i) {
        FUZZ_CHECK(!Kept(entry.refused[i]) && entry.refused.find(entry.refused[i]) == i);
        FUZZ_CHECK(!RefusedCharacterText(entry.refused[i]).empty());
    }

    const CommuneMatches byName = SearchByName(names, entry.text);
    FUZZ_CHECK(byName.items.size() == Beginning(names, entry.text, kMinNameLength));
    FUZZ_CHECK(NameInfo(entry.text, byName.items.size()).empty() ==
               (entry.text.size() < kMinNameLength));
    const CommuneMatches byPostcode = SearchByPostcode(postcodes, typedPostcode);
    FUZZ_CHECK(byPostcode.items.size() == Beginning(postcodes, typedPostcode, kMinPostcodeLength));
    FUZZ_CHECK(PostcodeInfo(typedPostcode, byPostcode.items.size()).empty() ==
               (typedPostcode.size() < kMinPostcodeLength));
    // A clicked item of either list leads to a commune, or to none, without failing.
    for (const CommuneMatches* matches : {&byName, &byPostcode}) {
        if (!matches->items.empty()) {
            FindListItem(CommuneSearchMode::Name, postcodes, names, matches->items.front());
            FindListItem(CommuneSearchMode::Postcode, postcodes, names, matches->items.front());
        }
    }
}
