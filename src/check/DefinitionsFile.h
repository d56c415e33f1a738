#pragma once
// The definitions file beside the program: an INI-like text whose section "Cont" holds one
// entry per word number, read afresh (and closed again) for every entry asked for.

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zorvane::check {

// The failure numbers a reading can end with, as the user is told them.
inline constexpr int kFileNotFound = 53;
inline constexpr int kFileAccessError = 75; // found but not a regular file, or not opened
inline constexpr int kReadError = 57;

struct IniEntry {
    std::string entry; // from the "=" of the entry line to its end; empty when there is none
    int errorNumber = 0;
};

using OpenFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The file opened for reading when it is a regular file; nothing otherwise, with
// errorNumber kFileNotFound or kFileAccessError.
OpenFile OpenRegularFile(const std::string& filename, int& errorNumber);

// The entry of key variable in section contener (names matched without regard to case,
// the key matched whole: "12" never finds the line of "123"), trimmed of blanks. Only a
// regular file is read: a FIFO, a device or a folder is refused at once.
IniEntry GetIni(const std::string& filename, std::string_view contener, std::string_view variable);

// Every entry line of section contener in one reading, in file order: visit(key, entry),
// the key being the text before the line's "=" trimmed of blanks, the entry as GetIni gives
// it. Returns the failure number, 0 when the file was read.
using EntryVisit = std::function<void(std::string_view key, std::string_view entry)>;
int ForEachIniEntry(const std::string& filename, std::string_view contener,
                    const EntryVisit& visit);

// The same reading on a file already open, from where it stands.
IniEntry ReadIniEntry(std::FILE* file, std::string_view contener, std::string_view variable);

} // namespace zorvane::check
