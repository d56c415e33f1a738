#pragma once
// The random draws of a game, repeatable from its seed on every machine: the Mersenne
// twister's output is fixed by the C++ standard, the standard distributions are not, so the
// bound is applied here.

#include <cstdint>
#include <random>

namespace zorvane::duplicate {

class GameRandom {
public:
    explicit GameRandom(std::uint32_t seed) : engine_(seed) {}

    // A number in [0, bound), bound > 0, without modulo bias.
    std::uint32_t Below(std::uint32_t bound) {
        const std::uint32_t limit = UINT32_MAX - UINT32_MAX % bound;
        std::uint32_t value = 0;
        do {
            value = static_cast<std::uint32_t>(engine_());
        } while (value >= limit);
        return value % bound;
    }

private:
    std::mt19937 engine_;
};

} // namespace zorvane::duplicate
