#pragma once

#include "core/play/PlayGrid.h"
#include "game/mousepanel.h"

#include <cstdint>

namespace orvane::game {

// How the highlights of play draw a cell over its own colours; the default
// draws nothing over them.
struct TCellLook {
    // The background while the cell's own background is white (the red of
    // the error check stays red).
    framework::TColor shade = framework::clNone;
    // The colour of the shown digit instead of the font's.
    framework::TColor digitColor = framework::clNone;
    // A mark drawn on a background of its own: its digit, and that colour.
    int markedDigit = 0;
    framework::TColor markShade = framework::clNone;
    // A hint's candidates, drawn as marks on a background of their own
    // whether the cell has those marks or not, and the candidates the hint
    // takes out, drawn in a colour of their own and struck through.
    MarkSet hintMarks = 0;
    framework::TColor hintMarkShade = framework::clNone;
    MarkSet removedMarks = 0;
    framework::TColor removedMarkColor = framework::clNone;
    bool operator==(const TCellLook&) const = default;
};

// One cell of a board. It shows its text (the panel's caption) centred in its
// font; `value` is the digit it holds. The setters keep the two in step:
//
//   Setvalue(v)    text "" for v < 1, else the decimal text of v
//   Setisfixed(b)  text the decimal text of value for a given, "" otherwise
//
// so that after Setvalue(solution) and Setisfixed(false) an open cell holds
// its solution in `value` while it shows nothing.
//
// A cell that shows nothing shows its candidate marks instead: small digits
// in a 3 x 3 layout in the font's colour,
//
//   1 2 3
//   4 5 6
//   7 8 9
//
// They are no text: the checks and the saved board see an empty cell.
class TCell : public Tmousepanel {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TCell(framework::TComponent* owner);

    bool isfixed() const { return fixed; }
    void Setisfixed(bool b);
    std::int32_t value() const { return digit; }
    void Setvalue(std::int32_t v);

    std::int32_t x = 0; // column 1..9 from the left, set once by the board
    std::int32_t y = 0; // row 1..9 from the top, set once by the board

    // The candidate marks; kept while the cell shows a digit, drawn when it
    // shows none.
    MarkSet Marks() const { return marks; }
    void SetMarks(MarkSet value);
    // The cell as play sees it, and back: a held digit that is not shown
    // stays held unseen, as after Setisfixed(false).
    CellState State() const;
    void SetState(const CellState& state);

    const TCellLook& Look() const { return look; }
    void SetLook(const TCellLook& value);

protected:
    void Paint() override;

private:
    void PaintMarks(framework::TCanvas& canvas, const RECT& rect);

    bool fixed = false;
    std::int32_t digit = 0;
    MarkSet marks = 0;
    TCellLook look;
};

} // namespace orvane::game
