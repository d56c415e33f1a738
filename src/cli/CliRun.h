#pragma once
// One run of the command line: read it, search, write the answer; the exit status.

#include "cli/SearchData.h"

#include <ostream>
#include <string>
#include <vector>

namespace zorvane::cli {

inline constexpr int kFound = 0;
inline constexpr int kNothingFound = 1;
inline constexpr int kUsageError = 2;
inline constexpr int kDataFailure = 3;

// args: the arguments after the program's name, UTF-8. out gets the help or the answer,
// err the French reason of a usage error or a failure.
int RunCommandLine(const std::vector<std::string>& args, SearchData& data, std::ostream& out,
                   std::ostream& err);

} // namespace zorvane::cli
