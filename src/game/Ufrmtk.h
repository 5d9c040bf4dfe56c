#pragma once

#include "framework/TForm.h"
#include "framework/TMemo.h"

#include <string>
#include <vector>

namespace orvane::game {

// The puzzle bank: a window that is never shown, holding one list of puzzle
// strings per level (tk0 .. tk4) and the spare list tk0_bk, filled at
// creation from the program's built-in data.
class Tfrmtk : public framework::TForm {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit Tfrmtk(framework::TComponent* owner);

    framework::TMemo* tk0 = nullptr;
    framework::TMemo* tk1 = nullptr;
    framework::TMemo* tk2 = nullptr;
    framework::TMemo* tk3 = nullptr;
    framework::TMemo* tk4 = nullptr;
    framework::TMemo* tk0_bk = nullptr;

    // The list of a level index 0..4, or null for any other number.
    framework::TMemo* LevelList(int level) const;
};

extern Tfrmtk* frmtk;

// The lines of a list as single-byte puzzle strings.
std::vector<std::string> PuzzleLines(const framework::TMemo& list);

} // namespace orvane::game
