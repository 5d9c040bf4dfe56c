#pragma once

#include "core/grader/NextStep.h"
#include "core/play/PlayGrid.h"

#include <array>
#include <atomic>
#include <optional>
#include <vector>

namespace orvane {

// The solution digit of every cell, indexed by CellIndex (column by column).
using SolutionDigits = std::array<int, CellCount>;

// Play's cell index (column by column) and the grader's (row by row).
constexpr int GraderCell(int index) { return BoardSize * (index % BoardSize) + index / BoardSize; }
constexpr int PlayIndex(int graderCell) { return BoardSize * (graderCell % BoardSize) + graderCell / BoardSize; }

// The cells whose shown digit is not their solution's, in index order.
std::vector<int> WrongDigits(const PlayGrid& grid, const SolutionDigits& solution);

// The grader's board of what the player sees: every shown digit placed, the
// givens and the player's; the candidates of an open cell are what its row,
// column and box allow, narrowed to the cell's marks where they hold the
// solution's digit. Marks without it are a slip, and the hint reasons from
// the digits there instead. Wrong digits must be gone first.
grader::CandidateBoard HintBoard(const PlayGrid& grid, const SolutionDigits& solution);

// The solution in the grader's order.
grader::Grid GraderSolution(const SolutionDigits& solution);

// What a hint found on the board.
enum class HintKind {
    WrongDigit, // digits on the board differ from the solution: `wrongCells`
    Step,       // the next step of the grader: `step`
    Solved,     // every cell shows its digit
    NoStep,     // the techniques find nothing (a board from elsewhere with several solutions)
};

struct Hint {
    HintKind kind = HintKind::NoStep;
    std::vector<int> wrongCells; // play indices
    std::vector<int> wrongShown; // the digit each of them shows
    grader::Step step;           // grader cells
    // The candidates the hint reasoned with, per play index: what press 3
    // shows as marks in a cell that loses candidates but shows none.
    std::array<MarkSet, CellCount> candidates{};
    // The cells whose marks narrowed those candidates (the others' marks, if
    // any, were a slip).
    std::array<bool, CellCount> marksUsed{};
};

// The hint for the board: wrong digits first, else the next step from the
// digits and the marks. Nothing when `stop` was set during the search.
std::optional<Hint> FindHint(const PlayGrid& grid, const SolutionDigits& solution,
                             const std::atomic<bool>* stop = nullptr);

// How many presses a hint takes, the last one carrying it out: three for a
// step (the technique and its region, the cells and candidates, the step
// done), two for wrong digits (pointed at, taken out), one for the rest
// (which only says so).
int HintPresses(const Hint& hint);

// The board after a hint is carried out: a step's digits entered as the
// player enters them (with auto-clean as set), its eliminations taken off
// the marks; a cell that loses candidates but shows no marks, or marks the
// hint passed over, gets the candidates the hint reasoned with first, so
// that the step shows and the next hint goes on from it. Wrong digits are emptied. Other hints change
// nothing.
PlayGrid CarryOutHint(const PlayGrid& grid, const Hint& hint, AutoClean autoClean);

// What one cell of the board shows of a hint at a press (1 ..).
struct HintCellLook {
    bool region = false;    // in the region the hint names
    bool involved = false;  // one of the cells the step rests on, or a wrong digit
    MarkSet candidates = 0; // candidates the reasoning uses
    MarkSet removed = 0;    // candidates the step takes out
    int placed = 0;         // the digit the step places here
    bool operator==(const HintCellLook&) const = default;
};
// Indexed by play index. The first press shows the region (a wrong digit
// its cells); the second the cells, candidates and what the step does; the
// press that carries the hint out shows nothing more.
std::array<HintCellLook, CellCount> HintLooks(const Hint& hint, int press);

} // namespace orvane
