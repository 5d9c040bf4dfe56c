#include "BankCheck.h"

#include "Canonical.h"
#include "Generator.h"
#include "Grader.h"

#include <gtest/gtest.h>

namespace orvane::bank {
namespace {

const BankListRule& EasyRule() { return BankListRules[0]; }
const BankListRule& NormalRule() { return BankListRules[1]; }

struct Fixture {
    Grid solution;
    Grid easyPuzzle;    // 45 givens, singles only
    Grid minimalHarder; // minimal, needs more than singles
};

const Fixture& Puzzles()
{
    static const Fixture fixture = [] {
        GeneratorRandom random(8);
        Fixture f{};
        for (;;) {
            f.solution = RandomFullGrid(random);
            f.minimalHarder = MinimalPuzzle(f.solution, random);
            if (GradePuzzle(f.minimalHarder).tier >= FishAndWingsTier)
                break;
        }
        f.easyPuzzle = SinglesPuzzle(f.solution, 45, random);
        return f;
    }();
    return fixture;
}

std::string Lines(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\n";
    return text;
}

bool HasFailureContaining(const ListReport& report, const std::string& part)
{
    for (const std::string& failure : report.failures)
        if (failure.find(part) != std::string::npos)
            return true;
    return false;
}

TEST(BankCheck, ReportsEachFaultOfALine)
{
    const Fixture& f = Puzzles();
    const std::string easyLine = PuzzleText(f.solution, f.easyPuzzle);
    std::string invalidGrid = easyLine;
    std::swap(invalidGrid[0], invalidGrid[1]);
    Grid twoSolutions = f.minimalHarder;
    for (int cell = 0; cell < CellCount; ++cell)
        if (twoSolutions[cell] != 0) {
            twoSolutions[cell] = 0; // a minimal puzzle less one given has several solutions
            break;
        }
    // The minimal puzzle with one more given of its solution: that given, at
    // least, can go again.
    Grid padded = f.minimalHarder;
    for (int cell = 0; cell < CellCount; ++cell)
        if (padded[cell] == 0) {
            padded[cell] = f.solution[cell];
            break;
        }
    GeneratorRandom random(9);
    const Grid fewGivens = SinglesPuzzle(f.solution, 38, random);

    struct Case {
        const char* name;
        const BankListRule* rule;
        std::string line;
        std::string expected; // empty: no fault
    };
    const Case cases[] = {
        {"sound Easy line", &EasyRule(), easyLine, ""},
        {"sound Normal line is graded outside Easy", &EasyRule(), PuzzleText(f.solution, f.minimalHarder),
         "outside the Easy band"},
        {"CR LF", &EasyRule(), easyLine + "\r", "CR LF"},
        {"short line", &EasyRule(), easyLine.substr(0, 80), "has 80 characters"},
        {"lower-case letter", &EasyRule(), "a" + easyLine.substr(1), "character 1 'a'"},
        {"zero", &EasyRule(), easyLine.substr(0, 40) + "0" + easyLine.substr(41), "character 41 '0'"},
        {"letters and digits not a grid", &EasyRule(), invalidGrid, "do not form a valid Sudoku grid"},
        {"several solutions", &NormalRule(), PuzzleText(f.solution, twoSolutions), "more than one solution"},
        {"padded puzzle above Easy", &NormalRule(), PuzzleText(f.solution, padded), "not minimal"},
        {"too few givens for Easy", &EasyRule(), PuzzleText(f.solution, fewGivens), "givens, outside 41..51"},
    };
    for (const Case& c : cases) {
        const ListReport report = CheckList(*c.rule, c.line + "\n");
        // One line is never the 500 a list needs: that fault is always there.
        EXPECT_TRUE(HasFailureContaining(report, "1 lines, not 500")) << c.name;
        const auto lineFaults = std::count_if(report.failures.begin(), report.failures.end(), [&](const std::string& s) {
            return s.find(":1: ") != std::string::npos;
        });
        if (c.expected.empty()) {
            EXPECT_EQ(lineFaults, 0) << c.name << ": " << ::testing::PrintToString(report.failures);
            continue;
        }
        EXPECT_TRUE(HasFailureContaining(report, c.expected)) << c.name << ": " << ::testing::PrintToString(report.failures);
    }
    // The minimal puzzle itself passes the minimality check (whatever its band).
    EXPECT_FALSE(HasFailureContaining(CheckList(NormalRule(), PuzzleText(f.solution, f.minimalHarder) + "\n"), "not minimal"));
}

TEST(BankCheck, MeasuresAWholeListAgainstTheTable)
{
    const Fixture& f = Puzzles();
    const std::string line = PuzzleText(f.solution, f.easyPuzzle);
    const ListReport report = CheckList(EasyRule(), Lines(line, BankListLines));
    EXPECT_EQ(report.lineCount, BankListLines);
    EXPECT_EQ(report.leastGivens, 45);
    EXPECT_DOUBLE_EQ(report.meanGivens, 45.0);
    EXPECT_EQ(report.tierCounts[SinglesTier], BankListLines);
    // Mean 45 lies within 1.5 of 44.0; fewest 45 lies more than 3 above 41.
    EXPECT_FALSE(HasFailureContaining(report, "mean givens"));
    EXPECT_TRUE(HasFailureContaining(report, "fewest givens 45 is more than 3 from 41"));
    // Every line has 45 givens: more than a third of the list.
    EXPECT_TRUE(HasFailureContaining(report, "500 of 500 lines have 45 givens, more than a third"));
    EXPECT_EQ(report.commonGivens, 45);
    EXPECT_EQ(report.leastRating, report.mostRating);
    EXPECT_LE(report.mostRating, RatingBands[0].most);

    const ListReport unterminated = CheckList(EasyRule(), Lines(line, BankListLines - 1) + line);
    EXPECT_EQ(unterminated.lineCount, BankListLines);
    EXPECT_TRUE(HasFailureContaining(unterminated, "no LF line end"));

    // Every line shares its solution grid with the first.
    const auto shared = CheckSharedSolutions({report});
    ASSERT_EQ(shared.size(), static_cast<std::size_t>(BankListLines - 1));
    EXPECT_EQ(shared.front(), "tk0.txt:2: same solution grid as tk0.txt:1");
}

// The grid read through a symmetry: transposed, bands 1 and 3 exchanged,
// rows 4 and 5 exchanged, stacks 1 and 2 exchanged, digits shifted by one (empty cells stay empty).
Grid Transformed(const Grid& grid)
{
    Grid image{};
    for (int row = 0; row < GridSide; ++row)
        for (int column = 0; column < GridSide; ++column) {
            int r = column, c = row; // transposed
            r = r / 3 == 0 ? r + 6 : r / 3 == 2 ? r - 6 : r;
            r = r == 3 ? 4 : r == 4 ? 3 : r;
            c = c / 3 == 0 ? c + 3 : c / 3 == 1 ? c - 3 : c;
            const int digit = grid[row * GridSide + column];
            image[r * GridSide + c] = static_cast<std::uint8_t>(digit == 0 ? 0 : digit % 9 + 1);
        }
    return image;
}

TEST(BankCheck, CanonicalFormsFindGridsThatAreTheSameUpToSymmetry)
{
    const Fixture& f = Puzzles();
    const Grid image = Transformed(f.solution);
    ASSERT_TRUE(IsCompleteValidGrid(image));
    ASSERT_NE(image, f.solution);
    EXPECT_EQ(CanonicalGrid(image), CanonicalGrid(f.solution));
    EXPECT_TRUE(IsCompleteValidGrid(CanonicalGrid(f.solution)));
    GeneratorRandom random(12);
    EXPECT_NE(CanonicalGrid(RandomFullGrid(random)), CanonicalGrid(f.solution));

    // A line built on the transformed grid repeats the first line's puzzle family.
    const ListReport first = CheckList(EasyRule(), PuzzleText(f.solution, f.easyPuzzle) + "\n");
    const ListReport second = CheckList(EasyRule(), PuzzleText(image, Transformed(f.easyPuzzle)) + "\n");
    const auto shared = CheckSharedSolutions({first, second});
    ASSERT_EQ(shared.size(), 1u);
    EXPECT_NE(shared.front().find("up to the grid's symmetries"), std::string::npos) << shared.front();
}

TEST(BankCheck, OverlapCountsThePairsWhereTheHarderListRatesHigher)
{
    ListReport lower, higher;
    for (int rating : {10, 20, 30})
        lower.entries.push_back({1, {}, {}, 1, rating, rating, {}});
    for (int rating : {25, 40})
        higher.entries.push_back({1, {}, {}, 2, rating, rating, {}});
    // 25 beats 10 and 20, 40 beats all three: 5 of 6 pairs.
    EXPECT_DOUBLE_EQ(RatingOverlapShare(lower, higher), 5.0 / 6.0);
}

} // namespace
} // namespace orvane::bank
