#include "core/puzzle/PuzzleChoice.h"

#include "FixedSeed.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

using test::FixedSeed;

std::vector<std::string> NumberedLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

TEST(PickPuzzle, NeverDrawsTheLastLineAndDrawsTheOneBeforeItTwiceAsOften)
{
    FixedSeed seed(0);
    constexpr int lines = 500;
    constexpr int draws = 500000;
    std::vector<int> counts(lines + 1, 0);
    for (int i = 0; i < draws; ++i) {
        seed.Set(std::uint32_t(i) * 2654435761u);
        ++counts[std::size_t(PickLineNumber(lines))];
    }
    EXPECT_EQ(counts[0], 0);
    EXPECT_EQ(counts[500], 0);
    const double expectedPerLine = double(draws) / lines;
    EXPECT_NEAR(counts[499] / expectedPerLine, 2.0, 0.3);
    for (int line : {1, 2, 250, 498})
        EXPECT_NEAR(counts[std::size_t(line)] / expectedPerLine, 1.0, 0.3) << line;
}

TEST(PickPuzzle, ADrawOfTheLastLineBecomesTheOneBeforeIt)
{
    // This seed's first draw of Random(500) is 499, so k would be 500.
    FixedSeed seed(3417335069u);
    EXPECT_EQ(PickLineNumber(500), 499);
    EXPECT_EQ(PickPuzzleText(NumberedLines(500)), "line 499");
}

TEST(PickPuzzle, TheSameClockValueDrawsTheSameLine)
{
    FixedSeed seed(77);
    const std::string first = PickPuzzleText(NumberedLines(500));
    EXPECT_EQ(PickPuzzleText(NumberedLines(500)), first);
}

TEST(PickPuzzle, ListsTooShortForTheRuleGiveAnEmptyText)
{
    FixedSeed seed(1);
    EXPECT_EQ(PickPuzzleText({}), "");
    EXPECT_EQ(PickPuzzleText({"only"}), "");
    EXPECT_EQ(PickPuzzleText({"first", "second"}), "first");
}

} // namespace
} // namespace orvane
