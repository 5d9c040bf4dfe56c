#include "core/puzzle/Random.h"

#include "FixedSeed.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

using test::FixedSeed;

// Reference values worked out independently of the code under test.
TEST(RandomBelow, FollowsTheGeneratorForAKnownSeed)
{
    FixedSeed seed(12345);
    SeedRandom();
    std::vector<std::uint32_t> draws;
    for (std::uint32_t n : {100u, 100u, 100u, 100u, 100u, 7u, 3u, 2u, 9u, 9u})
        draws.push_back(RandomBelow(n));
    EXPECT_EQ(draws, (std::vector<std::uint32_t>{38, 28, 7, 55, 63, 2, 1, 0, 0, 8}));
}

TEST(RandomBelow, WrapsTheStateModulo2To32)
{
    FixedSeed seed(0xFFFFFFFFu);
    SeedRandom();
    EXPECT_EQ(RandomBelow(1000), 968u);
    EXPECT_EQ(RandomBelow(1000), 201u);
    EXPECT_EQ(RandomBelow(1000), 519u);
}

TEST(SeedRandom, SameSeedGivesSameSequence)
{
    FixedSeed seed(99);
    SeedRandom();
    const std::uint32_t first = RandomBelow(1u << 20);
    RandomBelow(17);
    SeedRandom();
    EXPECT_EQ(RandomBelow(1u << 20), first);
}

} // namespace
} // namespace orvane
