#include "core/hints/Hint.h"

namespace orvane {

namespace {

bool ShowsSolution(const PlayGrid& grid, const SolutionDigits& solution)
{
    for (int index = 0; index < CellCount; ++index)
        if (grid.cells[std::size_t(index)].Digit() != solution[std::size_t(index)])
            return false;
    return true;
}

MarkSet CandidatesAt(const grader::CandidateBoard& board, int index)
{
    return MarkSet(board.Candidates(GraderCell(index)) & AllMarks);
}

} // namespace

std::vector<int> WrongDigits(const PlayGrid& grid, const SolutionDigits& solution)
{
    std::vector<int> wrong;
    for (int index = 0; index < CellCount; ++index) {
        const int digit = grid.cells[std::size_t(index)].Digit();
        if (digit != 0 && digit != solution[std::size_t(index)])
            wrong.push_back(index);
    }
    return wrong;
}

grader::Grid GraderSolution(const SolutionDigits& solution)
{
    grader::Grid grid{};
    for (int index = 0; index < CellCount; ++index)
        grid[std::size_t(GraderCell(index))] = std::uint8_t(solution[std::size_t(index)]);
    return grid;
}

grader::CandidateBoard HintBoard(const PlayGrid& grid, const SolutionDigits& solution)
{
    grader::Grid digits{};
    for (int index = 0; index < CellCount; ++index)
        digits[std::size_t(GraderCell(index))] = std::uint8_t(grid.cells[std::size_t(index)].Digit());
    grader::CandidateBoard board = grader::CandidateBoard::FromPuzzle(digits);
    for (int index = 0; index < CellCount; ++index) {
        const CellState& cell = grid.cells[std::size_t(index)];
        if (cell.Digit() != 0 || !HasMark(cell.marks, solution[std::size_t(index)]))
            continue;
        for (int digit = 1; digit <= BoardSize; ++digit)
            if (!HasMark(cell.marks, digit))
                board.Eliminate(GraderCell(index), digit);
    }
    return board;
}

std::optional<Hint> FindHint(const PlayGrid& grid, const SolutionDigits& solution, const std::atomic<bool>* stop)
{
    Hint hint;
    hint.wrongCells = WrongDigits(grid, solution);
    for (int index : hint.wrongCells)
        hint.wrongShown.push_back(grid.cells[std::size_t(index)].Digit());
    if (!hint.wrongCells.empty()) {
        hint.kind = HintKind::WrongDigit;
        return hint;
    }
    if (ShowsSolution(grid, solution)) {
        hint.kind = HintKind::Solved;
        return hint;
    }
    const grader::CandidateBoard board = HintBoard(grid, solution);
    for (int index = 0; index < CellCount; ++index) {
        const CellState& cell = grid.cells[std::size_t(index)];
        hint.candidates[std::size_t(index)] = CandidatesAt(board, index);
        hint.marksUsed[std::size_t(index)] = cell.Digit() == 0 && HasMark(cell.marks, solution[std::size_t(index)]);
    }
    const grader::Grid graderSolution = GraderSolution(solution);
    std::optional<grader::Step> step = grader::NextStep(board, &graderSolution, stop);
    if (stop && stop->load())
        return std::nullopt;
    if (!step) {
        hint.kind = HintKind::NoStep;
        return hint;
    }
    hint.kind = HintKind::Step;
    hint.step = std::move(*step);
    return hint;
}

int HintPresses(const Hint& hint)
{
    switch (hint.kind) {
    case HintKind::Step: return 3;
    case HintKind::WrongDigit: return 2;
    case HintKind::Solved:
    case HintKind::NoStep: return 1;
    }
    return 1;
}

PlayGrid CarryOutHint(const PlayGrid& grid, const Hint& hint, AutoClean autoClean)
{
    PlayGrid after = grid;
    if (hint.kind == HintKind::WrongDigit) {
        for (int index : hint.wrongCells)
            EnterDigit(after, index, 0, AutoClean::Off);
        return after;
    }
    if (hint.kind != HintKind::Step)
        return after;
    for (const grader::CellDigit& placement : hint.step.placements)
        EnterDigit(after, PlayIndex(placement.cell), placement.digit, autoClean);
    for (const grader::CellDigit& elimination : hint.step.eliminations) {
        const int index = PlayIndex(elimination.cell);
        CellState& cell = after.cells[std::size_t(index)];
        if (after.givens[std::size_t(index)] || cell.Digit() != 0)
            continue;
        if (!hint.marksUsed[std::size_t(index)])
            cell.marks = hint.candidates[std::size_t(index)];
        cell.marks = MarkSet(cell.marks & ~MarkOf(elimination.digit));
    }
    return after;
}

std::array<HintCellLook, CellCount> HintLooks(const Hint& hint, int press)
{
    std::array<HintCellLook, CellCount> looks{};
    if (press < 1 || press >= HintPresses(hint))
        return looks;
    if (hint.kind == HintKind::WrongDigit) {
        for (int index : hint.wrongCells)
            looks[std::size_t(index)].involved = true;
        return looks;
    }
    const grader::Step& step = hint.step;
    for (int unit : step.pattern.units)
        for (int cell : grader::Tables().unitCells[std::size_t(unit)])
            looks[std::size_t(PlayIndex(cell))].region = true;
    if (press < 2)
        return looks;
    for (int cell : step.pattern.cells)
        looks[std::size_t(PlayIndex(cell))].involved = true;
    for (const grader::CellDigit& candidate : step.pattern.candidates)
        looks[std::size_t(PlayIndex(candidate.cell))].candidates |= MarkOf(candidate.digit);
    for (const grader::CellDigit& elimination : step.eliminations)
        looks[std::size_t(PlayIndex(elimination.cell))].removed |= MarkOf(elimination.digit);
    for (const grader::CellDigit& placement : step.placements) {
        looks[std::size_t(PlayIndex(placement.cell))].involved = true;
        looks[std::size_t(PlayIndex(placement.cell))].placed = placement.digit;
    }
    return looks;
}

} // namespace orvane
