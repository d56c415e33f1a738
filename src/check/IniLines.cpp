#include "check/IniLines.h"

namespace zorvane::check {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(text[i]) != AsciiLower(prefix[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsSectionHeader(std::string_view trimmed, std::string_view name) {
    return trimmed.size() >= name.size() + 2 && trimmed.front() == '[' &&
           StartsWithIgnoringCase(trimmed.substr(1), name) && trimmed[name.size() + 1] == ']';
}

bool IsEntryOf(std::string_view trimmed, std::string_view key) {
    return StartsWithIgnoringCase(trimmed, key) &&
           TrimBlanks(trimmed.substr(key.size())).starts_with('=');
}

std::string_view NumberKeyOf(std::string_view trimmed) {
    const std::string_view key = trimmed.substr(0, trimmed.find_first_not_of("0123456789"));
    return !key.empty() && IsEntryOf(trimmed, key) ? key : std::string_view{};
}

} // namespace zorvane::check
