#include "core/grader/NextStep.h"

#include <algorithm>

namespace orvane::grader {

namespace {

bool AgreesWith(const Step& step, const Grid& solution)
{
    for (const CellDigit& placement : step.placements)
        if (solution[placement.cell] != placement.digit)
            return false;
    for (const CellDigit& elimination : step.eliminations)
        if (solution[elimination.cell] == elimination.digit)
            return false;
    return true;
}

// The boxes of the step's cells and of what it changes, in box order.
std::vector<int> BoxesOf(const Step& step)
{
    std::vector<int> boxes;
    const auto add = [&](int cell) {
        const int unit = BoxUnit(BoxOf(cell));
        if (std::find(boxes.begin(), boxes.end(), unit) == boxes.end())
            boxes.push_back(unit);
    };
    for (int cell : step.pattern.cells)
        add(cell);
    for (const CellDigit& placement : step.placements)
        add(placement.cell);
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

} // namespace

std::optional<Step> NextStep(const CandidateBoard& board, const Grid* solution, const std::atomic<bool>* stop)
{
    if (board.IsSolved() || board.IsBroken())
        return std::nullopt;
    for (int index = 0; index < TechniqueCount; ++index) {
        if (stop && stop->load(std::memory_order_relaxed))
            return std::nullopt;
        const auto technique = static_cast<Technique>(index);
        // A copy without the reference solution: the solution given here
        // sorts instances, it does not make a deduction a fault.
        CandidateBoard trial = board.Hypothesis();
        std::vector<FoundInstance> instances;
        trial.RecordChanges(true);
        trial.RecordInstances(&instances);
        const int rating = ApplyTechniqueRated(technique, trial);
        if (rating == 0)
            continue;
        const auto& changes = trial.Changes();
        for (std::size_t i = 0; i < instances.size(); ++i) {
            const std::size_t end = i + 1 < instances.size() ? instances[i + 1].firstChange : changes.size();
            if (instances[i].firstChange >= end)
                continue;
            Step step{technique, rating, instances[i].pattern, {}, {}};
            for (std::size_t k = instances[i].firstChange; k < end; ++k)
                (changes[k].placed ? step.placements : step.eliminations).push_back({changes[k].cell, changes[k].digit});
            if (solution && !AgreesWith(step, *solution))
                continue;
            if (step.pattern.units.empty())
                step.pattern.units = BoxesOf(step);
            return step;
        }
    }
    return std::nullopt;
}

void ApplyStep(const Step& step, CandidateBoard& board)
{
    for (const CellDigit& placement : step.placements)
        if (board.IsOpen(placement.cell))
            board.Place(placement.cell, placement.digit);
    for (const CellDigit& elimination : step.eliminations)
        board.Eliminate(elimination.cell, elimination.digit);
}

} // namespace orvane::grader
