#include "exercises/seeded_random.h"

std::uint64_t SeededRandom::next() {
    state_ += 0x9E3779B97F4A7C15u;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

int SeededRandom::below(int count) {
    // Draws above the last whole multiple of count are drawn again, so no remainder is
    // favoured.
    const std::uint64_t range = static_cast<std::uint64_t>(count);
    const std::uint64_t excess = (UINT64_MAX % range + 1) % range;
    std::uint64_t draw = next();
    while (draw > UINT64_MAX - excess) {
        draw = next();
    }
    return static_cast<int>(draw % range);
}
