// The definitions file reader on arbitrary file contents, section names and keys, compared
// with a reader that holds the whole file and follows the format rules literally. The file
// is read from memory, so a run costs no file writing.
//
// Input: section name, LF, key, LF, then one byte that, when odd, puts filler lines
// before the file text so that the reader's 64 KB block ends 0 to 127 bytes into it; then
// the file text.

#include "FuzzHarness.h"
#include "check/DefinitionsFile.h"
#include "check/LineReader.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using zorvane::check::IniEntry;
using zorvane::check::LineReader;
using zorvane::check::ReadIniEntry;

namespace {

// Lines end with CR LF, LF or a lone CR; a last line needs no end; an empty text has none.
// A line longer than the reader's bound is no line at all for it.
ZORVANE_ORACLE std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool last = i == text.size();
        if (!last && text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        if (i - start <= LineReader::kMaxLineLength && (!last || i > start)) {
            lines.push_back(text.substr(start, i - start));
        }
        if (!last && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    return lines;
}

// Walks the characters itself: library calls would be traced as code under test.
ZORVANE_ORACLE std::string_view Trimmed(std::string_view text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && *begin == ' ') {
        ++begin;
    }
    while (end != begin && end[-1] == ' ') {
        --end;
    }
    return {begin, static_cast<std::size_t>(end - begin)};
}

ZORVANE_ORACLE std::string ReferenceEntry(std::string_view contents, std::string_view section,
                                          std::string_view key) {
    const std::vector<std::string_view> lines = Lines(contents);
    const std::string header = "[" + AsciiUpper(section) + "]";
    std::size_t i = 0;
    while (i < lines.size() && AsciiUpper(Trimmed(lines[i]).substr(0, header.size())) != header) {
        ++i;
    }
    for (++i; i < lines.size(); ++i) {
        const std::string_view line = Trimmed(lines[i]);
        if (line.starts_with('[')) {
            break;
        }
        if (AsciiUpper(line.substr(0, key.size())) == AsciiUpper(key) &&
            Trimmed(line.substr(key.size())).starts_with('=')) {
            return std::string(line.substr(line.find('=')));
        }
    }
    return {};
}

} // namespace

FUZZ_TARGET(input) {
    const std::string section(TakePart(input));
    const std::string key(TakePart(input));
    // Kept between runs: a fresh 64 KB text each time would cost more than the reading.
    static std::string contents;
    contents.clear();
    if (!input.empty()) {
        const auto shift = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
        if (shift % 2 == 1) {
            constexpr std::size_t kFiller = 1022;
            while (contents.size() + 2 * (kFiller + 2) <= LineReader::kBlockSize) {
                contents.append(kFiller, 'x').append("\r\n");
            }
            contents.append(LineReader::kBlockSize - 2 - shift / 2 - contents.size(), 'x');
            contents += "\r\n";
        }
    }
    // Whole lines of "x" before the text are never a header: the reference skips them.
    const std::size_t filler = contents.size();
    contents += input;
    std::FILE* file = contents.empty() ? std::fopen("/dev/null", "rb")
                                       : fmemopen(contents.data(), contents.size(), "rb");
    FUZZ_CHECK(file != nullptr);
    const IniEntry found = ReadIniEntry(file, section, key);
    std::fclose(file);
    FUZZ_CHECK(found.errorNumber == 0);
    // An entry is the end of one line of the file, from an "=" on.
    FUZZ_CHECK(found.entry.empty() || found.entry.front() == '=');
    FUZZ_CHECK(found.entry.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(contents.find(found.entry) != std::string::npos);
    FUZZ_CHECK(found.entry ==
               ReferenceEntry(std::string_view(contents).substr(filler), section, key));
}
