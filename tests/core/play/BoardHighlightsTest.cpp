#include "core/play/BoardHighlights.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A board with 6 at (2, 2) and (8, 5), a mark 6 at (3, 8), a repeated 1 in
// row 9 and (2, 5) selected showing 6.
TEST(BoardHighlights, ShadeTheUnitsMarkTheDigitAndItsMarksAndShowRepeats)
{
    PlayGrid grid;
    grid.givens[std::size_t(CellIndex(2, 2))] = true;
    grid.At(CellPlace{2, 2}) = CellState{6, true, 0};
    grid.At(CellPlace{8, 5}) = CellState{6, true, 0};
    grid.At(CellPlace{3, 8}).marks = MarkOf(6) | MarkOf(2);
    grid.At(CellPlace{7, 7}).marks = MarkOf(2);
    grid.At(CellPlace{6, 3}) = CellState{6, false, MarkOf(6)}; // holds its solution 6 unseen
    grid.At(CellPlace{1, 9}) = CellState{1, true, 0};
    grid.At(CellPlace{5, 9}) = CellState{1, true, 0};
    grid.At(CellPlace{2, 5}) = CellState{6, true, 0};

    const auto highlights = BoardHighlights(grid, CellPlace{2, 5});
    const auto at = [&](int x, int y) { return highlights[std::size_t(CellIndex(x, y))]; };
    // The selected cell shares its units with itself and shows its digit; the
    // 6 in its column repeats.
    EXPECT_EQ(at(2, 5), (CellHighlight{true, true, 0, true}));
    EXPECT_EQ(at(2, 2), (CellHighlight{true, true, 0, true}));
    EXPECT_EQ(at(8, 5), (CellHighlight{true, true, 0, true})) << "same row";
    EXPECT_EQ(at(3, 4), (CellHighlight{true, false, 0, false})) << "same box";
    EXPECT_EQ(at(3, 8), (CellHighlight{false, false, 6, false})) << "a mark of the digit";
    EXPECT_EQ(at(7, 7), (CellHighlight{})) << "a mark of another digit, nothing shared";
    EXPECT_EQ(at(6, 3), (CellHighlight{false, false, 6, false})) << "the unseen value is no digit";
    EXPECT_EQ(at(1, 9), (CellHighlight{false, false, 0, true})) << "repeats show wherever they are";

    const auto none = BoardHighlights(grid, CellPlace{});
    EXPECT_EQ(none[std::size_t(CellIndex(3, 4))], (CellHighlight{}));
    EXPECT_EQ(none[std::size_t(CellIndex(3, 8))], (CellHighlight{})) << "no digit selected, no mark marked";
    EXPECT_EQ(none[std::size_t(CellIndex(5, 9))], (CellHighlight{false, false, 0, true}));
}

} // namespace
} // namespace orvane
