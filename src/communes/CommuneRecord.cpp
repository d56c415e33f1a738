#include "communes/CommuneRecord.h"

#include <array>

namespace zorvane::communes {
namespace {

// The first count fields of text: each taken before the next "§", the last one the rest.
template <std::size_t count> std::array<std::string_view, count> Fields(std::string_view text) {
    std::array<std::string_view, count> fields{};
    const std::size_t padding = text.find_last_not_of('\0');
    text = text.substr(0, padding == std::string_view::npos ? 0 : padding + 1);
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const std::size_t end = text.find(kFieldSeparator);
        if (end == std::string_view::npos) {
            fields[i] = text;
            return fields;
        }
        fields[i] = text.substr(0, end);
        text.remove_prefix(end + 1);
    }
    fields[count - 1] = text;
    return fields;
}

std::string_view AfterNameKey(std::string_view line) {
    const std::size_t end = line.find(kNameKeyEnd);
    return end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
}

std::string Joined(std::string_view a, std::string_view b) {
    return std::string(a) + ' ' + std::string(b);
}

} // namespace

std::string_view PostcodeKey(std::string_view line) {
    return line.substr(0, line.find(kFieldSeparator));
}

std::string_view NameKey(std::string_view line) {
    return line.substr(0, line.find(kNameKeyEnd));
}

std::string_view NameField(std::string_view line, int n) {
    std::string_view rest = AfterNameKey(line);
    for (int skipped = 1; skipped < n && !rest.empty(); ++skipped) {
        const std::size_t end = rest.find(kFieldSeparator);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return rest.substr(0, rest.find(kFieldSeparator));
}

CommuneRecord ParsePostcodeLine(std::string_view line) {
    const auto f = Fields<11>(line);
    return {std::string(f[0]), std::string(f[1]), std::string(f[2]), std::string(f[3]),
            std::string(f[4]), std::string(f[5]), std::string(f[6]), std::string(f[7]),
            std::string(f[8]), std::string(f[9]), std::string(f[10])};
}

CommuneRecord ParseNameLine(std::string_view line) {
    // INSEE, postal code, department code and name, name, region code and name, latitude,
    // longitude, academy name and code, holiday zone.
    const auto f = Fields<12>(AfterNameKey(line));
    return {Joined(f[1], NameKey(line)), std::string(f[4]), Joined(f[2], f[3]), std::string(f[6]),
            std::string(f[5]),           std::string(f[0]), std::string(f[9]),  std::string(f[10]),
            std::string(f[11]),          std::string(f[7]), std::string(f[8])};
}

} // namespace zorvane::communes
