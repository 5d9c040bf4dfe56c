#pragma once

#include "game/mousepanel.h"

#include <cstdint>

namespace orvane::game {

// One cell of a board. It shows its text (the panel's caption) centred in its
// font; `value` is the digit it holds. The setters keep the two in step:
//
//   Setvalue(v)    text "" for v < 1, else the decimal text of v
//   Setisfixed(b)  text the decimal text of value for a given, "" otherwise
//
// so that after Setvalue(solution) and Setisfixed(false) an open cell holds
// its solution in `value` while it shows nothing.
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

private:
    bool fixed = false;
    std::int32_t digit = 0;
};

} // namespace orvane::game
