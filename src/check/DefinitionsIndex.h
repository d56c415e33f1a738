#pragma once
// The definitions file read once for a run of many checks (the command line's): looked at
// quickly first (DefinitionsHealth.h), then read through once to note where the entry of
// every word number starts, so that each check reads one line. The entries found are those
// GetIni finds.

#include "check/DefinitionsFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::check {

class DefinitionsIndex {
public:
    // Opens filename and notes the entries of words 1 to wordCount in section contener.
    DefinitionsIndex(const std::string& filename, std::string_view contener, std::size_t wordCount);

    // As GetIni's: the file is missing (53), not a regular file (75), failed to read (57);
    // 0 when it was read.
    int ErrorNumber() const { return errorNumber_; }
    // Why the file does not hold the entries of the word list (French, cp1252), the first
    // word without an entry named; empty when every word has one.
    const std::string& Damage() const { return damage_; }

    // The entry of a word number, as GetIni gives it; empty for a number without entry.
    IniEntry Entry(std::string_view number) const;

private:
    void Index(std::string_view contener);

    OpenFile file_;
    std::size_t wordCount_;
    int errorNumber_ = 0;
    std::string damage_;
    std::vector<std::uint32_t> lineStarts_; // by word number; 0: none, else the offset + 1
};

} // namespace zorvane::check
