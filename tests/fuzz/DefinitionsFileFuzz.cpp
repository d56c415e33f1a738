// The definitions file reader on arbitrary file contents, section names and keys: whatever
// the text, an entry is the end of one line of it, from an "=" on. The file is read from
// memory, so a run costs no file writing.
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
    // The entry has no blank at its end, and was written under the key.
    FUZZ_CHECK(found.entry.empty() || found.entry.back() != ' ');
    FUZZ_CHECK(found.entry.empty() ||
               AsciiUpper(contents).find(AsciiUpper(key)) != std::string::npos);
}
