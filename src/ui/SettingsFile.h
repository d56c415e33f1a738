#pragma once
// The settings file itself: "[Section]" and "key=value" lines in UTF-8, read only when it
// is a regular file of bounded size, and replaced whole, never rewritten in place.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace zorvane::ui {

// Two colours take a few dozen bytes; anything much larger is not ours to read.
inline constexpr std::size_t kMaxSettingsBytes = std::size_t{64} * 1024;

struct FileRead {
    enum class State { Missing, Read, NotRegular, Unreadable };
    State state = State::Missing;
    std::string bytes; // the contents when Read
};

// A FIFO, a device or a folder is never opened for reading (NotRegular): it could block or
// never end. A regular file larger than maxBytes, or that fails to read, is Unreadable.
FileRead ReadRegularFile(const std::string& path, std::size_t maxBytes);

using SettingsMap = std::map<std::string, std::string>; // "Section/key" -> value

// Lines that are neither a section header nor a key with "=" are ignored; blanks around
// names and values are dropped.
SettingsMap ParseSettings(std::string_view text);
std::string FormatSettings(const SettingsMap& values);

// Removes the copies a save cut short left beside path (path + "." + six letters or digits),
// when they are regular files of this user; anything else of that name is left.
void RemoveLeftoverCopies(const std::string& path);

// Writes the contents beside path, flushes them to the disk, reads them back and, only
// when they are all there, puts them in place of path. False on any failure, the file at
// path then left as it was.
bool ReplaceFile(const std::string& path, std::string_view contents);

} // namespace zorvane::ui
