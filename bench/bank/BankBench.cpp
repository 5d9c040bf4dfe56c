// Measures, in one run, the exact solver against the reference backtracking
// solver on the committed bank, and the generator's throughput on each.
#include "BankRules.h"
#include "ExactSolver.h"
#include "Generator.h"
#include "LogicalGrader.h"
#include "ReferenceSolver.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace orvane::bank;
using Clock = std::chrono::steady_clock;

// The reference solver needs seconds for some puzzles of few givens, so it
// gets a time budget per list and the fast solver is timed on the same
// puzzles.
constexpr double ReferenceBudgetSeconds = 4.0;
constexpr double FastMinimumSeconds = 1.0;
constexpr int GeneratorSamples = 2000;
constexpr double ReferenceGeneratorBudgetSeconds = 10.0;
constexpr int UniquenessLimit = 2;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::vector<Grid> ReadList(const std::string& path)
{
    std::vector<Grid> puzzles;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        if (const auto parsed = ParsePuzzleText(line))
            puzzles.push_back(parsed->givens);
    return puzzles;
}

// Solves puzzles (uniqueness check, as the generator and verify do) until
// at least minimumSeconds have passed; puzzles per second.
template <typename Counter>
double PuzzlesPerSecond(const std::vector<Grid>& puzzles, Counter counter, double minimumSeconds, long& checksum)
{
    const auto start = Clock::now();
    long solved = 0;
    do {
        for (const Grid& puzzle : puzzles)
            checksum += counter(puzzle, UniquenessLimit);
        solved += static_cast<long>(puzzles.size());
    } while (Seconds(start) < minimumSeconds);
    return static_cast<double>(solved) / Seconds(start);
}

// Minimal puzzles from fresh grids per second; stops after `samples` puzzles
// or `budget` seconds.
double GeneratorRate(SolutionCounter counter, int samples, double budget, bool grade, int& made)
{
    GeneratorRandom random(1);
    const auto start = Clock::now();
    made = 0;
    while (made < samples && Seconds(start) < budget) {
        const Grid solution = RandomFullGrid(random);
        const Grid puzzle = MinimalPuzzle(solution, random, counter);
        if (grade)
            GradePuzzle(puzzle);
        ++made;
    }
    return made / Seconds(start);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : std::string(ORVANE_SOURCE_DIR) + "/assets/bank";
    long checksum = 0;
    std::vector<Grid> all;
    std::printf("solver: puzzles per second (uniqueness check, limit %d)\n", UniquenessLimit);
    std::printf("%-8s %12s %12s %14s %8s %9s\n", "list", "fast (all)", "subset", "fast (subset)", "ratio", "graded/s");
    for (const BankListRule& rule : BankListRules) {
        const auto puzzles = ReadList(folder + "/" + std::string(rule.name) + ".txt");
        if (puzzles.empty()) {
            std::printf("%-8s no puzzles in %s\n", std::string(rule.name).c_str(), folder.c_str());
            continue;
        }
        all.insert(all.end(), puzzles.begin(), puzzles.end());
        const double fastAll = PuzzlesPerSecond(puzzles, CountSolutions, FastMinimumSeconds, checksum);

        // The reference takes the list's puzzles in order until its budget
        // is spent.
        std::vector<Grid> subset;
        const auto referenceStart = Clock::now();
        for (const Grid& puzzle : puzzles) {
            if (Seconds(referenceStart) >= ReferenceBudgetSeconds)
                break;
            checksum += ReferenceCountSolutions(puzzle, UniquenessLimit);
            subset.push_back(puzzle);
        }
        const double referenceRate = static_cast<double>(subset.size()) / Seconds(referenceStart);
        const double fastSubset = PuzzlesPerSecond(subset, CountSolutions, FastMinimumSeconds, checksum);

        const auto gradeStart = Clock::now();
        for (const Grid& puzzle : puzzles)
            checksum += GradePuzzle(puzzle).tier;
        const double gradeRate = static_cast<double>(puzzles.size()) / Seconds(gradeStart);

        std::printf("%-8s %12.0f %12zu %14.0f %7.1fx %9.0f   (reference %.1f/s)\n", std::string(rule.name).c_str(), fastAll,
                    subset.size(), fastSubset, fastSubset / referenceRate, gradeRate, referenceRate);
    }
    if (!all.empty())
        std::printf("whole bank: %.0f puzzles per second (fast solver)\n",
                    PuzzlesPerSecond(all, CountSolutions, FastMinimumSeconds, checksum));

    int fastMade = 0, referenceMade = 0, gradedMade = 0;
    const double fastRate = GeneratorRate(CountSolutions, GeneratorSamples, 1e9, false, fastMade);
    const double referenceRate =
        GeneratorRate(ReferenceCountSolutions, GeneratorSamples, ReferenceGeneratorBudgetSeconds, false, referenceMade);
    const double gradedRate = GeneratorRate(CountSolutions, GeneratorSamples, 1e9, true, gradedMade);
    std::printf("generator: minimal puzzles from fresh grids per second\n");
    std::printf("  fast solver      %8.1f/s (%d puzzles)\n", fastRate, fastMade);
    std::printf("  reference solver %8.1f/s (%d puzzles)  ratio %.0fx\n", referenceRate, referenceMade,
                fastRate / referenceRate);
    std::printf("  fast, graded     %8.1f/s (%d puzzles)\n", gradedRate, gradedMade);
    std::printf("(checksum %ld)\n", checksum);
    return 0;
}
