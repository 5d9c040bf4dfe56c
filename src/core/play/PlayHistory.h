#pragma once

#include "core/play/PlayGrid.h"

#include <vector>

namespace orvane {

// One cell changed by a step of play.
struct CellChange {
    int index = 0;
    CellState before;
    CellState after;
    bool operator==(const CellChange&) const = default;
};

// What one key press or one command changed: every cell it touched, with its
// state before and after. An empty step changed nothing.
using PlayStep = std::vector<CellChange>;

// The cells in which two grids differ, in index order.
PlayStep StepBetween(const PlayGrid& before, const PlayGrid& after);

// The undo and redo history of a game's board. Recording a step after an
// undo forgets the steps that could have been redone, as every editor does.
class PlayHistory {
public:
    // Keeps a step. One that changes nothing a player sees is not kept: an
    // empty cell emptied again (its unseen solution given up for 0) is no
    // step to take back.
    void Record(PlayStep step);

    // Takes the last step back on the grid: its cells get their state from
    // before it. False, with the grid unchanged, when there is none.
    bool Undo(PlayGrid& grid);
    // Takes the step last taken back again. False when there is none.
    bool Redo(PlayGrid& grid);

    bool CanUndo() const { return !done.empty(); }
    bool CanRedo() const { return !undone.empty(); }
    // A fresh history, for a new game on the board.
    void Clear();

private:
    std::vector<PlayStep> done;
    std::vector<PlayStep> undone;
};

} // namespace orvane
