// Measures, in one run, the bitboard solver against the bitboard solver
// before bank 3 (PreviousBitSolver.cpp), the legacy solver (per cell
// candidate masks, the solver before bank 2) and the reference backtracking
// solver, on the committed bank and on the committed hard set
// (bench/bank/hard.txt), in puzzles per second and in instructions per
// puzzle as callgrind counts them; then the generator's throughput.
#include "BankRules.h"
#include "ExactSolver.h"
#include "Generator.h"
#include "Grader.h"
#include "PreviousBitSolver.h"
#include "ReferenceSolver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace orvane::bank;
using Clock = std::chrono::steady_clock;

// The reference solver needs seconds for some puzzles of few givens, so it
// gets a time budget per list and the others are timed on the same puzzles.
constexpr double ReferenceBudgetSeconds = 3.0;
constexpr double MinimumSeconds = 0.5;
constexpr int GeneratorSamples = 2000;
constexpr double ReferenceGeneratorBudgetSeconds = 5.0;
constexpr int UniquenessLimit = 2;

// Instructions per puzzle of the fastest published solver we know (tdoku's
// DPLL solver, built with -O3 -march=x86-64-v3 outside this repository and
// counted by callgrind on the same uniqueness checks of the same files): the
// figure the bitboard solver is held against.
constexpr double PublishedHardSetInstructions = 39302;
constexpr double PublishedBankInstructions = 24317;

enum class Solver { Bitboard, Previous, Legacy };
constexpr const char* SolverNames[] = {"bitboard", "previous", "legacy"};

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::vector<Grid> ReadList(const std::string& path)
{
    std::vector<Grid> puzzles;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        if (const auto parsed = ParsePuzzleText(line))
            puzzles.push_back(parsed->givens);
        else if (const auto grid = ParseRowText(line))
            puzzles.push_back(*grid);
    return puzzles;
}

int Count(Solver solver, const Grid& puzzle)
{
    switch (solver) {
    case Solver::Bitboard:
        return CountSolutions(puzzle, UniquenessLimit);
    case Solver::Previous:
        return PreviousCountSolutions(puzzle, UniquenessLimit);
    case Solver::Legacy:
        break;
    }
    return LegacyCountSolutions(puzzle, UniquenessLimit);
}

// One uniqueness check of every puzzle: what callgrind counts. Not inlined,
// so that callgrind can collect exactly this call.
extern "C" __attribute__((noinline)) long OrvaneBankCountAll(int solver, const std::vector<Grid>* puzzles)
{
    long sum = 0;
    for (const Grid& puzzle : *puzzles)
        sum += Count(Solver(solver), puzzle);
    return sum;
}

// Uniqueness checks until at least minimumSeconds have passed; puzzles per second.
double PuzzlesPerSecond(const std::vector<Grid>& puzzles, Solver solver, long& checksum)
{
    const auto start = Clock::now();
    long solved = 0;
    do {
        checksum += OrvaneBankCountAll(int(solver), &puzzles);
        solved += static_cast<long>(puzzles.size());
    } while (Seconds(start) < MinimumSeconds);
    return static_cast<double>(solved) / Seconds(start);
}

bool HaveValgrind() { return std::system("valgrind --version >/dev/null 2>&1") == 0; }

// Instructions per puzzle of one solver on a list file, from a callgrind run
// of this program; nothing when valgrind fails.
std::optional<double> InstructionsPerPuzzle(const std::string& listFile, std::size_t puzzleCount, Solver solver)
{
    const std::filesystem::path countFile = std::filesystem::temp_directory_path() /
        ("orvane-bank-bench-" + std::to_string(getpid()) + "-" + SolverNames[int(solver)] + ".callgrind");
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = "valgrind --tool=callgrind --collect-atstart=no --toggle-collect=OrvaneBankCountAll"
                                " --callgrind-out-file='" + countFile.string() + "' '" + self + "' --count-once '" +
                                listFile + "' " + std::to_string(int(solver)) + " >/dev/null 2>&1";
    std::optional<double> result;
    if (std::system(command.c_str()) == 0) {
        std::ifstream counts(countFile);
        for (std::string line; std::getline(counts, line);)
            if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0)
                result = std::stod(line.substr(line.find(':') + 1)) / static_cast<double>(puzzleCount);
    }
    std::error_code error;
    std::filesystem::remove(countFile, error);
    return result;
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

void PrintInstructions(const std::optional<double>& count)
{
    if (count)
        std::printf(" %10.0f", *count);
    else
        std::printf(" %10s", "-");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--count-once") {
        const auto puzzles = ReadList(argv[2]);
        return OrvaneBankCountAll(std::atoi(argv[3]), &puzzles) > 0 ? 0 : 1;
    }
    bool countInstructions = true;
    bool generator = true;
    std::string folder = std::string(ORVANE_SOURCE_DIR) + "/assets/bank";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--no-instructions")
            countInstructions = false;
        else if (argument == "--no-generator")
            generator = false;
        else
            folder = argument;
    }
    if (countInstructions && !HaveValgrind()) {
        std::fprintf(stderr, "bank_bench: valgrind is not installed; instruction counts left out\n");
        countInstructions = false;
    }
    long checksum = 0;
    std::vector<std::pair<std::string, std::string>> lists;
    for (const BankListRule& rule : BankListRules)
        lists.emplace_back(std::string(rule.name), folder + "/" + std::string(rule.name) + ".txt");
    lists.emplace_back("hard set", std::string(ORVANE_SOURCE_DIR) + "/bench/bank/hard.txt");

    std::printf("solver: uniqueness checks (solution limit %d); puzzles per second and callgrind instructions per "
                "puzzle; built for %s\n", UniquenessLimit, ORVANE_BANK_ARCH[0] ? ORVANE_BANK_ARCH : "the default target");
    std::printf("bitboard: the exact solver; previous: the bitboard solver before bank 3; legacy: the solver before "
                "bank 2\n");
    std::printf("%-8s %6s %10s %10s %10s %10s %10s %10s %7s %12s %9s\n", "list", "lines", "bitboard/s", "previous/s",
                "legacy/s", "bitb. ins", "prev. ins", "legacy ins", "prev/new", "reference/s", "graded/s");
    // One row: the three solvers' speeds, then their instructions on the list
    // file (when counted), and the previous solver's instructions over the
    // exact solver's; the bitboard solver's instructions are returned.
    const auto solverColumns = [&](const std::vector<Grid>& puzzles, const std::string& file) {
        for (const Solver solver : {Solver::Bitboard, Solver::Previous, Solver::Legacy})
            std::printf(" %10.0f", PuzzlesPerSecond(puzzles, solver, checksum));
        std::optional<double> instructions[3];
        if (countInstructions)
            for (const Solver solver : {Solver::Bitboard, Solver::Previous, Solver::Legacy})
                instructions[int(solver)] = InstructionsPerPuzzle(file, puzzles.size(), solver);
        for (const auto& count : instructions)
            PrintInstructions(count);
        const auto& fast = instructions[int(Solver::Bitboard)];
        const auto& previous = instructions[int(Solver::Previous)];
        if (fast && previous)
            std::printf(" %6.2fx", *previous / *fast);
        else
            std::printf(" %7s", "-");
        return std::pair(fast, previous);
    };
    std::vector<Grid> bank;
    std::optional<double> hardSetInstructions[2], bankInstructions[2];
    for (const auto& [name, path] : lists) {
        const auto puzzles = ReadList(path);
        if (puzzles.empty()) {
            std::printf("%-8s no puzzles in %s\n", name.c_str(), path.c_str());
            continue;
        }
        const bool hardSet = name == "hard set";
        if (!hardSet)
            bank.insert(bank.end(), puzzles.begin(), puzzles.end());
        std::printf("%-8s %6zu", name.c_str(), puzzles.size());
        const auto [fast, previous] = solverColumns(puzzles, path);
        if (hardSet) {
            hardSetInstructions[0] = fast;
            hardSetInstructions[1] = previous;
        }
        // The reference takes the list's puzzles in order until its budget is spent.
        std::size_t referenceCount = 0;
        const auto referenceStart = Clock::now();
        for (const Grid& puzzle : puzzles) {
            if (Seconds(referenceStart) >= ReferenceBudgetSeconds)
                break;
            checksum += ReferenceCountSolutions(puzzle, UniquenessLimit);
            ++referenceCount;
        }
        const double referenceRate = static_cast<double>(referenceCount) / Seconds(referenceStart);
        const auto gradeStart = Clock::now();
        std::size_t graded = 0;
        for (const Grid& puzzle : puzzles) {
            if (Seconds(gradeStart) >= ReferenceBudgetSeconds)
                break;
            checksum += GradePuzzle(puzzle).rating;
            ++graded;
        }
        const double gradeRate = static_cast<double>(graded) / Seconds(gradeStart);
        std::printf(" %12.1f %9.0f\n", referenceRate, gradeRate);
    }
    if (!bank.empty()) {
        const std::filesystem::path all = std::filesystem::temp_directory_path() /
            ("orvane-bank-bench-" + std::to_string(getpid()) + ".txt");
        {
            std::ofstream file(all);
            for (const Grid& puzzle : bank)
                file << RowText(puzzle) << '\n';
        }
        std::printf("%-8s %6zu", "bank", bank.size());
        const auto [fast, previous] = solverColumns(bank, all.string());
        bankInstructions[0] = fast;
        bankInstructions[1] = previous;
        std::printf("\n");
        std::error_code error;
        std::filesystem::remove(all, error);
    }
    // Against the published solver's figures (measured once, outside this
    // repository; see PublishedHardSetInstructions).
    const auto published = [](const char* name, const std::optional<double> (&counts)[2], double reference) {
        if (!counts[0] || !counts[1])
            return;
        std::printf("%-8s instructions against the fastest published solver (%.0f/puzzle): bitboard %.2fx, "
                    "previous %.2fx\n", name, reference, *counts[0] / reference, *counts[1] / reference);
    };
    published("hard set", hardSetInstructions, PublishedHardSetInstructions);
    published("bank", bankInstructions, PublishedBankInstructions);

    if (generator) {
        int fastMade = 0, legacyMade = 0, referenceMade = 0, gradedMade = 0;
        const double fastRate = GeneratorRate(CountSolutions, GeneratorSamples, 1e9, false, fastMade);
        const double legacyRate = GeneratorRate(LegacyCountSolutions, GeneratorSamples, 1e9, false, legacyMade);
        const double referenceRate =
            GeneratorRate(ReferenceCountSolutions, GeneratorSamples, ReferenceGeneratorBudgetSeconds, false, referenceMade);
        const double gradedRate = GeneratorRate(CountSolutions, GeneratorSamples / 4, 1e9, true, gradedMade);
        std::printf("generator: minimal puzzles from fresh grids per second\n");
        std::printf("  bitboard solver  %8.1f/s (%d puzzles)\n", fastRate, fastMade);
        std::printf("  legacy solver    %8.1f/s (%d puzzles)\n", legacyRate, legacyMade);
        std::printf("  reference solver %8.1f/s (%d puzzles)  bitboard/reference %.0fx\n", referenceRate, referenceMade,
                    fastRate / referenceRate);
        std::printf("  bitboard, graded %8.1f/s (%d puzzles)\n", gradedRate, gradedMade);
    }
    std::printf("(checksum %ld)\n", checksum);
    return 0;
}
