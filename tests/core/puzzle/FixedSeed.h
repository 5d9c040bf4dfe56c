#pragma once

#include "core/puzzle/Random.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane::test {

// Makes SeedRandom use a chosen number for as long as it lives.
class FixedSeed final : public SeedSource {
public:
    explicit FixedSeed(std::uint32_t initialSeed) : seed(initialSeed) { SetSeedSource(*this); }
    ~FixedSeed() override { ResetSeedSource(); }
    FixedSeed(const FixedSeed&) = delete;
    FixedSeed& operator=(const FixedSeed&) = delete;

    void Set(std::uint32_t value) { seed = value; }
    std::uint32_t ReadSeed() override { return seed; }

private:
    std::uint32_t seed;
};

// A valid solution grid, row by row.
extern const char* const KnownSolutionRows[9];

// The puzzle string of KnownSolutionRows (column by column) in which the cells
// whose mask character is '1' are givens. The mask is row by row, like the rows.
std::string PuzzleStringFromRows(const char* const rows[9], std::string_view givenMaskRowByRow);

} // namespace orvane::test
