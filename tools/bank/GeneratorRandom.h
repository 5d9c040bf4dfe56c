#pragma once

#include <cstdint>
#include <utility>

namespace orvane::bank {

// The bank generator's random numbers: SplitMix64, chosen because its whole
// definition is these few lines, so a seed gives the same bank with any
// compiler and standard library (std::uniform_int_distribution does not).
class GeneratorRandom {
public:
    explicit GeneratorRandom(std::uint64_t seed) : state(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A number 0..n-1 (0 for n 0): the upper half of a 64x32-bit product, so
    // no modulo bias worth speaking of for the small n used here.
    std::uint32_t Below(std::uint32_t n)
    {
        return static_cast<std::uint32_t>(((Next() >> 32) * n) >> 32);
    }

    template <typename Container>
    void Shuffle(Container& items)
    {
        for (auto i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(static_cast<std::uint32_t>(i))]);
    }

private:
    std::uint64_t state;
};

} // namespace orvane::bank
