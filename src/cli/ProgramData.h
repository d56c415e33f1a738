#pragma once
// Where the executable finds its data: the resources compiled into it and the definitions
// file in its own folder.

#include "cli/SearchData.h"

#include <string>

namespace zorvane::cli {

// The resource table built into the executable.
std::optional<std::string_view> EmbeddedBytes(std::string_view type, int id);

// The folder of the running executable, separator last ("./" when it cannot be read).
std::string ProgramFolder();

} // namespace zorvane::cli
