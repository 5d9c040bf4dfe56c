#pragma once

#include "core/puzzle/Levels.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// What the statistics keep of the games of one level. Times are whole
// seconds of play.
struct LevelStatistics {
    std::int64_t started = 0;         // games begun with New Game
    std::int64_t solved = 0;          // solved without a hint
    std::int64_t solvedWithHints = 0; // solved after one hint or more
    std::int64_t solutionShown = 0;   // games whose solution was shown before they were solved
    std::int64_t hints = 0;           // hints asked for
    std::int64_t bestSeconds = 0;  // the fastest game of `solved`; 0 before the first
    std::int64_t totalSeconds = 0; // all games of `solved`, for the average
    std::int64_t run = 0;                   // games solved one after another, now
    std::int64_t bestRun = 0;
    bool operator==(const LevelStatistics&) const = default;

    // The average time of `solved`, 0 before the first.
    std::int64_t AverageSeconds() const { return solved > 0 ? totalSeconds / solved : 0; }
};

struct GameStatistics {
    std::array<LevelStatistics, LevelCount> levels{};
    bool operator==(const GameStatistics&) const = default;
};

// The statistics file's text: one line per level, ended by CR LF, of
// "Name=value" fields separated by blanks:
//
//   Level=Easy Started=3 Solved=1 SolvedWithHints=1 SolutionShown=0 Hints=4 BestSeconds=312 TotalSeconds=312 Run=2 BestRun=2
std::string StatisticsText(const GameStatistics& statistics);

// Reads that text. A field of another name is left alone, so that a later
// version's file still reads; a missing field or level counts 0. Nothing
// when the file is damaged: a line without a known level first, a field
// without "=", a value that is not a whole number of at most 18 digits, a
// level named twice.
std::optional<GameStatistics> ReadStatistics(std::string_view text);

// The game on the board, as the statistics follow it.
struct GameRecord {
    int level = 0;
    bool counted = false;       // begun with New Game (or resumed such a game): the statistics follow it
    bool inProgress = false;    // begun and not yet solved
    bool hintsUsed = false;
    bool solutionShown = false;
};

// The rules of the statistics. A game counts as solved only without Show
// Solution, and as "solved with hints" after a hint; best and average times
// are of games solved without hints. The run of solved games goes on with
// each solved game and ends when a game's solution is shown or when a game
// in progress is left for another.

// A game begins on the board: the one before, if still in progress, is left.
// `counted` says whether the statistics follow the new game: a New Game is
// counted as started, a resumed counted game goes on counting, and a game
// opened from a file (whose past the statistics cannot know) is not
// counted.
void BeginGame(GameStatistics& statistics, GameRecord& record, int level, bool counted, bool newlyStarted);
// The solved test reported the board solved, after `seconds` of play.
void SolveGame(GameStatistics& statistics, GameRecord& record, std::int64_t seconds);
void ShowSolution(GameStatistics& statistics, GameRecord& record);
// A hint was asked for.
void TakeHint(GameStatistics& statistics, GameRecord& record);

} // namespace orvane
