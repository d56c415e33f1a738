#pragma once
// Writing JSON for scripts.

#include <string>
#include <string_view>

namespace zorvane::cli {

// A UTF-8 text as a quoted JSON string: quote, backslash and control characters escaped.
std::string JsonString(std::string_view utf8);

} // namespace zorvane::cli
