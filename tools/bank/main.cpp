// orvane-bank: generates, grades and verifies the game's puzzle bank.
#include "BankBuilder.h"
#include "BankCheck.h"
#include "ExactSolver.h"
#include "Grader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace orvane::bank;
namespace fs = std::filesystem;

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

constexpr const char* HelpText = R"(orvane-bank: generates, grades and verifies the puzzle bank.

Usage:
  orvane-bank generate --out DIR [--seed N] [--walk-grids N] [--walk-steps N]
                       [--walk-floor N] [--fresh-grids N] [--descent-steps N]
                       [--search-steps N] [--search-restarts N] [--jobs N]
      Generates the six lists tk0 tk1 tk2 tk3 tk4 tk0_bk (500 lines each) into
      DIR as <list>.txt, then prints their figures. The same parameters give
      the same files, whatever the number of threads (--jobs, default 2). The
      committed bank (assets/bank) was made with the defaults: seed 20240917,
      walk-grids 1800, walk-steps 400, walk-floor 18, fresh-grids 30000,
      descent-steps 3000, search-steps 300, search-restarts 4.
  orvane-bank stats DIR
      Per list: givens (least, mean, most, the most common and its share),
      rating (least, median, most), how many puzzles lie in each band, how
      many use each technique; for neighbouring levels, the share of pairs in
      which the harder level's puzzle rates higher.
  orvane-bank verify DIR
      Checks every list and line; prints one message per fault and exits 1
      when there is any: 500 LF-ended lines of 81 characters "1".."9" (given)
      and "A".."I" (open cell); each a complete valid grid whose givens have
      exactly that grid as their one solution; each solved by the grader's
      logic without guessing and rated inside its list's band, with every
      deduction agreeing with the solution; every line above Easy minimal
      (no given can go with the solution staying unique); Easy lines 41..51 givens; each
      list's mean givens within 1.5 and fewest within 3 of the game's table,
      no number of givens on more than a third of a list's lines; no solution
      grid used twice in the bank, not even up to the grid's symmetries and a
      relabelling of the digits.
  orvane-bank grade PUZZLE...
      Rates puzzle strings (81 characters column by column as in the bank)
      or row-by-row grids ("." or "0" for an empty cell).
  orvane-bank hardset --out FILE [--seed N] [--grids N] [--count N]
      The benchmark's hard set: of the minimal puzzles of N random grids
      (default 20000; bench/bank/hard.txt used 100000), the count (500) that
      cost the exact solver the most guesses.

Rating (tenths of a point; a puzzle's rating is its hardest step):
  1.5 hidden single, 2.3 naked single; 2.6 pointing, 2.8 claiming, 3.0 naked
  pair, 3.4 hidden pair, 3.6 naked triple, 4.0 hidden triple; 4.2 X-Wing,
  4.3 XY-Wing, 4.4 XYZ-Wing, 4.5/4.6/4.7/4.7+ Unique Rectangle 1/2/4/3,
  4.8+ Unique Loop 1-4, 4.8 Swordfish, 5.0 naked quad, 5.2 Jellyfish, 5.4
  hidden quad, 5.6 BUG+1, 5.7 BUG type 2;
  6.6 W-Wing, 6.9+ X-chain, 7.0+ grouped X-chain, 7.2 ALS-XZ, 7.4+ alternating
  inference chain, 7.5+ grouped; 8.0+ forcing chain, 8.9+ forcing net, 9.5+
  nested forcing net (chains and forcing steps add for their length).
Bands and lists: tk0 Easy 1.0-2.5, tk1 Normal 2.6-4.0, tk2 Hard 4.1-5.9,
tk3 Expert 6.0-7.8, tk4 Extreme 7.9-11.0; tk0_bk (spare, nothing reads it)
holds 125 puzzles of each of the Normal to Extreme bands.
)";

int Usage(const std::string& message)
{
    std::cerr << "orvane-bank: " << message << "\n(orvane-bank --help shows the usage)\n";
    return ExitUsage;
}

bool ReadFile(const fs::path& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

// Reads and checks the six lists of DIR; missing files are failures too.
std::vector<ListReport> CheckDirectory(const fs::path& directory, std::vector<std::string>& failures)
{
    std::vector<ListReport> reports;
    for (const BankListRule& rule : BankListRules) {
        const fs::path path = directory / (std::string(rule.name) + ".txt");
        std::string text;
        if (!ReadFile(path, text)) {
            failures.push_back(path.string() + ": cannot be read");
            continue;
        }
        reports.push_back(CheckList(rule, text));
        failures.insert(failures.end(), reports.back().failures.begin(), reports.back().failures.end());
    }
    const auto shared = CheckSharedSolutions(reports);
    failures.insert(failures.end(), shared.begin(), shared.end());
    return reports;
}

void PrintFigures(const std::vector<ListReport>& reports, bool withTechniques)
{
    for (const ListReport& report : reports) {
        std::cout << DescribeList(report) << "\n";
        if (!withTechniques)
            continue;
        for (int t = 0; t < TechniqueCount; ++t)
            if (report.techniqueLists[t] > 0)
                std::cout << "    " << TechniqueName(static_cast<Technique>(t)) << ": " << report.techniqueLists[t]
                          << " puzzles\n";
    }
    // Neighbouring levels: how often a puzzle of the harder one rates higher.
    for (std::size_t i = 0; i + 1 < reports.size() && i + 1 < SpareListIndex; ++i) {
        char line[160];
        std::snprintf(line, sizeof line, "%s < %s: %.1f%% of pairs rate higher in %s\n",
                      std::string(reports[i].rule->name).c_str(), std::string(reports[i + 1].rule->name).c_str(),
                      100.0 * RatingOverlapShare(reports[i], reports[i + 1]),
                      std::string(reports[i + 1].rule->name).c_str());
        std::cout << line;
    }
}

int Stats(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1)
        return Usage("stats takes one folder");
    std::vector<std::string> failures;
    const auto reports = CheckDirectory(arguments[0], failures);
    PrintFigures(reports, true);
    if (!failures.empty())
        std::cout << failures.size() << " faults; run verify to list them\n";
    return EXIT_SUCCESS;
}

int Verify(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1)
        return Usage("verify takes one folder");
    std::vector<std::string> failures;
    const auto reports = CheckDirectory(arguments[0], failures);
    for (const std::string& failure : failures)
        std::cerr << failure << "\n";
    PrintFigures(reports, false);
    if (!failures.empty()) {
        std::cerr << "verify: " << failures.size() << " faults\n";
        return ExitFailure;
    }
    std::cout << "verify: the bank is sound\n";
    return EXIT_SUCCESS;
}

bool ParseNumber(const std::string& text, std::uint64_t& value)
{
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoull(text);
    return true;
}

int Generate(const std::vector<std::string>& arguments)
{
    BankParameters parameters;
    fs::path out;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (i + 1 >= arguments.size())
            return Usage(option + " needs a value");
        const std::string& value = arguments[++i];
        if (option == "--out") {
            out = value;
            continue;
        }
        std::uint64_t number = 0;
        if (!ParseNumber(value, number))
            return Usage("'" + value + "' is not a number for " + option);
        const int bounded = static_cast<int>(std::min<std::uint64_t>(number, 1u << 30));
        if (option == "--seed")
            parameters.seed = number;
        else if (option == "--walk-grids")
            parameters.walkGrids = bounded;
        else if (option == "--walk-steps")
            parameters.walkSteps = bounded;
        else if (option == "--walk-floor")
            parameters.walkFloor = bounded;
        else if (option == "--fresh-grids")
            parameters.freshGrids = bounded;
        else if (option == "--descent-steps")
            parameters.descentSteps = bounded;
        else if (option == "--search-steps")
            parameters.searchSteps = bounded;
        else if (option == "--search-restarts")
            parameters.searchRestarts = std::max(1, bounded);
        else if (option == "--jobs")
            parameters.jobs = std::max(1, bounded);
        else
            return Usage("unknown option " + option);
    }
    if (out.empty())
        return Usage("generate needs --out DIR");

    const auto start = std::chrono::steady_clock::now();
    std::array<BankList, BankLists> bank;
    try {
        bank = BuildBank(parameters, [](const std::string& message) { std::cerr << message << std::endl; });
    } catch (const std::exception& error) {
        std::cerr << "generate: " << error.what() << "\n";
        return ExitFailure;
    }
    std::error_code error;
    fs::create_directories(out, error);
    for (int list = 0; list < BankLists; ++list) {
        const fs::path path = out / (std::string(BankListRules[list].name) + ".txt");
        std::ofstream file(path, std::ios::binary);
        for (const std::string& line : bank[list].lines)
            file << line << '\n';
        if (!file.flush()) {
            std::cerr << "generate: cannot write " << path.string() << "\n";
            return ExitFailure;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "generated in " << seconds << " s with seed " << parameters.seed << "\n";
    std::vector<std::string> failures;
    PrintFigures(CheckDirectory(out, failures), false);
    for (const std::string& failure : failures)
        std::cerr << failure << "\n";
    return failures.empty() ? EXIT_SUCCESS : ExitFailure;
}

int HardSet(const std::vector<std::string>& arguments)
{
    std::uint64_t seed = 20261210, grids = 20000, count = 500;
    fs::path out;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        const std::string& option = arguments[i];
        const std::string& value = arguments[i + 1];
        std::uint64_t number = 0;
        if (option == "--out")
            out = value;
        else if (!ParseNumber(value, number))
            return Usage("'" + value + "' is not a number for " + option);
        else if (option == "--seed")
            seed = number;
        else if (option == "--grids")
            grids = std::min<std::uint64_t>(number, 1u << 24);
        else if (option == "--count")
            count = std::min<std::uint64_t>(number, 1u << 24);
        else
            return Usage("unknown option " + option);
    }
    if (out.empty() || arguments.size() % 2 != 0)
        return Usage("hardset needs --out FILE");
    const auto lines = BuildHardSet(seed, static_cast<int>(grids), static_cast<int>(count), 2);
    std::ofstream file(out, std::ios::binary);
    for (const std::string& line : lines)
        file << line << '\n';
    if (!file.flush()) {
        std::cerr << "hardset: cannot write " << out.string() << "\n";
        return ExitFailure;
    }
    return EXIT_SUCCESS;
}

int Grade(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return Usage("grade needs at least one puzzle");
    int status = EXIT_SUCCESS;
    for (const std::string& text : arguments) {
        Grid givens{};
        if (const auto parsed = ParsePuzzleText(text))
            givens = parsed->givens;
        else if (const auto grid = ParseRowText(text))
            givens = *grid;
        else {
            std::cerr << text << ": neither a puzzle string nor a row-by-row grid\n";
            status = ExitFailure;
            continue;
        }
        const int solutions = CountSolutions(givens, 2);
        const GradeResult grade = GradePuzzle(givens);
        char rating[64];
        std::snprintf(rating, sizeof rating, "rating %.1f (sum %.1f)", grade.rating / 10.0, grade.ratingSum / 10.0);
        std::cout << RowText(givens) << ": " << GivenCount(givens) << " givens, "
                  << (solutions == 0 ? "no solution" : solutions == 1 ? "unique" : "several solutions") << ", "
                  << (grade.solved ? rating : "logic stalls") << ", band " << grade.tier << " (" << TierName(grade.tier)
                  << ")";
        for (int t = 0; t < TechniqueCount; ++t)
            if (grade.uses[t] > 0)
                std::cout << "; " << TechniqueName(static_cast<Technique>(t)) << " x" << grade.uses[t];
        std::cout << "\n";
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage("no mode given");
    const std::string mode = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (mode == "--help" || mode == "-h" || mode == "help") {
        std::cout << HelpText;
        return EXIT_SUCCESS;
    }
    if (mode == "generate")
        return Generate(arguments);
    if (mode == "stats")
        return Stats(arguments);
    if (mode == "verify")
        return Verify(arguments);
    if (mode == "grade")
        return Grade(arguments);
    if (mode == "hardset")
        return HardSet(arguments);
    return Usage("unknown mode " + mode);
}
