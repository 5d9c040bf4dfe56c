#pragma once

#include "core/puzzle/PuzzlePosition.h"
#include "framework/TPanel.h"

namespace orvane::game {

// The game position as a component of the main window: a hidden panel that
// draws nothing and carries the portable position (records, LoadPuzzle,
// Shuffle, GivensText).
class TQJ : public framework::TPanel, public PuzzlePosition {
public:
    static const framework::TClassInfo ClassInfo;
    const framework::TClassInfo& ClassType() const override { return ClassInfo; }

    explicit TQJ(framework::TComponent* owner);

protected:
    void Paint() override {}
};

} // namespace orvane::game
