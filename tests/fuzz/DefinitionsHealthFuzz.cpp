// The quick look at a definitions file, on arbitrary file contents read whole: a file is
// sound exactly when its first line that is not blank (a byte-order mark aside) opens a
// section and its last such line is the entry of the last word.
//
// Input: one byte, the number of words (1 to 256); then the file.

#include "FuzzHarness.h"
#include "check/DefinitionsHealth.h"
#include "check/LineReader.h"

#include <string>
#include <vector>

using zorvane::check::DefinitionsDamage;

namespace {

// The lines that hold more than blanks, each trimmed of its blanks.
ZORVANE_ORACLE std::vector<std::string> FilledLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
            const std::size_t first = line.find_first_not_of(' ');
            if (first != std::string::npos) {
                lines.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
            }
            line.clear();
        } else {
            line += text[i];
        }
    }
    return lines;
}

// "N", blanks, "=": the entry of word N.
ZORVANE_ORACLE bool IsEntryOfWord(const std::string& line, std::size_t word) {
    const std::string number = std::to_string(word);
    if (line.compare(0, number.size(), number) != 0) {
        return false;
    }
    const std::size_t next = line.find_first_not_of(' ', number.size());
    return next != std::string::npos && line[next] == '=';
}

} // namespace

FUZZ_TARGET(input) {
    if (input.empty()) {
        return;
    }
    const std::size_t words = static_cast<unsigned char>(input.front()) + std::size_t{1};
    input.remove_prefix(1);
    std::string file(input);
    const std::optional<std::string> damage = DefinitionsDamage(file.size(), file, file, words);
    if (file.rfind("\xEF\xBB\xBF", 0) == 0) {
        file.erase(0, 3);
    }
    const std::vector<std::string> lines = FilledLines(file);
    const bool firstFits =
        file.find_first_of("\r\n") != std::string::npos ||
        file.size() <= zorvane::check::LineReader::kMaxLineLength;
    const bool sound = !lines.empty() && lines.front().front() == '[' && firstFits &&
                       IsEntryOfWord(lines.back(), words);
    FUZZ_CHECK(damage.has_value() != sound);
    FUZZ_CHECK(!damage || !damage->empty());
}
