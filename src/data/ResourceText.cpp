#include "data/ResourceText.h"

namespace zorvane::data {

std::vector<std::string> SplitLines(std::string_view data) {
    std::vector<std::string> lines;
    if (data.empty()) {
        return lines;
    }
    std::size_t breaks = 0;
    for (std::size_t at = data.find("\r\n"); at != std::string_view::npos;
         at = data.find("\r\n", at + 2)) {
        ++breaks;
    }
    lines.reserve(breaks + 1);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = data.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(data.substr(start));
            return lines;
        }
        lines.emplace_back(data.substr(start, end - start));
        start = end + 2;
    }
}

} // namespace zorvane::data
