#pragma once
// Where the executable finds the files beside it, such as the definitions file.

#include <string>

namespace zorvane::cli {

// The folder of the running executable, separator last ("./" when it cannot be read).
std::string ProgramFolder();

} // namespace zorvane::cli
