#include "ui/DesktopEntry.h"

namespace zorvane::ui {
namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::string> FirstWord(std::string_view command) {
    if (command.starts_with('"')) {
        const std::size_t close = command.find('"', 1);
        command = command.substr(1, close == std::string_view::npos ? close : close - 1);
    } else {
        command = command.substr(0, command.find_first_of(" \t"));
    }
    if (command.empty()) {
        return std::nullopt;
    }
    return std::string(command);
}

} // namespace

std::optional<std::string> ExecProgram(std::string_view desktopEntry) {
    bool inEntryGroup = false;
    while (!desktopEntry.empty()) {
        const std::size_t end = desktopEntry.find('\n');
        const std::string_view line = Trimmed(desktopEntry.substr(0, end));
        desktopEntry.remove_prefix(end == std::string_view::npos ? desktopEntry.size() : end + 1);
        if (line.starts_with('[')) {
            inEntryGroup = line == "[Desktop Entry]";
        } else if (inEntryGroup && line.starts_with("Exec")) {
            const std::string_view rest = Trimmed(line.substr(4));
            if (rest.starts_with('=')) {
                return FirstWord(Trimmed(rest.substr(1)));
            }
        }
    }
    return std::nullopt;
}

} // namespace zorvane::ui
