// Both commune line readers on the same arbitrary line: every field is a piece of the line
// between separators, and the fields joined back give the line again.

#include "FuzzCheck.h"
#include "communes/CommuneRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace zorvane::communes;

namespace {

std::string_view WithoutPadding(std::string_view text) {
    while (!text.empty() && text.back() == '\0') {
        text.remove_suffix(1);
    }
    return text;
}

FUZZ_REFERENCE std::vector<std::string_view> Pieces(std::string_view text) {
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
FUZZ_REFERENCE std::vector<std::string> ExpectedFields(std::string_view text, std::size_t count) {
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

std::string JoinedBack(const std::vector<std::string>& fields) {
    std::string text = fields.front();
    for (std::size_t i = 1; i < fields.size(); ++i) {
        text += kFieldSeparator + fields[i];
    }
    return text;
}

void CheckPostcodeLine(std::string_view line) {
    const CommuneRecord record = ParsePostcodeLine(line);
    const std::vector<std::string> read = {record.key,      record.name,        record.department,
                                           record.region,   record.regionCode,  record.insee,
                                           record.academy,  record.academyCode, record.holidayZone,
                                           record.latitude, record.longitude};
    const std::string_view text = WithoutPadding(line);
    FUZZ_CHECK(read == ExpectedFields(text, read.size()));
    const std::size_t separators = Pieces(text).size() - 1;
    if (separators >= read.size() - 1) {
        FUZZ_CHECK(JoinedBack(read) == text);
    }
    if (separators > 0) {
        FUZZ_CHECK(PostcodeKey(line) == record.key);
    }
}

void CheckNameLine(std::string_view line) {
    const CommuneRecord record = ParseNameLine(line);
    const std::string_view nameKey = NameKey(line);
    FUZZ_CHECK(nameKey == line.substr(0, line.find(kNameKeyEnd)));
    const bool hasFields = nameKey.size() < line.size();
    const std::string_view rest = hasFields ? line.substr(nameKey.size() + 1) : "";
    const std::string_view text = WithoutPadding(rest);
    const std::vector<std::string> fields = ExpectedFields(text, 12);

    // Stored as INSEE, postal code, department code and name, name, region code and name,
    // latitude, longitude, academy name and code, holiday zone.
    FUZZ_CHECK(record.insee == fields[0]);
    FUZZ_CHECK(record.key == fields[1] + ' ' + std::string(nameKey));
    FUZZ_CHECK(record.department == fields[2] + ' ' + fields[3]);
    FUZZ_CHECK(record.name == fields[4]);
    FUZZ_CHECK(record.regionCode == fields[5]);
    FUZZ_CHECK(record.region == fields[6]);
    FUZZ_CHECK(record.latitude == fields[7]);
    FUZZ_CHECK(record.longitude == fields[8]);
    FUZZ_CHECK(record.academy == fields[9]);
    FUZZ_CHECK(record.academyCode == fields[10]);
    FUZZ_CHECK(record.holidayZone == fields[11]);

    const std::vector<std::string_view> pieces = Pieces(text);
    if (hasFields && pieces.size() >= 12) {
        // The department joins two fields with a blank: the line's third separator reads so.
        FUZZ_CHECK(record.key.ends_with(' ' + std::string(nameKey)));
        const std::string postcode = record.key.substr(0, record.key.size() - nameKey.size() - 1);
        const std::string joined =
            std::string(nameKey) + kNameKeyEnd +
            JoinedBack({record.insee, postcode, record.department, record.name, record.regionCode,
                        record.region, record.latitude, record.longitude, record.academy,
                        record.academyCode, record.holidayZone});
        std::string expected(line.substr(0, nameKey.size() + 1 + text.size()));
        expected[nameKey.size() + 1 + pieces[0].size() + pieces[1].size() + pieces[2].size() + 2] =
            ' ';
        FUZZ_CHECK(joined == expected);
    }

    // One field alone: the piece between separators; the last one keeps the padding.
    for (int n = 1; n <= 13; ++n) {
        const std::string_view field = NameField(line, n);
        const auto place = static_cast<std::size_t>(n - 1);
        if (!hasFields || place >= pieces.size()) {
            FUZZ_CHECK(field.empty());
        } else if (place + 1 < pieces.size()) {
            FUZZ_CHECK(field == pieces[place]);
        } else {
            FUZZ_CHECK(WithoutPadding(field) == pieces[place]);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(bytes), size);
    CheckPostcodeLine(line);
    CheckNameLine(line);
    return 0;
}
