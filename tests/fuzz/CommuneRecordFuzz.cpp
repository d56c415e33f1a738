// Both commune line readers on the same arbitrary line: every field is the piece of the
// line between its separators, the last one taking what is left.

#include "FuzzHarness.h"
#include "communes/CommuneRecord.h"

#include <string>
#include <vector>

using namespace zorvane::communes;

namespace {

std::string_view WithoutPadding(std::string_view text) {
    return text.substr(0, text.find_last_not_of('\0') + 1);
}

ZORVANE_ORACLE std::vector<std::string_view> Pieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    for (std::size_t end; (end = text.find(kFieldSeparator)) != std::string_view::npos;) {
        pieces.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    pieces.push_back(text);
    return pieces;
}

// The fields as a reader of count fields sees them: the first count - 1 pieces, then the
// rest of the text (separators included), then empty ones when the text has too few.
ZORVANE_ORACLE std::vector<std::string> ExpectedFields(std::string_view text, std::size_t count) {
    const std::vector<std::string_view> pieces = Pieces(text);
    std::vector<std::string> fields(count);
    std::size_t used = 0;
    for (std::size_t i = 0; i + 1 < count && i < pieces.size(); ++i) {
        fields[i] = pieces[i];
        used += pieces[i].size() + 1;
    }
    if (pieces.size() >= count) {
        fields[count - 1] = text.substr(used);
    }
    return fields;
}

} // namespace

FUZZ_TARGET(line) {
    const CommuneRecord byCode = ParsePostcodeLine(line);
    FUZZ_CHECK((std::vector<std::string>{
                   byCode.key, byCode.name, byCode.department, byCode.region, byCode.regionCode,
                   byCode.insee, byCode.academy, byCode.academyCode, byCode.holidayZone,
                   byCode.latitude, byCode.longitude}) == ExpectedFields(WithoutPadding(line), 11));

    // Stored as INSEE, postal code, department code and name, name, region code and name,
    // latitude, longitude, academy name and code, holiday zone.
    const CommuneRecord byName = ParseNameLine(line);
    const std::string_view nameKey = NameKey(line);
    FUZZ_CHECK(nameKey == line.substr(0, line.find(kNameKeyEnd)));
    const bool hasFields = nameKey.size() < line.size();
    const std::string_view text = WithoutPadding(hasFields ? line.substr(nameKey.size() + 1) : "");
    const std::vector<std::string> f = ExpectedFields(text, 12);
    FUZZ_CHECK((std::vector<std::string>{byName.insee, byName.key, byName.department, byName.name,
                                         byName.regionCode, byName.region, byName.latitude,
                                         byName.longitude, byName.academy, byName.academyCode,
                                         byName.holidayZone}) ==
               (std::vector<std::string>{f[0], f[1] + ' ' + std::string(nameKey), f[2] + ' ' + f[3],
                                         f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11]}));
}
