#pragma once
// One commune as the window shows it, read from a line of either commune list.

#include <string>
#include <string_view>

namespace zorvane::communes {

// The field separator of both lists (cp1252 "§"); a field holding "." is a missing value.
inline constexpr char kFieldSeparator = '\xA7';
// Between the name key and the fields of a LISTEPARNOM line.
inline constexpr char kNameKeyEnd = '$';

struct CommuneRecord {
    std::string key;        // postal code, blank, name key
    std::string name;       // as written, accents and hyphens kept
    std::string department; // code, blank, name
    std::string region;
    std::string regionCode;
    std::string insee;
    std::string academy;
    std::string academyCode;
    std::string holidayZone; // A, B, C or "."
    std::string latitude;
    std::string longitude;

    bool operator==(const CommuneRecord&) const = default;
    auto operator<=>(const CommuneRecord&) const = default;
};

// The key of a LISTEPARCP line: its text before the first "§".
std::string_view PostcodeKey(std::string_view line);
// The key of a LISTEPARNOM line: its text before the "$" (the whole line when there is none).
std::string_view NameKey(std::string_view line);
// Field n (1 to 12) of a LISTEPARNOM line, counted after its "$"; empty when it lacks it.
std::string_view NameField(std::string_view line, int n);

// A LISTEPARCP line: its eleven fields in order. A LISTEPARNOM line: its twelve fields
// rearranged, postal code and name key joined into the key. Missing fields come out empty;
// the resource padding that ends the last line is not part of its last field.
CommuneRecord ParsePostcodeLine(std::string_view line);
CommuneRecord ParseNameLine(std::string_view line);

} // namespace zorvane::communes
