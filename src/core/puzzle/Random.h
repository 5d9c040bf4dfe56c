#pragma once

#include <cstdint>

namespace orvane {

// Where SeedRandom takes its seed from: the clock in the program, a fixed
// number in tests.
class SeedSource {
public:
    virtual ~SeedSource() = default;
    virtual std::uint32_t ReadSeed() = 0;
};

// Installs the seed source of the whole program; the default reads a
// monotonic clock. The source must outlive its use.
void SetSeedSource(SeedSource& source);
void ResetSeedSource();

// The program's one pseudo-random generator: a 32-bit linear congruential
// state. SeedRandom sets the state from the seed source.
void SeedRandom();

// Advances the state (state * 134775813 + 1, modulo 2^32) and returns the
// upper 32 bits of the 64-bit product state * n: a number 0..n-1 (0 for n 0).
std::uint32_t RandomBelow(std::uint32_t n);

std::uint32_t RandomState();
void SetRandomState(std::uint32_t state);

} // namespace orvane
