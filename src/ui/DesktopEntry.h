#pragma once
// Reading the program out of a desktop entry file, as the Linux desktop lists the program
// it opens a kind of file with.

#include <optional>
#include <string>
#include <string_view>

namespace zorvane::ui {

// The program of the Exec key of the [Desktop Entry] group: its first word, or its quoted
// first word without the quotes. Nothing when the group or the key is missing or empty.
std::optional<std::string> ExecProgram(std::string_view desktopEntry);

} // namespace zorvane::ui
