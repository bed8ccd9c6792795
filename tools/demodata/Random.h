#pragma once

#include <cstdint>
#include <vector>

namespace demo {

// A small, fixed pseudo-random sequence (splitmix64). The demo data must come
// out the same on every machine and with every standard library, so neither
// std::mt19937's distributions nor anything seeded from the clock is used.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from 0 to n - 1 (n > 0).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

    // A whole number from low to high, both included.
    int between(int low, int high) { return low + below(high - low + 1); }

    // True in about percent cases out of a hundred.
    bool chance(int percent) { return below(100) < percent; }

    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))]; }

private:
    std::uint64_t state_;
};

} // namespace demo
