#pragma once
// One run of the command line: read it, search, write the answers; the exit status.

#include "cli/SearchData.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace zorvane::cli {

inline constexpr int kFound = 0;
inline constexpr int kNothingFound = 1;
inline constexpr int kUsageError = 2;
inline constexpr int kDataFailure = 3;
inline constexpr int kOutputFailure = 4;

// Which of the two outputs are terminals: there, control characters are written visibly.
struct Terminals {
    bool out = false;
    bool err = false;
};

// args: the arguments after the program's name, UTF-8. in gives one query per line when the
// command line gives none; a line longer than kMaxQueryBytes is refused (status 2) and ends
// the reading. out gets the help or the answers, err the French reason of a usage error or
// a failure. With several queries the worst status wins.
int RunCommandLine(const std::vector<std::string>& args, SearchData& data, std::istream& in,
                   std::ostream& out, std::ostream& err, Terminals terminals = {});

} // namespace zorvane::cli
