#include "core/puzzle/PuzzlePosition.h"

#include "FixedSeed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

namespace orvane {
namespace {

using test::FixedSeed;

// Givens spread unevenly over boxes, bands and stacks, so that a step that
// moved a cell out of its box would change some count.
constexpr const char* GivenMask =
    "110000001"
    "100100000"
    "000011100"
    "011000010"
    "000000000"
    "101010101"
    "000111000"
    "010000011"
    "111000000";

PuzzlePosition KnownPosition()
{
    PuzzlePosition position;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            position.Node(x, y) = TNode{x, y, test::KnownSolutionRows[y - 1][x - 1] - '0', GivenMask[9 * (y - 1) + (x - 1)] == '1'};
    return position;
}

bool IsValidGrid(const PuzzlePosition& p)
{
    for (int i = 0; i < 9; ++i) {
        std::array<int, 10> row{}, column{}, box{};
        for (int j = 0; j < 9; ++j) {
            ++row[std::size_t(p.Node(j + 1, i + 1).solution)];
            ++column[std::size_t(p.Node(i + 1, j + 1).solution)];
            ++box[std::size_t(p.Node(3 * (i % 3) + j % 3 + 1, 3 * (i / 3) + j / 3 + 1).solution)];
        }
        for (int d = 1; d <= 9; ++d)
            if (row[std::size_t(d)] != 1 || column[std::size_t(d)] != 1 || box[std::size_t(d)] != 1)
                return false;
    }
    return true;
}

using Permutation3 = std::array<int, 3>;

std::array<Permutation3, 6> AllPermutations()
{
    std::array<Permutation3, 6> all{};
    Permutation3 p = {0, 1, 2};
    for (auto& slot : all) {
        slot = p;
        std::next_permutation(p.begin(), p.end());
    }
    return all;
}

// Whether `after` is `before` with rows exchanged within bands, columns within
// stacks and digits relabelled, each given flag travelling with its cell.
bool IsBandStackAndDigitVariant(const PuzzlePosition& before, const PuzzlePosition& after)
{
    const auto perms = AllPermutations();
    // rowOf[y'] = original row; tried band by band, all combinations.
    for (int rowChoice = 0; rowChoice < 216; ++rowChoice)
        for (int columnChoice = 0; columnChoice < 216; ++columnChoice) {
            std::array<int, 10> rowOf{}, columnOf{};
            for (int group = 0, r = rowChoice, c = columnChoice; group < 3; ++group, r /= 6, c /= 6)
                for (int k = 0; k < 3; ++k) {
                    rowOf[std::size_t(3 * group + k + 1)] = 3 * group + perms[std::size_t(r % 6)][std::size_t(k)] + 1;
                    columnOf[std::size_t(3 * group + k + 1)] = 3 * group + perms[std::size_t(c % 6)][std::size_t(k)] + 1;
                }
            std::array<int, 10> digitMap{};
            bool fits = true;
            for (int x = 1; x <= 9 && fits; ++x)
                for (int y = 1; y <= 9 && fits; ++y) {
                    const TNode& from = before.Node(columnOf[std::size_t(x)], rowOf[std::size_t(y)]);
                    const TNode& to = after.Node(x, y);
                    int& mapped = digitMap[std::size_t(from.solution)];
                    if (mapped == 0)
                        mapped = to.solution;
                    fits = mapped == to.solution && from.given == to.given;
                }
            if (fits)
                return true;
        }
    return false;
}

std::array<int, 27> GivenCounts(const PuzzlePosition& p)
{
    std::array<int, 27> counts{}; // 9 boxes, 3 bands, 3 stacks... and 12 unused
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.Node(x, y).given) {
                ++counts[std::size_t(3 * ((y - 1) / 3) + (x - 1) / 3)];
                ++counts[std::size_t(9 + (y - 1) / 3)];
                ++counts[std::size_t(12 + (x - 1) / 3)];
            }
    return counts;
}

TEST(Shuffle, KeepsTheGridValidAndEveryCellInItsBox)
{
    FixedSeed seed(0);
    const PuzzlePosition original = KnownPosition();
    for (std::uint32_t seedValue : {1u, 764u, 2024u, 0xDEADBEEFu}) {
        for (int steps : {1, 7, 200}) {
            seed.Set(seedValue);
            PuzzlePosition shuffled = original;
            shuffled.Shuffle(steps);
            SCOPED_TRACE(testing::Message() << "seed " << seedValue << ", " << steps << " steps");
            EXPECT_TRUE(IsValidGrid(shuffled));
            EXPECT_EQ(GivenCounts(shuffled), GivenCounts(original));
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    EXPECT_EQ(shuffled.Node(x, y).x, x);
                    EXPECT_EQ(shuffled.Node(x, y).y, y);
                }
            EXPECT_TRUE(IsBandStackAndDigitVariant(original, shuffled));
        }
    }
}

TEST(Shuffle, NoStepsLeavesThePositionUnchanged)
{
    FixedSeed seed(5);
    for (int steps : {0, -1, -200}) {
        PuzzlePosition position = KnownPosition();
        position.Shuffle(steps);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                EXPECT_EQ(position.Node(x, y).solution, KnownPosition().Node(x, y).solution);
                EXPECT_EQ(position.Node(x, y).given, KnownPosition().Node(x, y).given);
            }
    }
}

// Seeds found by searching the generator: the first step of each is a digit
// exchange whose two draws are equal.
TEST(Shuffle, EqualDigitDrawsExchangeWithTheNextDigit)
{
    const struct {
        std::uint32_t seed;
        int drawn, partner;
    } cases[] = {{764, 9, 1}, {572, 4, 5}};
    for (const auto& c : cases) {
        FixedSeed seed(c.seed);
        PuzzlePosition position = KnownPosition();
        position.Shuffle(1);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int before = KnownPosition().Node(x, y).solution;
                const int expected = before == c.drawn ? c.partner : before == c.partner ? c.drawn : before;
                EXPECT_EQ(position.Node(x, y).solution, expected) << "seed " << c.seed;
                EXPECT_EQ(position.Node(x, y).given, KnownPosition().Node(x, y).given);
            }
    }
}

} // namespace
} // namespace orvane
