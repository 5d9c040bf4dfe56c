#include "core/hints/HintText.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using grader::CellDigit;
using grader::Technique;

// The grader's index of a cell by row and column from 1.
constexpr int G(int row, int column) { return 9 * (row - 1) + (column - 1); }

Hint StepHint(Technique technique, std::vector<int> units, std::vector<int> cells, std::vector<CellDigit> candidates,
              std::vector<CellDigit> placements, std::vector<CellDigit> eliminations)
{
    Hint hint;
    hint.kind = HintKind::Step;
    hint.step = grader::Step{technique, grader::BaseRating(technique),
                             grader::StepPattern{std::move(units), std::move(cells), std::move(candidates)},
                             std::move(placements), std::move(eliminations)};
    return hint;
}

// The three presses' texts of steps of several kinds: the technique and its
// region, then why and what, then what was done.
TEST(HintText, NamesTheRegionThenExplainsThenSaysWhatWasDone)
{
    const struct {
        const char* name;
        Hint hint;
        const char* first;
        const char* second;
        const char* done;
    } cases[] = {
        {"hidden single",
         StepHint(Technique::HiddenSingle, {grader::RowUnit(2)}, {G(3, 5)}, {{G(3, 5), 7}}, {{G(3, 5), 7}}, {}),
         "Hidden single in row 3.", "In row 3, the 7 fits only in r3c5. So r3c5 is 7.", "Done: r3c5 is 7."},
        {"naked single",
         StepHint(Technique::NakedSingle, {grader::BoxUnit(4)}, {G(5, 5)}, {{G(5, 5), 8}}, {{G(5, 5), 8}}, {}),
         "Naked single in box 5.", "Only the 8 is left for r5c5. So r5c5 is 8.", "Done: r5c5 is 8."},
        {"pointing",
         StepHint(Technique::LockedPointing, {grader::BoxUnit(0)}, {G(1, 1), G(1, 2)}, {{G(1, 1), 3}, {G(1, 2), 3}}, {},
                  {{G(1, 4), 3}, {G(1, 9), 3}}),
         "Pointing in box 1.",
         "In box 1, the 3 lies only in row 1 (r1c1 and r1c2): whichever holds it, row 1 has its 3 there. "
         "So 3 goes from r1c4 and r1c9.",
         "Done: 3 is out of r1c4 and r1c9."},
        {"naked pair, two digits out",
         StepHint(Technique::NakedPair, {grader::ColumnUnit(3)}, {G(2, 4), G(6, 4)},
                  {{G(2, 4), 1}, {G(2, 4), 2}, {G(6, 4), 1}, {G(6, 4), 2}}, {}, {{G(1, 4), 1}, {G(1, 4), 2}, {G(9, 4), 2}}),
         "Naked pair in column 4.",
         "r2c4 and r6c4 hold only 1 and 2 between them: in column 4 these digits belong to them. "
         "So 1 goes from r1c4; 2 from r1c4 and r9c4.",
         "Done: 1 is out of r1c4; 2 out of r1c4 and r9c4."},
        {"X-Wing",
         StepHint(Technique::XWing, {grader::RowUnit(1), grader::RowUnit(6)}, {G(2, 3), G(2, 8), G(7, 3), G(7, 8)},
                  {{G(2, 3), 5}, {G(2, 8), 5}, {G(7, 3), 5}, {G(7, 8), 5}}, {}, {{G(4, 3), 5}}),
         "X-Wing in rows 2 and 7.",
         "In rows 2 and 7, the 5 fits only in columns 3 and 8: these rows take the 5 of those columns. "
         "So 5 goes from r4c3.",
         "Done: 5 is out of r4c3."},
        {"XY-Wing",
         StepHint(Technique::XYWing, {grader::BoxUnit(0), grader::BoxUnit(1), grader::BoxUnit(3)},
                  {G(1, 1), G(1, 5), G(5, 1)},
                  {{G(1, 1), 1}, {G(1, 1), 2}, {G(1, 5), 1}, {G(1, 5), 3}, {G(5, 1), 2}, {G(5, 1), 3}}, {},
                  {{G(5, 5), 3}}),
         "XY-Wing in boxes 1, 2 and 4.",
         "r1c1 (1 and 2) sees r1c5 (1 and 3) and r5c1 (2 and 3): whatever r1c1 holds, one of the two is 3, and a "
         "cell that sees both cannot be. So 3 goes from r5c5.",
         "Done: 3 is out of r5c5."},
        {"Unique Loop",
         StepHint(Technique::UniqueLoop1, {grader::BoxUnit(0), grader::BoxUnit(1), grader::BoxUnit(2)},
                  {G(1, 1), G(1, 4), G(2, 4), G(2, 7), G(3, 7), G(3, 1)}, {{G(1, 1), 1}, {G(1, 1), 2}}, {},
                  {{G(3, 1), 1}, {G(3, 1), 2}}),
         "Unique Loop type 1 in boxes 1, 2 and 3.",
         "r1c1, r1c4, r2c4, r2c7, r3c7 and r3c1 would form a loop of two digits that could swap, and the puzzle "
         "has one solution. So 1 goes from r3c1; 2 from r3c1.",
         "Done: 1 is out of r3c1; 2 out of r3c1."},
        {"forcing chain by contradiction",
         StepHint(Technique::ForcingChain, {grader::BoxUnit(5)}, {G(4, 9)}, {{G(4, 9), 4}}, {}, {{G(4, 9), 4}}),
         "Forcing chain in box 6.",
         "If r4c9 were 4, the steps that follow would break the board. So 4 goes from r4c9.",
         "Done: 4 is out of r4c9."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HintText(c.hint, 1), c.first) << c.name;
        EXPECT_EQ(HintText(c.hint, 2), c.second) << c.name;
        EXPECT_EQ(HintText(c.hint, 3), c.done) << c.name;
    }
}

// Every technique has words at each press: a technique added to the grader
// without its own explanation names its cells.
TEST(HintText, EveryTechniqueGivesTextAtEachPress)
{
    for (int index = 0; index < grader::TechniqueCount; ++index) {
        const auto technique = static_cast<Technique>(index);
        const Hint hint = StepHint(technique, {grader::BoxUnit(0)}, {G(1, 1), G(1, 2), G(2, 1), G(2, 2)},
                                   {{G(1, 1), 1}, {G(1, 2), 2}}, {}, {{G(3, 3), 1}});
        for (int press = 1; press <= 3; ++press) {
            const std::string text = HintText(hint, press);
            EXPECT_FALSE(text.empty()) << grader::TechniqueName(technique) << " press " << press;
            EXPECT_EQ(text.back(), '.') << text;
        }
    }
}

TEST(HintText, CellsAndUnitsByName)
{
    EXPECT_EQ(CellName(G(3, 5)), "r3c5");
    EXPECT_EQ(CellName(G(9, 1)), "r9c1");
    EXPECT_EQ(UnitName(grader::RowUnit(0)), "row 1");
    EXPECT_EQ(UnitName(grader::ColumnUnit(8)), "column 9");
    EXPECT_EQ(UnitName(grader::BoxUnit(4)), "box 5");
}

} // namespace
} // namespace orvane
