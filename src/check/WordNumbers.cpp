#include "check/WordNumbers.h"

#include <algorithm>
#include <numeric>

namespace zorvane::check {

WordNumbers::WordNumbers(const std::vector<std::string>& list) : list_(list), sorted_(list.size()) {
    std::iota(sorted_.begin(), sorted_.end(), 0U);
    std::stable_sort(sorted_.begin(), sorted_.end(),
                     [&list](std::uint32_t a, std::uint32_t b) { return list[a] < list[b]; });
}

std::optional<std::size_t> WordNumbers::Find(std::string_view word) const {
    const auto first =
        std::lower_bound(sorted_.begin(), sorted_.end(), word,
                         [this](std::uint32_t at, std::string_view w) { return list_[at] < w; });
    if (first == sorted_.end() || list_[*first] != word) {
        return std::nullopt;
    }
    return std::size_t{*first} + 1;
}

} // namespace zorvane::check
