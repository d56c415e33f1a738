// Standard input of the command line on arbitrary bytes: the queries are its lines, as a
// plain split on LF (a CR before it dropped) gives them, up to the first line longer than
// kMaxQueryBytes, where the reading stops.
//
// Input: one byte that, when odd, puts kMaxQueryBytes - byte / 2 letters before the rest,
// so that the first line ends around the bound; then the input text.

#include "FuzzHarness.h"
#include "cli/QueryLines.h"

#include <sstream>
#include <string>
#include <vector>

using zorvane::cli::kMaxQueryBytes;
using zorvane::cli::QueryLines;

namespace {

// The lines up to the first too long one, and whether one was.
ZORVANE_ORACLE std::vector<std::string> SplitLines(const std::string& text, bool& tooLong) {
    std::vector<std::string> lines;
    tooLong = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > kMaxQueryBytes) {
            tooLong = true;
            break;
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

} // namespace

FUZZ_TARGET(input) {
    std::string text;
    if (!input.empty()) {
        const auto lead = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
        if (lead % 2 == 1) {
            text.assign(kMaxQueryBytes - lead / 2, 'A');
        }
    }
    text += input;
    bool tooLong = false;
    const std::vector<std::string> expected = SplitLines(text, tooLong);
    std::istringstream in(text);
    QueryLines reader(in);
    std::vector<std::string> lines;
    std::string line;
    QueryLines::Read read = QueryLines::Read::Line;
    while ((read = reader.Next(line)) == QueryLines::Read::Line) {
        lines.push_back(line);
    }
    FUZZ_CHECK(lines == expected);
    FUZZ_CHECK((read == QueryLines::Read::TooLong) == tooLong);
}
