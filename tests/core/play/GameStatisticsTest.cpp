#include "core/play/GameStatistics.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr int Hard = 2;
constexpr int Expert = 3;

TEST(GameStatistics, TextReadsBackAsWritten)
{
    GameStatistics statistics;
    statistics.levels[Hard] = LevelStatistics{7, 3, 1, 2, 9, 312, 1000, 2, 3};
    const std::string text = StatisticsText(statistics);
    EXPECT_NE(text.find("Level=Hard Started=7 Solved=3 SolvedWithHints=1 SolutionShown=2 Hints=9 BestSeconds=312 "
                        "TotalSeconds=1000 Run=2 BestRun=3\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(ReadStatistics(text), statistics);
    EXPECT_EQ(ReadStatistics(""), GameStatistics{}) << "an empty file is no damage";

    GameStatistics later;
    later.levels[0].started = 4;
    EXPECT_EQ(ReadStatistics("Level=Easy Started=4 Streak=7\r\n"), later) << "a later version's field is left alone";
}

TEST(GameStatistics, DamagedTextsReadAsNothing)
{
    const char* const damaged[] = {
        "Level=Easy Started=x\r\n",
        "Level=Easy Started=-1\r\n",
        "Level=Easy Started\r\n",
        "Started=3 Level=Easy\r\n",
        "Level=Medium Started=3\r\n",
        "Level=Easy Started=1\r\nLevel=Easy Started=2\r\n",
        "Level=Easy Started=1234567890123456789\r\n",
        "\xff\xfe garbage",
    };
    for (const char* text : damaged)
        EXPECT_FALSE(ReadStatistics(text)) << text;
}

// The rules over a few games of one level, in order: what each does to the
// level's figures.
TEST(GameStatistics, GamesCountAsTheyEnd)
{
    GameStatistics statistics;
    GameRecord record;
    LevelStatistics& hard = statistics.levels[Hard];

    BeginGame(statistics, record, Hard, true, true);
    SolveGame(statistics, record, 300);
    SolveGame(statistics, record, 400); // the solved test again: counted once
    EXPECT_EQ(hard, (LevelStatistics{1, 1, 0, 0, 0, 300, 300, 1, 1}));

    BeginGame(statistics, record, Hard, true, true);
    TakeHint(statistics, record);
    TakeHint(statistics, record);
    SolveGame(statistics, record, 100);
    EXPECT_EQ(hard, (LevelStatistics{2, 1, 1, 0, 2, 300, 300, 2, 2})) << "with hints: no best time, the run goes on";

    BeginGame(statistics, record, Hard, true, true);
    ShowSolution(statistics, record);
    SolveGame(statistics, record, 50);
    EXPECT_EQ(hard, (LevelStatistics{3, 1, 1, 1, 2, 300, 300, 0, 2})) << "the solution shown: not solved, run ended";

    BeginGame(statistics, record, Hard, true, true);
    SolveGame(statistics, record, 200);
    BeginGame(statistics, record, Hard, true, true);
    BeginGame(statistics, record, Expert, true, true); // the Hard game left unsolved
    EXPECT_EQ(hard, (LevelStatistics{5, 2, 1, 1, 2, 200, 500, 0, 2})) << "a game left ends the run";
    EXPECT_EQ(hard.AverageSeconds(), 250);
    EXPECT_EQ(statistics.levels[Expert].started, 1);

    // A resumed game goes on counting without being started again; an
    // opened file is not followed.
    BeginGame(statistics, record, Expert, true, false);
    SolveGame(statistics, record, 90);
    EXPECT_EQ(statistics.levels[Expert], (LevelStatistics{1, 1, 0, 0, 0, 90, 90, 1, 1}));
    BeginGame(statistics, record, Expert, false, false);
    TakeHint(statistics, record);
    SolveGame(statistics, record, 10);
    EXPECT_EQ(statistics.levels[Expert], (LevelStatistics{1, 1, 0, 0, 0, 90, 90, 1, 1}));
}

} // namespace
} // namespace orvane
