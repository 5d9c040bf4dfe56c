#include "core/puzzle/Random.h"

#include <chrono>

namespace orvane {

namespace {

constexpr std::uint32_t RandomMultiplier = 134775813u;

class SteadyClockSeedSource final : public SeedSource {
public:
    std::uint32_t ReadSeed() override
    {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        return static_cast<std::uint32_t>(ticks);
    }
};

SteadyClockSeedSource defaultSeedSource;
SeedSource* currentSeedSource = &defaultSeedSource;
std::uint32_t randomState = 0;

} // namespace

void SetSeedSource(SeedSource& source) { currentSeedSource = &source; }

void ResetSeedSource() { currentSeedSource = &defaultSeedSource; }

void SeedRandom() { randomState = currentSeedSource->ReadSeed(); }

std::uint32_t RandomBelow(std::uint32_t n)
{
    randomState = randomState * RandomMultiplier + 1u;
    return static_cast<std::uint32_t>((std::uint64_t(randomState) * n) >> 32);
}

std::uint32_t RandomState() { return randomState; }

void SetRandomState(std::uint32_t state) { randomState = state; }

} // namespace orvane
