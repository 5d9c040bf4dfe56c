#include "core/play/PlayHistory.h"

#include <algorithm>

namespace orvane {

PlayStep StepBetween(const PlayGrid& before, const PlayGrid& after)
{
    PlayStep step;
    for (int index = 0; index < CellCount; ++index)
        if (before.cells[std::size_t(index)] != after.cells[std::size_t(index)])
            step.push_back({index, before.cells[std::size_t(index)], after.cells[std::size_t(index)]});
    return step;
}

void PlayHistory::Record(PlayStep step)
{
    const bool seen = std::any_of(step.begin(), step.end(), [](const CellChange& change) {
        return change.before.Digit() != change.after.Digit() || change.before.marks != change.after.marks;
    });
    if (!seen)
        return;
    done.push_back(std::move(step));
    undone.clear();
}

bool PlayHistory::Undo(PlayGrid& grid)
{
    if (done.empty())
        return false;
    for (const CellChange& change : done.back())
        grid.cells[std::size_t(change.index)] = change.before;
    undone.push_back(std::move(done.back()));
    done.pop_back();
    return true;
}

bool PlayHistory::Redo(PlayGrid& grid)
{
    if (undone.empty())
        return false;
    for (const CellChange& change : undone.back())
        grid.cells[std::size_t(change.index)] = change.after;
    done.push_back(std::move(undone.back()));
    undone.pop_back();
    return true;
}

void PlayHistory::Clear()
{
    done.clear();
    undone.clear();
}

} // namespace orvane
