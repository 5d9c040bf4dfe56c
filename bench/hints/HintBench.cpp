// Measures, over one list of the bank (Extreme by default), what the game
// computes for a player on a thread of its own: the first hint of a fresh
// game (FindHint on the givens), the puzzle's rating for Puzzle info
// (GradePuzzle with every technique) and, with --path, every hint on the way
// as a player who takes each hint to its end meets them. Each figure is
// given as the median and the worst over the list, and its median as a ratio
// to that of the exact solver's uniqueness check of the same puzzles, timed in
// the same run.
#include "../support/SecondsPerCall.h"

#include "core/grader/BitSolver.h"
#include "core/grader/Grid.h"
#include "core/grader/LogicalGrader.h"
#include "core/hints/Hint.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace orvane;
using Clock = std::chrono::steady_clock;

constexpr double RoundSeconds = 0.02;
constexpr int UniquenessLimit = 2;
constexpr double MillisecondsPerSecond = 1000.0;

struct Game {
    grader::Grid givens{};
    grader::Grid solution{};
    PlayGrid grid;
    SolutionDigits digits{};
};

std::vector<Game> ReadGames(const std::string& path)
{
    std::vector<Game> games;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto parsed = grader::ParsePuzzleText(line);
        if (!parsed)
            continue;
        Game game{parsed->givens, parsed->solution, {}, {}};
        for (int index = 0; index < CellCount; ++index) {
            const int cell = GraderCell(index);
            const int digit = parsed->solution[std::size_t(cell)];
            const bool given = parsed->givens[std::size_t(cell)] != 0;
            game.digits[std::size_t(index)] = digit;
            game.grid.givens[std::size_t(index)] = given;
            game.grid.cells[std::size_t(index)] = CellState{digit, given, 0};
        }
        games.push_back(game);
    }
    return games;
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct Spread {
    double median = 0;
    double worst = 0;
};

Spread SpreadOf(std::vector<double> times)
{
    if (times.empty())
        return {};
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

void PrintLine(const char* name, const Spread& spread, const Spread& reference)
{
    std::printf("  %-26s median %9.3f ms  worst %9.3f ms   (median x%.1f the uniqueness check's)\n", name,
                spread.median * MillisecondsPerSecond, spread.worst * MillisecondsPerSecond,
                spread.median / reference.median);
}

} // namespace

int main(int argc, char** argv)
{
    std::string path = std::string(ORVANE_SOURCE_DIR) + "/assets/bank/tk4.txt";
    bool walkPath = false;
    for (int argument = 1; argument < argc; ++argument) {
        const std::string_view text = argv[argument];
        if (text == "--path")
            walkPath = true;
        else
            path = text;
    }
    const std::vector<Game> games = ReadGames(path);
    if (games.empty()) {
        std::fprintf(stderr, "hint_bench: no puzzles in %s\n", path.c_str());
        return 1;
    }

    std::vector<double> check, firstHint, rating, pathHints;
    int unrated = 0;
    for (const Game& game : games) {
        check.push_back(bench::SecondsPerCall([&] { (void)grader::CountSolutions(game.givens, UniquenessLimit); },
                                              RoundSeconds));
        firstHint.push_back(bench::SecondsPerCall([&] { (void)FindHint(game.grid, game.digits); }, RoundSeconds));
        const auto start = Clock::now();
        const grader::GradeResult result = grader::GradePuzzle(game.givens, game.solution, grader::BeyondTier);
        rating.push_back(Seconds(start));
        if (!result.solved)
            ++unrated;
        if (!walkPath)
            continue;
        // Every hint on the way, each taken to its end as the third press does.
        PlayGrid grid = game.grid;
        for (;;) {
            const auto hintStart = Clock::now();
            const std::optional<Hint> hint = FindHint(grid, game.digits);
            pathHints.push_back(Seconds(hintStart));
            if (!hint || hint->kind != HintKind::Step)
                break;
            grid = CarryOutHint(grid, *hint, AutoClean::On);
        }
    }

    const Spread reference = SpreadOf(check);
    std::printf("%s: %zu puzzles (%d beyond the techniques)\n", path.c_str(), games.size(), unrated);
    std::printf("  %-26s median %9.3f ms  worst %9.3f ms\n", "uniqueness check", reference.median * MillisecondsPerSecond,
                reference.worst * MillisecondsPerSecond);
    PrintLine("first hint", SpreadOf(firstHint), reference);
    PrintLine("rating (Puzzle info)", SpreadOf(rating), reference);
    if (walkPath)
        PrintLine("every hint on the way", SpreadOf(pathHints), reference);
    return 0;
}
