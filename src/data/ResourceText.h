#pragma once
// Turning an embedded resource into its list of texts.

#include <string>
#include <string_view>
#include <vector>

namespace zorvane::data {

// One split of the whole data on CR LF: n lines give n texts. Padding NULs after the last
// line stay at the end of the last text; empty data give no text at all.
std::vector<std::string> SplitLines(std::string_view data);

} // namespace zorvane::data
