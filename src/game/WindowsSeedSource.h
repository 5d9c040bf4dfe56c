#pragma once

#include "core/puzzle/Random.h"

namespace orvane::game {

// Seeds the generator from the clock as the program does: the low 32 bits of
// the high-resolution performance counter, or the millisecond tick count when
// the system has no such counter.
class WindowsSeedSource final : public SeedSource {
public:
    std::uint32_t ReadSeed() override;
};

} // namespace orvane::game
