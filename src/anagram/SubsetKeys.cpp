#include "anagram/SubsetKeys.h"

#include <algorithm>
#include <numeric>

namespace zorvane::anagram {
namespace {

constexpr std::size_t kMaxDraw = 12;
constexpr std::size_t kHalf = 6;

std::uint64_t CodeOf(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<std::uint64_t>(c - 'A' + 1) : 0;
}

} // namespace

SubsetKeys::SubsetKeys(std::string_view draw) {
    const std::size_t n = std::min(draw.size(), kMaxDraw);
    // places[r]: the draw position of the r-th character in ascending byte order.
    std::array<std::size_t, kMaxDraw> places{};
    std::iota(places.begin(), places.begin() + n, 0);
    std::stable_sort(places.begin(), places.begin() + n, [&](std::size_t a, std::size_t b) {
        return static_cast<unsigned char>(draw[a]) < static_cast<unsigned char>(draw[b]);
    });
    std::array<unsigned, kMaxDraw> rankOfBit{}; // mask bit -> place in letter order
    std::array<std::uint64_t, kMaxDraw> codes{};
    for (std::size_t r = 0; r < n; ++r) {
        rankOfBit[n - 1 - places[r]] = static_cast<unsigned>(r);
        codes[r] = CodeOf(draw[places[r]]);
        if (codes[r] == 0) {
            notCapitals_ |= 1U << r;
        }
    }
    for (unsigned v = 0; v < 64; ++v) {
        for (std::size_t bit = 0; bit < kHalf; ++bit) {
            if ((v >> bit & 1) == 0) {
                continue;
            }
            if (bit < n) {
                fromLow_[v] = static_cast<std::uint16_t>(fromLow_[v] | 1U << rankOfBit[bit]);
            }
            if (bit + kHalf < n) {
                fromHigh_[v] =
                    static_cast<std::uint16_t>(fromHigh_[v] | 1U << rankOfBit[bit + kHalf]);
            }
        }
        // Ascending places: each further letter goes below the ones before.
        for (std::size_t bit = 0; bit < kHalf; ++bit) {
            if ((v >> bit & 1) != 0) {
                smallest_[v] = smallest_[v] << 5 | codes[bit];
                largest_[v] = largest_[v] << 5 | codes[bit + kHalf];
                belowShift_[v] = static_cast<std::uint8_t>(belowShift_[v] + 5);
            }
        }
    }
}

} // namespace zorvane::anagram
