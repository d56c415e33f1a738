#pragma once
// The word numbers of a dictionary list found by binary search, for runs of many checks:
// the same number the check's straight scan gives (the first equal entry's), in a few
// dozen comparisons instead of half a million.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::check {

class WordNumbers {
public:
    // The list must outlive the object and stay unchanged.
    explicit WordNumbers(const std::vector<std::string>& list);

    // The position + 1 of the first entry equal to word; nothing when there is none.
    std::optional<std::size_t> Find(std::string_view word) const;

private:
    const std::vector<std::string>& list_;
    std::vector<std::uint32_t> sorted_; // positions, by word then position
};

} // namespace zorvane::check
