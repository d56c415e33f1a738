#pragma once
// How the lines of the definitions file read: blanks trimmed, section headers and entry
// lines, names and keys matched without regard to case.

#include "check/LineReader.h"

#include <string_view>

namespace zorvane::check {

// The line without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

// A trimmed line that opens section name: "[" + name + "]", then anything.
bool IsSectionHeader(std::string_view trimmed, std::string_view name);

// A trimmed line that holds the entry of key: the key, then "=" (blanks aside), so that
// key 12 is not found on the line of key 123.
bool IsEntryOf(std::string_view trimmed, std::string_view key);

// The decimal key a trimmed entry line begins with ("123" of "123 = ..."); empty when the
// line is not an entry with a number as its key.
std::string_view NumberKeyOf(std::string_view trimmed);

// Gives visit each line of section contener, trimmed: the lines after the first header of
// that name, up to the next header or the end; stops early when visit returns false.
template <typename Visit>
void ForEachLineOfSection(LineReader& reader, std::string_view contener, Visit visit) {
    std::string_view line;
    bool inSection = false;
    while (reader.Next(line)) {
        const std::string_view trimmed = TrimBlanks(line);
        if (!inSection) {
            inSection = IsSectionHeader(trimmed, contener);
        } else if (trimmed.starts_with('[') || !visit(trimmed)) {
            return;
        }
    }
}

} // namespace zorvane::check
