#pragma once

#include "core/puzzle/PuzzlePosition.h"
#include "framework/TPanel.h"
#include "game/Cell.h"

#include <array>

namespace orvane::game {

// The board: 9 x 9 cells on a panel that draws the grid lines between them
// (geometry in core/puzzle/BoardGeometry.h). The board owns its cells.
class Tstdsudoku : public framework::TPanel {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit Tstdsudoku(framework::TComponent* owner);

    // Cell (x, y), x the column and y the row, both 1..9.
    TCell* Cells(int x, int y) const { return cells[std::size_t(x - 1)][std::size_t(y - 1)]; }

    // Font colour of the givens; setting it recolours the cells that are
    // givens now.
    framework::TColor fixcolor() const { return fixColor; }
    void Setfixcolor(framework::TColor c);
    // Font colour of the open cells, and so of every digit the player writes.
    framework::TColor bigcolor() const { return bigColor; }
    void Setbigcolor(framework::TColor c);

    // Shows a position: givens with their digit, disabled; open cells empty
    // and enabled but holding their solution in `value`; colours applied;
    // marks cleared. The board's own enabled state is left as it is. No cell
    // keeps a candidate mark of the game before.
    void ShowPosition(const PuzzlePosition& position);
    // Every cell background white again. (These marks are the red of the
    // error check, not the candidate marks of the cells.)
    void ClearMarks();

    // The board as play sees it, and back: every cell whose state differs
    // takes the grid's.
    PlayGrid Grid() const;
    void SetGrid(const PlayGrid& grid);

protected:
    void Paint() override;

private:
    std::array<std::array<TCell*, BoardSize>, BoardSize> cells{};
    framework::TColor fixColor = framework::clBlack;
    framework::TColor bigColor = framework::clBlue;
};

} // namespace orvane::game
