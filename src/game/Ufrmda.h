#pragma once

#include "framework/TForm.h"
#include "game/stdsudoku.h"

namespace orvane::game {

// The solution window: a board that only displays, shown modally by Show
// Solution and hidden again when closed.
class Tfrmda : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit Tfrmda(framework::TComponent* owner);

    Tstdsudoku* stdsudoku1 = nullptr;
};

extern Tfrmda* frmda;

} // namespace orvane::game
