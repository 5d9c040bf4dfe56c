#include "core/puzzle/PuzzlePosition.h"

#include "core/base/Exception.h"
#include "FixedSeed.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using test::FixedSeed;

// The position as (solution, given) per cell, to compare whole positions.
std::string Snapshot(const PuzzlePosition& position)
{
    std::string text;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const TNode& r = position.Node(x, y);
            text += std::to_string(r.x) + std::to_string(r.y) + ":" + std::to_string(r.solution) + (r.given ? "g " : "o ");
        }
    return text;
}

class PuzzlePositionTest : public ::testing::Test {
protected:
    FixedSeed seed{1};
    PuzzlePosition position;
};

TEST_F(PuzzlePositionTest, NewPositionIsAllZero)
{
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const TNode& r = position.Node(x, y);
            EXPECT_EQ(r.x, 0);
            EXPECT_EQ(r.y, 0);
            EXPECT_EQ(r.solution, 0);
            EXPECT_FALSE(r.given);
        }
    EXPECT_EQ(position.GivensText(), std::string(81, '0'));
}

TEST_F(PuzzlePositionTest, StringListsTheBoardColumnByColumn)
{
    // A load that fails runs no Shuffle, so the records show the string's own
    // layout: characters 1..9 are column 1, character 10 is cell (2, 1).
    std::string text = "5A" + std::string(7, '1') + "?" + std::string(71, '1');
    EXPECT_THROW(position.LoadPuzzle(text), Exception);
    EXPECT_EQ(position.Node(1, 1).solution, 5);
    EXPECT_TRUE(position.Node(1, 1).given);
    EXPECT_EQ(position.Node(1, 2).solution, 1);
    EXPECT_FALSE(position.Node(1, 2).given);
    // Character 10 is the first of column 2, so cell (2, 1) is the failing one.
    EXPECT_EQ(position.Node(2, 1).x, 2);
    EXPECT_EQ(position.Node(2, 1).y, 1);
}

TEST_F(PuzzlePositionTest, AllDigitsOrAllLettersGiveAllGivensOrAllOpenCells)
{
    const struct {
        char first;
        bool given;
    } cases[] = {{'1', true}, {'A', false}};
    for (const auto& c : cases) {
        std::string text;
        for (int i = 0; i < 81; ++i)
            text += char(c.first + (i % 9));
        position.LoadPuzzle(text);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                EXPECT_EQ(position.Node(x, y).given, c.given);
                EXPECT_GE(position.Node(x, y).solution, 1);
                EXPECT_LE(position.Node(x, y).solution, 9);
                EXPECT_EQ(position.Node(x, y).x, x);
                EXPECT_EQ(position.Node(x, y).y, y);
            }
    }
}

TEST_F(PuzzlePositionTest, ConversionErrorsNameTheCharacterAndLeaveThePartialState)
{
    const std::string valid = test::PuzzleStringFromRows(test::KnownSolutionRows, std::string(81, '1'));
    const struct {
        std::string text;
        int failX, failY;
        std::string message;
    } cases[] = {
        {valid.substr(0, 80), 9, 9, "'' is not a valid integer value"},
        {valid.substr(0, 20) + "a" + valid.substr(21), 3, 3, "'a' is not a valid integer value"},
        {" " + valid.substr(1), 1, 1, "' ' is not a valid integer value"},
        {"", 1, 1, "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        // The previous game: a known position with marks that the load must
        // leave in the records after the failing one.
        PuzzlePosition previous;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                previous.Node(x, y) = TNode{-x, -y, 100 + 10 * x + y, false};
        PuzzlePosition loaded = previous;
        try {
            loaded.LoadPuzzle(c.text);
            ADD_FAILURE() << "no error for case " << c.message;
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        const int failIndex = 9 * (c.failX - 1) + (c.failY - 1);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int index = 9 * (x - 1) + (y - 1);
                const TNode& r = loaded.Node(x, y);
                const TNode& old = previous.Node(x, y);
                SCOPED_TRACE(testing::Message() << c.message << " at (" << x << "," << y << ")");
                if (index < failIndex) {
                    // New data, unshuffled: Shuffle never ran.
                    EXPECT_EQ(r.x, x);
                    EXPECT_EQ(r.y, y);
                    EXPECT_EQ(r.solution, c.text[std::size_t(index)] - '0');
                    EXPECT_TRUE(r.given);
                } else if (index == failIndex) {
                    EXPECT_EQ(r.x, x);
                    EXPECT_EQ(r.y, y);
                    EXPECT_TRUE(r.given);
                    EXPECT_EQ(r.solution, old.solution);
                } else {
                    EXPECT_EQ(r.x, old.x);
                    EXPECT_EQ(r.y, old.y);
                    EXPECT_EQ(r.solution, old.solution);
                    EXPECT_EQ(r.given, old.given);
                }
            }
    }
}

TEST_F(PuzzlePositionTest, ZeroLoadsAsAGivenWithSolutionZeroAndExtraCharactersAreIgnored)
{
    std::string text(81, 'A');
    text[0] = '0';
    text += "zzz";
    position.LoadPuzzle(text);
    int zeros = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (position.Node(x, y).given) {
                ++zeros;
                EXPECT_EQ(position.Node(x, y).solution, 0);
            }
    EXPECT_EQ(zeros, 1);
}

TEST_F(PuzzlePositionTest, LoadingTheSameStringTwiceUsuallyGivesDifferentPositions)
{
    const std::string text = test::PuzzleStringFromRows(test::KnownSolutionRows, std::string(81, '0'));
    seed.Set(1);
    position.LoadPuzzle(text);
    const std::string first = Snapshot(position);
    seed.Set(2);
    position.LoadPuzzle(text);
    EXPECT_NE(Snapshot(position), first);
    seed.Set(1);
    position.LoadPuzzle(text);
    EXPECT_EQ(Snapshot(position), first);
}

TEST_F(PuzzlePositionTest, GivensTextListsTheBoardRowByRow)
{
    // Set the records directly: the givens text reads what is there.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            position.Node(x, y) = TNode{x, y, (x + 3 * y) % 9 + 1, false};
    position.Node(2, 1).given = true; // 2nd character of the givens text
    position.Node(1, 2).given = true; // 10th character
    position.Node(9, 9).given = true; // last character
    std::string expected(81, '0');
    expected[1] = char('0' + position.Node(2, 1).solution);
    expected[9] = char('0' + position.Node(1, 2).solution);
    expected[80] = char('0' + position.Node(9, 9).solution);
    EXPECT_EQ(position.GivensText(), expected);
}

} // namespace
} // namespace orvane
