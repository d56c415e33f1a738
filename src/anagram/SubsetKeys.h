#pragma once
// The packed letter keys of the subsets of one draw (at most 12 characters), by mask: the
// mask's bit 2^(n-j) selects the draw's j-th character, so the first character has the
// highest bit.

#include <array>
#include <cstdint>
#include <string_view>

namespace zorvane::anagram {

class SubsetKeys {
public:
    explicit SubsetKeys(std::string_view draw);

    // The PackedKey of the selected characters, or 0 when one of them is not a capital.
    std::uint64_t KeyOf(unsigned mask) const {
        // The mask as places in ascending letter order, from two tables of its two halves.
        const unsigned sorted = fromLow_[mask & 63] | fromHigh_[mask >> 6 & 63];
        if ((sorted & notCapitals_) != 0) {
            return 0;
        }
        // The smallest six letters come first in the key, above the others.
        const unsigned high = sorted >> 6;
        return smallest_[sorted & 63] << belowShift_[high] | largest_[high];
    }

private:
    std::array<std::uint16_t, 64> fromLow_{};   // mask bits 0-5 -> places in letter order
    std::array<std::uint16_t, 64> fromHigh_{};  // mask bits 6-11 -> places in letter order
    std::array<std::uint64_t, 64> smallest_{};  // letters of places 0-5, packed
    std::array<std::uint64_t, 64> largest_{};   // letters of places 6-11, packed
    std::array<std::uint8_t, 64> belowShift_{}; // 5 bits for each letter of places 6-11
    unsigned notCapitals_ = 0;                  // places holding anything but A to Z
};

} // namespace zorvane::anagram
