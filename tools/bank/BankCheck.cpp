#include "BankCheck.h"

#include "Canonical.h"
#include "ExactSolver.h"
#include "Grader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace orvane::bank {

namespace {

std::string FileName(const BankListRule& rule) { return std::string(rule.name) + ".txt"; }

std::string Where(const BankListRule& rule, int line)
{
    return FileName(rule) + ":" + std::to_string(line) + ": ";
}

std::string Format(const char* format, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The givens of a unique puzzle whose removal, one at a time, leaves the
// solution unique: a padded puzzle is easier than its rating says.
std::vector<int> SuperfluousGivens(const Grid& puzzle)
{
    std::vector<int> cells;
    Grid reduced = puzzle;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (puzzle[cell] == 0)
            continue;
        reduced[cell] = 0;
        if (CountSolutions(reduced, 2) == 1)
            cells.push_back(cell);
        reduced[cell] = puzzle[cell];
    }
    return cells;
}

// Checks one line; appends its failures, and the line to the entries when it
// is a well-formed unique puzzle.
void CheckLine(const BankListRule& rule, int lineNumber, std::string_view line, ListReport& report)
{
    const auto Fail = [&](const std::string& message) { report.failures.push_back(Where(rule, lineNumber) + message); };
    if (!line.empty() && line.back() == '\r')
        return Fail("line ends with CR LF; the bank uses LF line ends");
    if (line.size() != CellCount)
        return Fail("has " + std::to_string(line.size()) + " characters, not 81");
    const auto parsed = ParsePuzzleText(line);
    if (!parsed) {
        const auto bad = std::find_if(line.begin(), line.end(), [](char c) {
            return !((c >= '1' && c <= '9') || (c >= 'A' && c <= 'I'));
        });
        return Fail("character " + std::to_string(bad - line.begin() + 1) + " '" + std::string(1, *bad) +
                    "' is neither a given \"1\"..\"9\" nor an open cell \"A\"..\"I\"");
    }
    if (!IsCompleteValidGrid(parsed->solution))
        return Fail("the letters and digits do not form a valid Sudoku grid");
    std::vector<Grid> solutions;
    const int solutionCount = EnumerateSolutions(parsed->givens, 2, solutions);
    if (solutionCount != 1)
        return Fail(solutionCount == 0 ? "the givens have no solution" : "the givens have more than one solution");
    if (solutions.front() != parsed->solution)
        return Fail("the givens' solution is not the grid of the line");
    if (RequiresMinimalPuzzles(rule)) {
        const auto superfluous = SuperfluousGivens(parsed->givens);
        if (!superfluous.empty()) {
            std::string cells;
            for (int cell : superfluous)
                cells += (cells.empty() ? "" : ", ") + std::string("r") + std::to_string(cell / GridSide + 1) + "c" +
                         std::to_string(cell % GridSide + 1);
            Fail("not minimal: " + std::to_string(superfluous.size()) + (superfluous.size() == 1 ? " given" : " givens") +
                 " can be removed with the solution staying unique (" + cells + ")");
        }
    }
    const int givens = GivenCount(parsed->givens);
    if (givens < rule.lineLeast || givens > rule.lineMost)
        Fail(std::to_string(givens) + " givens, outside " + std::to_string(rule.lineLeast) + ".." +
                      std::to_string(rule.lineMost));
    const GradeResult grade = GradePuzzle(parsed->givens, parsed->solution);
    if (grade.faulty)
        Fail("a deduction of the grader contradicts the solution");
    const int least = RatingBands[rule.lowestTier - 1].least, most = RatingBands[rule.highestTier - 1].most;
    if (!grade.solved)
        Fail("the grader's logic stalls: solving it needs guessing");
    else if (grade.rating < least || grade.rating > most)
        Fail("rating " + Format("%.1f", grade.rating / 10.0) + " (" + std::string(TechniqueName(grade.hardest)) +
             ") is outside the " + std::string(rule.levelName) + " band " + Format("%.1f", least / 10.0) + ".." +
             Format("%.1f", most / 10.0));
    report.entries.push_back(
        {lineNumber, parsed->solution, parsed->givens, grade.tier, grade.rating, grade.ratingSum, grade.uses});
}

} // namespace

ListReport CheckList(const BankListRule& rule, std::string_view text)
{
    ListReport report;
    report.rule = &rule;
    if (!text.empty() && text.back() != '\n')
        report.failures.push_back(FileName(rule) + ": the last line has no LF line end");
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ++report.lineCount;
        CheckLine(rule, report.lineCount, text.substr(start, end - start), report);
        start = end + 1;
    }
    if (report.lineCount != BankListLines)
        report.failures.push_back(FileName(rule) + ": " + std::to_string(report.lineCount) + " lines, not " +
                                  std::to_string(BankListLines));
    if (report.entries.empty())
        return report;

    int total = 0;
    report.leastGivens = CellCount;
    for (const BankEntry& entry : report.entries) {
        const int givens = GivenCount(entry.givens);
        total += givens;
        report.leastGivens = std::min(report.leastGivens, givens);
        report.mostGivens = std::max(report.mostGivens, givens);
        ++report.tierCounts[entry.tier];
        for (int t = 0; t < TechniqueCount; ++t)
            report.techniqueLists[t] += entry.uses[t] > 0;
    }
    report.meanGivens = static_cast<double>(total) / static_cast<double>(report.entries.size());
    std::array<int, CellCount + 1> givensCounts{};
    std::vector<int> ratings;
    for (const BankEntry& entry : report.entries) {
        ++givensCounts[GivenCount(entry.givens)];
        ratings.push_back(entry.rating);
    }
    for (int givens = 0; givens <= CellCount; ++givens)
        if (givensCounts[givens] > report.commonGivensLines) {
            report.commonGivens = givens;
            report.commonGivensLines = givensCounts[givens];
        }
    std::sort(ratings.begin(), ratings.end());
    report.leastRating = ratings.front();
    report.medianRating = ratings[ratings.size() / 2];
    report.mostRating = ratings.back();
    if (report.commonGivensLines > MostCommonGivensShare * static_cast<double>(report.entries.size()))
        report.failures.push_back(FileName(rule) + ": " + std::to_string(report.commonGivensLines) + " of " +
                                  std::to_string(report.entries.size()) + " lines have " +
                                  std::to_string(report.commonGivens) + " givens, more than a third");
    if (std::fabs(report.meanGivens - rule.tableMean) > MeanGivensTolerance)
        report.failures.push_back(FileName(rule) + ": mean givens " + Format("%.2f", report.meanGivens) +
                                  " is more than " + Format("%.1f", MeanGivensTolerance) + " from " +
                                  Format("%.1f", rule.tableMean));
    if (std::abs(report.leastGivens - rule.tableLeast) > LeastGivensTolerance)
        report.failures.push_back(FileName(rule) + ": fewest givens " + std::to_string(report.leastGivens) +
                                  " is more than " + std::to_string(LeastGivensTolerance) + " from " +
                                  std::to_string(rule.tableLeast));
    return report;
}

std::vector<std::string> CheckSharedSolutions(const std::vector<ListReport>& reports)
{
    std::vector<std::string> failures;
    std::map<Grid, std::string> firstUse, firstForm;
    for (const ListReport& report : reports)
        for (const BankEntry& entry : report.entries) {
            const std::string here = FileName(*report.rule) + ":" + std::to_string(entry.line);
            const auto [place, inserted] = firstUse.emplace(entry.solution, here);
            if (!inserted) {
                failures.push_back(here + ": same solution grid as " + place->second);
                continue;
            }
            const auto [form, newForm] = firstForm.emplace(CanonicalGrid(entry.solution), here);
            if (!newForm)
                failures.push_back(here + ": same solution grid as " + form->second +
                                   " up to the grid's symmetries and a relabelling of the digits");
        }
    return failures;
}

double RatingOverlapShare(const ListReport& lower, const ListReport& higher)
{
    std::vector<int> low;
    for (const BankEntry& entry : lower.entries)
        low.push_back(entry.rating);
    std::sort(low.begin(), low.end());
    double above = 0;
    for (const BankEntry& entry : higher.entries)
        above += static_cast<double>(std::lower_bound(low.begin(), low.end(), entry.rating) - low.begin());
    const double pairs = static_cast<double>(low.size()) * static_cast<double>(higher.entries.size());
    return pairs > 0 ? above / pairs : 0;
}

std::string DescribeList(const ListReport& report)
{
    std::string text = std::string(report.rule->name) + " (" + std::string(report.rule->levelName) + "): " +
                       std::to_string(report.lineCount) + " lines; givens least " +
                       std::to_string(report.leastGivens) + ", mean " + Format("%.2f", report.meanGivens) +
                       ", most " + std::to_string(report.mostGivens) + " (table " +
                       std::to_string(report.rule->tableLeast) + ", " + Format("%.1f", report.rule->tableMean) +
                       ", " + std::to_string(report.rule->tableMost) + "), most common " +
                       std::to_string(report.commonGivens) + " in " +
                       Format("%.1f%%", 100.0 * report.commonGivensLines / std::max<std::size_t>(1, report.entries.size())) +
                       "; rating least " + Format("%.1f", report.leastRating / 10.0) + ", median " +
                       Format("%.1f", report.medianRating / 10.0) + ", most " + Format("%.1f", report.mostRating / 10.0) +
                       "; bands";
    for (int tier = 1; tier <= TierCount; ++tier)
        text += " " + std::to_string(tier) + ":" + std::to_string(report.tierCounts[tier]);
    return text;
}

} // namespace orvane::bank
