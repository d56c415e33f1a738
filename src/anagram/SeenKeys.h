#pragma once
// The packed letter keys a search has met, in an open table sized once for the most it can
// meet, so that remembering them costs no allocation.

#include <cstdint>
#include <vector>

namespace zorvane::anagram {

class SeenKeys {
public:
    explicit SeenKeys(std::size_t most) {
        std::size_t slots = 16;
        while (slots < 2 * most) {
            slots *= 2;
        }
        slots_.resize(slots);
    }

    // True when the key was not met before; it is met from now on. Keys are never 0.
    bool Insert(std::uint64_t key) {
        const std::size_t last = slots_.size() - 1;
        // The multiplication spreads keys that differ in their last letters only.
        for (std::size_t place = (key * 0x9E3779B97F4A7C15ULL) >> 20 & last;;
             place = (place + 1) & last) {
            if (slots_[place] == 0) {
                slots_[place] = key;
                return true;
            }
            if (slots_[place] == key) {
                return false;
            }
        }
    }

private:
    std::vector<std::uint64_t> slots_;
};

} // namespace zorvane::anagram
