#pragma once
// Where the executable finds the files beside it, such as the definitions file: the
// folder of the executable itself, never the folder the user happens to be in.

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::cli {

// The folder of the running executable, separator last: from the link selfLink
// (/proc/self/exe) where the system has it, otherwise from the name it was started by
// (argv[0]): a path when it holds a "/", else the first match in the absolute folders of
// path ($PATH). Nothing when neither names an existing file.
std::optional<std::string> ProgramFolder(std::string_view selfLink, std::string_view startedAs,
                                         std::string_view path);

// Why the definitions file cannot be looked for when the folder is unknown (cp1252).
std::string UnknownProgramFolderMessage();

} // namespace zorvane::cli
